// Hostile input and load on the real program: huge and strange entries,
// thousands of presses and repaints, resize storms, the About box again and
// again.  Afterwards the program must still answer, paint and compute.
#include "form_test.h"

#include "key.h"
#include "splitmix.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int kAboutCommand = 104;

// The share of the full load done here: 1 natively, 1/TERVALO_LOAD_DIVISOR
// where CTest says the program runs emulated.  Every check stays the same,
// and every bound on memory holds per operation.
int Share(int count) {
    const char* text = std::getenv("TERVALO_LOAD_DIVISOR");
    const int divisor = text != nullptr ? std::atoi(text) : 1;
    return divisor > 1 ? count / divisor : count;
}

// The least that a count grew from one reading to the next.
long long LeastGrowth(const std::vector<long long>& readings) {
    long long least = LLONG_MAX;
    for (std::size_t i = 1; i < readings.size(); ++i) {
        least = std::min(least, readings[i] - readings[i - 1]);
    }
    return least;
}

class LoadTest : public FormTest {
  protected:
    // Runs the load in four quarters, reading the program's memory and its
    // GDI and USER objects after the warm-up and after each quarter: a leak
    // grows in every quarter.  The process's memory can also take a one-time
    // step that is no leak: emulated, the translations of Wine's code fill
    // whole 2 MiB pages, a new one when more of that code runs, at a moment
    // that moves with the machine's load.  Such a step falls in one quarter:
    // the quarter that grew least is held to a quarter of bytesBound, the
    // bound for the whole load, and to a few objects.
    void ExpectNoLeakInQuarters(const char* load, std::size_t bytesBound,
                                const std::function<void()>& quarter) {
        std::vector<long long> bytes;
        std::vector<long long> objects; // where the system counts them: Wine answers 0
        for (int i = 0; i <= 4 && !HasFatalFailure(); ++i) {
            if (i > 0) {
                quarter();
            }
            WaitForIdle(program);
            bytes.push_back(static_cast<long long>(PrivateBytes(program)));
            objects.push_back(
                static_cast<long long>(GetGuiResources(program.process.hProcess, GR_GDIOBJECTS)) +
                GetGuiResources(program.process.hProcess, GR_USEROBJECTS));
        }
        std::printf("[          ] private bytes after the warm-up and each quarter of %s:", load);
        for (const long long reading : bytes) {
            std::printf(" %lld", reading);
        }
        std::printf("\n");
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_GT(bytes[0], 0);
        EXPECT_LT(LeastGrowth(bytes), static_cast<long long>(bytesBound / 4))
            << "memory grew in every quarter of " << load << ", by " << LeastGrowth(bytes)
            << " bytes at least";
        // A few objects that the system makes on its own may come and go.
        EXPECT_LT(LeastGrowth(objects), 16) << "GDI and USER objects grew in every quarter of " << load;
    }
    // Types the text into the entry field, which it fills before its first
    // 250 characters end, in runs of 250 characters, each followed by Home
    // or End in turn, and waits after each run until the caret has moved
    // there: every keystroke before it has been handled.  Wine's server can
    // take longer to hand over a deep queue of typed keys than the program
    // takes to handle them, and no wait may read that as a hang, nor go on
    // while keystrokes are still queued.
    bool TypeIntoFullField(const std::string& text) {
        const HWND entry = Control(kEntry);
        constexpr std::size_t kRun = 250;
        bool home = true;
        for (std::size_t start = 0; start < text.size(); start += kRun, home = !home) {
            TypeText(text.substr(start, kRun));
            PressKey(home ? VK_HOME : VK_END);
            const bool moved = WaitUntil([&] {
                // The selection's start and end, both at the caret.
                const auto selection = static_cast<DWORD>(SendMessageA(entry, EM_GETSEL, 0, 0));
                const auto length = static_cast<DWORD>(SendMessageA(entry, WM_GETTEXTLENGTH, 0, 0));
                return length > 0 && selection == (home ? 0 : static_cast<DWORD>(MAKELONG(length, length)));
            });
            if (!moved) {
                std::printf("[          ] the caret did not move after %zu characters typed\n", start + kRun);
                return false;
            }
        }
        return true;
    }
    // The key field shows what ComputeKey gives for the entry as CALCUL cuts
    // it, or what it showed before when there is no key.
    void ExpectCalculMatchesComputeKey(const std::string& held, const std::string& shownBefore) {
        const std::string cut = CutByCalcul(held);
        const KeyResult result = ComputeKey(cut.c_str());
        EXPECT_EQ(Hex(EntryText()), Hex(cut)) << "entry " << Hex(held.substr(0, 20));
        EXPECT_EQ(KeyText(), result.has_key ? std::string(FormatKeyText(result.key).chars) : shownBefore)
            << "entry " << Hex(cut);
    }
    void ExpectStillRunning() { ASSERT_EQ(WaitForExit(program, 0), STILL_ACTIVE) << "the program has ended"; }
    // The three buttons show their fills.
    void ExpectButtonsPainted() {
        for (const auto& [id, fill] :
             {std::pair{kCalc, kBlue}, std::pair{kClear, kGreen}, std::pair{kQuit, kRed}}) {
            const RECT client = ClientRectOnScreen(Control(id));
            const int area = (client.right - client.left) * (client.bottom - client.top);
            Capture capture;
            EXPECT_TRUE(WaitForPixels(
                client, capture, [&](const Capture& c) { return CountColour(c, client, fill) > area / 2; }))
                << "button " << id << " lost its fill";
        }
    }
};

TEST_F(LoadTest, HundredThousandCharacterEntriesAreCutToThirteen) {
    const std::string huge = "1234567890123" + std::string(Share(100000) - 13, '8');
    // Typed: the field takes what fits in its width and refuses the rest.
    // Wine handles about a thousand refused keystrokes a second.
    Focus();
    ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(TypeIntoFullField(huge)) << "the typing was not handled";
    ClickAt(CentreOnScreen(Control(kCalc)));
    ASSERT_TRUE(WaitUntil([&] { return KeyText() == "11"; })) << "no key after the typing";
    std::printf("[          ] %zu characters typed and CALCUL in %llu ms\n", huge.size(),
                GetTickCount64() - start);
    EXPECT_EQ(EntryText(), "1234567890123");

    // Pasted.  Wine's edit control trims a paste that does not fit one
    // character at a time, measuring the line again each time, so a paste
    // costs the square of its length: this one has 2,000 characters.
    SetEntry("");
    ASSERT_TRUE(PutOnClipboard("0000000000042" + std::string(1987, '9')));
    start = GetTickCount64();
    PressControlKey('V');
    ClickAt(CentreOnScreen(Control(kCalc)));
    ASSERT_TRUE(WaitUntil([&] { return KeyText() == "55"; })) << "no key after the paste";
    std::printf("[          ] 2,000 characters pasted and CALCUL in %llu ms\n", GetTickCount64() - start);
    EXPECT_EQ(EntryText(), "0000000000042");

    // Set from outside, where no width applies: all of it is there until
    // CALCUL reads the thirteen characters after the blanks in front.
    // (Nothing may be typed into a line wider than the field: Wine's edit
    // control then reads outside its text and crashes.  A user cannot make
    // such a line.)
    SetEntry("  97" + huge);
    ASSERT_EQ(EntryText().size(), huge.size() + 4);
    SendCalcul();
    EXPECT_EQ(EntryText(), "9712345678901");
    EXPECT_EQ(KeyText(), "76");
    ExpectStillRunning();
}

TEST_F(LoadTest, EveryByteAloneAndInsideNumbersAgreesWithComputeKey) {
    int keptAsSet = 0;
    for (int value = 1; value <= 0xFF; ++value) {
        const char byte = static_cast<char>(value);
        const std::string entries[] = {std::string(1, byte),
                                       byte + std::string("1234567890123"),
                                       "123456" + std::string(1, byte) + "7890123",
                                       "1234567890123" + std::string(1, byte),
                                       "1e" + std::string(1, byte) + "5",
                                       "-" + std::string(1, byte) + "42"};
        for (const std::string& entry : entries) {
            SetEntry(entry);
            const std::string held = EntryText(); // as the field stores it
            keptAsSet += held == entry ? 1 : 0;
            const std::string before = KeyText();
            SendCalcul();
            ExpectCalculMatchesComputeKey(held, before);
        }
    }
    std::printf("[          ] %d of %d entries kept byte for byte by the edit control\n", keptAsSet,
                0xFF * 6);
    EXPECT_GT(keptAsSet, 0xFF * 6 * 9 / 10);
    ExpectStillRunning();
}

TEST_F(LoadTest, TenThousandPressesAndHundredThousandRepaintsLeakNothing) {
    const HWND calc = Control(kCalc);
    const HWND clear = Control(kClear);
    const HWND buttons[] = {calc, clear, Control(kQuit)};
    // BM_CLICK goes through the button's own mouse handling: pressed and
    // released (two repaints), then the command.  Each WM_PAINT sent makes
    // the button draw itself once, by WM_DRAWITEM.
    auto pressAndRepaint = [&](int presses, int repaints) {
        for (int i = 0; i < presses / 2; ++i) {
            SetEntry("1234567890123");
            SendMessageA(calc, BM_CLICK, 0, 0);
            SendMessageA(clear, BM_CLICK, 0, 0);
        }
        for (int i = 0; i < repaints; ++i) {
            const HWND button = buttons[i % 3];
            InvalidateRect(button, nullptr, FALSE);
            SendMessageA(button, WM_PAINT, 0, 0);
        }
    };
    pressAndRepaint(1000, 3); // warmed up: the fonts, caches and heap have their size
    const int presses = Share(10000);
    const int repaints = Share(100000);
    const ULONGLONG start = GetTickCount64();
    ASSERT_NO_FATAL_FAILURE(ExpectNoLeakInQuarters("the presses and repaints", Share(256 * 1024),
                                                   [&] { pressAndRepaint(presses / 4, repaints / 4); }));
    std::printf("[          ] %d presses and %d repaints in %llu ms\n", presses, repaints,
                GetTickCount64() - start);
    ASSERT_EQ(EntryText(), std::string(13, ' '));
    SetEntry("1234567890123");
    SendMessageA(calc, BM_CLICK, 0, 0);
    EXPECT_EQ(KeyText(), "11");
    ExpectButtonsPainted();
    ExpectStillRunning();
}

TEST_F(LoadTest, ResizeAndMinimiseStormsMoveNothing) {
    const std::vector<HWND> controls = Children(window);
    std::vector<RECT> places(controls.size());
    std::transform(controls.begin(), controls.end(), places.begin(), RectInParent);
    std::uint64_t state = 8;
    for (int i = 0; i < 300; ++i) {
        const int width = 120 + static_cast<int>(NextRandom(state) % 1700);
        const int height = 40 + static_cast<int>(NextRandom(state) % 1000);
        SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (i % 6 == 0) {
            ShowWindow(window, SW_MINIMIZE);
            ShowWindow(window, SW_RESTORE);
        }
        if (i % 50 == 0) {
            WaitForIdle(program);
        }
    }
    ShowWindow(window, SW_MAXIMIZE);
    ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, nullptr, 0, 0, 1211, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitForIdle(program);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT rect = RectInParent(controls[i]);
        EXPECT_TRUE(EqualRect(&rect, &places[i])) << "control " << i + 1 << " moved";
    }
    const RECT client = ClientRectOnScreen(window);
    ASSERT_EQ(client.right - client.left, 1211 - 2 * GetSystemMetrics(SM_CXSIZEFRAME) - 4);
    Capture capture;
    EXPECT_TRUE(WaitForPixels(client, capture, [&](const Capture& c) {
        return IsCentredHeading(HeadingBox(c, client, 40), client);
    })) << "the heading is not centred after the storm";
    SaveScreenshot(capture, "after-resize-storm.bmp");
    ExpectButtonsPainted();
    ExpectStillRunning();
}

TEST_F(LoadTest, AboutBoxOpenedAndClosedAThousandTimes) {
    // Opened by keyboard every hundredth round and by command otherwise,
    // closed by Escape or by OK.
    int round = 0;
    auto openAndClose = [&] {
        HWND about = nullptr;
        const bool byKeyboard = round % 100 == 0;
        if (byKeyboard) {
            about = OpenAboutByMenu(program);
        } else {
            PostMessageA(window, WM_COMMAND, kAboutCommand, 0);
            about = WaitForAboutBox(program, 1);
        }
        ASSERT_NE(about, nullptr) << "round " << round << ": no About box";
        ASSERT_FALSE(IsWindowEnabled(window)) << "round " << round << ": the main window is not disabled";
        if (byKeyboard) {
            PressKey(VK_ESCAPE);
        } else {
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(window); }, kDeadlineMs, 1))
            << "round " << round << ": the About box stays";
        ++round;
    };
    Focus();
    // Warmed up: the box has been opened by keyboard and by command.
    ASSERT_NO_FATAL_FAILURE(openAndClose());
    ASSERT_NO_FATAL_FAILURE(openAndClose());
    const int rounds = Share(1000);
    ASSERT_NO_FATAL_FAILURE(ExpectNoLeakInQuarters("the About boxes", Share(256 * 1024), [&] {
        for (int i = 0; i < rounds / 4 && !HasFatalFailure(); ++i) {
            openAndClose();
        }
    }));
    std::printf("[          ] %d About boxes after the warm-up\n", round - 2);
    // The program still computes, typed and clicked.
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(program) == window; }));
    SetEntry("2940000000000");
    Click(kCalc);
    EXPECT_EQ(KeyText(), "47");
    ExpectStillRunning();
}

} // namespace
