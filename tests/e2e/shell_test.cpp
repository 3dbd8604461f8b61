// The application shell seen from outside: the main window, its heading and
// colours, the menu and accelerators, the About box, and how the program ends.
#include "program_test.h"

#include <cstdlib>

namespace {

constexpr int kAboutOkId = IDOK;

using ShellTest = ProgramTest;

TEST_F(ShellTest, MainWindowHasItsClassTitleStylesAndPlace) {
    EXPECT_EQ(ClassName(window), "TERVALO");
    EXPECT_EQ(WindowText(window), "Tervalo - Dr Quenmar- Version 1.0");
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS), WS_OVERLAPPEDWINDOW | WS_VISIBLE)
        << std::hex << "style 0x" << style;
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    // ... and WS_EX_WINDOWEDGE to every window with a caption.
    EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), static_cast<DWORD>(WS_EX_CLIENTEDGE))
        << std::hex << "extended style 0x" << exStyle;
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), CS_HREDRAW | CS_VREDRAW);

    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 160);
    EXPECT_EQ(rect.top, 90);
    EXPECT_EQ(rect.right - rect.left, 960);
    EXPECT_EQ(rect.bottom - rect.top, 360);

    // Wine gives another process neither the class icons nor a fallback in
    // WM_GETICON: look for the icon where the user sees it, on the left of
    // the caption (its blue card).
    const RECT caption{rect.left, rect.top, rect.left + 40, rect.top + GetSystemMetrics(SM_CYCAPTION) + 8};
    Capture capture;
    EXPECT_TRUE(WaitForPixels(caption, capture, [&](const Capture& c) {
        return CountColour(c, caption, RGB(0, 0, 255)) > 30;
    })) << "no icon in the caption";
}

TEST_F(ShellTest, ClientAreaIsGoldWithTheHeadingCentredAtTheTop) {
    constexpr int kBand = 40; // the buttons start 60 pixels down
    const RECT client = ClientRectOnScreen(window);
    Capture capture;
    const bool shown = WaitForPixels(client, capture, [&](const Capture& c) {
        return c.At(client.left + 3, client.bottom - 3) == kGold &&
               c.At(client.right - 3, client.top + 40) == kGold &&
               IsHeading(HeadingBox(c, client, kBand), client);
    });
    const RECT box = HeadingBox(capture, client, kBand);
    ASSERT_TRUE(shown) << "no heading at the top of a gold client area: background 0x" << std::hex
                       << capture.At(client.left + 3, client.bottom - 3) << std::dec << ", heading box "
                       << box.left - client.left << "," << box.top - client.top << " to "
                       << box.right - client.left << "," << box.bottom - client.top;
    SaveScreenshot(CaptureScreen([&] {
                       RECT whole{};
                       GetWindowRect(window, &whole);
                       return whole;
                   }()),
                   "main-window.bmp");

    EXPECT_GT(box.right - box.left, 100) << "heading too narrow for its 23 characters";
    const int leftMargin = box.left - client.left;
    const int rightMargin = client.right - box.right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << "margins " << leftMargin << " and " << rightMargin;

    // Narrower: the whole client area repaints and the heading moves to the
    // new centre.
    SetWindowPos(window, nullptr, 0, 0, 700, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT narrower = ClientRectOnScreen(window);
    ASSERT_EQ(narrower.right - narrower.left, client.right - client.left - 260);
    const bool centred = WaitForPixels(narrower, capture, [&](const Capture& c) {
        return IsCentredHeading(HeadingBox(c, narrower, kBand), narrower);
    });
    const RECT moved = HeadingBox(capture, narrower, kBand);
    ASSERT_TRUE(centred) << "the heading is not centred on the new width: margins "
                         << moved.left - narrower.left << " and " << narrower.right - moved.right;
    EXPECT_EQ(moved.right - moved.left, box.right - box.left);
}

TEST_F(ShellTest, FileExitFromTheKeyboardEndsWithCodeZero) {
    Focus();
    TapAlt();
    PressKey('F');
    PressKey('X');
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(ShellTest, CloseBoxAndAltF4EndWithCodeZero) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(), 0u) << "WM_CLOSE";
    EndProgram(program);

    ASSERT_TRUE(StartProgram(program));
    PostMessageA(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForExit(program), 0u) << "SC_CLOSE";
    EndProgram(program);

    ASSERT_TRUE(StartProgram(program));
    window = program.window;
    Focus();
    PressKeyWithModifiers(VK_F4, true, false);
    EXPECT_EQ(WaitForExit(program), 0u) << "Alt+F4";
}

TEST_F(ShellTest, HelpAboutOpensTheAboutBoxWithItsFourControls) {
    Focus();
    HWND about = OpenAboutByMenu(program);
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_EQ(WindowText(about), "About");
    EXPECT_EQ(GetWindow(about, GW_OWNER), window);
    EXPECT_FALSE(IsWindowEnabled(window)) << "the About box is not modal";
    const auto style = static_cast<DWORD>(GetWindowLongA(about, GWL_STYLE));
    EXPECT_EQ(style & (DS_MODALFRAME | WS_CAPTION | WS_SYSMENU),
              static_cast<DWORD>(DS_MODALFRAME | WS_CAPTION | WS_SYSMENU))
        << std::hex << "style 0x" << style;

    const struct {
        const char* className;
        const char* text;
        int id;
        DWORD style;
    } expected[] = {
        {"Static", "", 2, 0x50000003},
        {"Static", "Tervalo Version 1.0", 0xFFFF, 0x50020080},
        {"Static", "\xA9 2026 Dr Quenmar", 0xFFFF, 0x50020000},
        {"Button", "OK", kAboutOkId, 0x50030001},
    };
    const std::vector<HWND> controls = Children(about);
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE("About box control " + std::to_string(i + 1));
        EXPECT_EQ(ClassName(controls[i]), expected[i].className);
        if (i != 0) {
            EXPECT_EQ(WindowText(controls[i]), expected[i].text);
        }
        EXPECT_EQ(GetDlgCtrlID(controls[i]) & 0xFFFF, expected[i].id);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(controls[i], GWL_STYLE)), expected[i].style)
            << std::hex << "got 0x" << GetWindowLongA(controls[i], GWL_STYLE);
    }
    EXPECT_NE(SendMessageA(controls[0], STM_GETICON, 0, 0), 0) << "the icon control shows no icon";

    RECT box{};
    GetWindowRect(about, &box);
    RECT icon{};
    GetWindowRect(controls[0], &icon);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int area = (box.right - box.left) * (box.bottom - box.top);
    // Painted when the icon shows its blue card and the three texts their
    // black letters.
    Capture shot;
    EXPECT_TRUE(WaitForPixels(box, shot, [&](const Capture& c) {
        if (CountColour(c, box, face) < area / 2 || CountColour(c, icon, RGB(0, 0, 255)) < 100) {
            return false;
        }
        for (std::size_t i = 1; i < controls.size(); ++i) {
            RECT text{};
            GetWindowRect(controls[i], &text);
            if (CountColour(c, text, RGB(0, 0, 0)) < 10) {
                return false;
            }
        }
        return true;
    })) << "the About box with its icon and texts is not on the screen";
    SaveScreenshot(shot, "about-box.bmp");
}

TEST_F(ShellTest, OnlyOkAndCancelEndTheAboutBox) {
    Focus();
    HWND about = OpenAboutByMenu(program);
    ASSERT_NE(about, nullptr);

    // Commands other than OK and cancel leave it open.
    for (const int id : {0, 3, 104, 105, 112, 0xFFFF}) {
        SendMessageA(about, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(about)) << "command " << id << " ended the About box";
    }

    // OK, clicked with the mouse.
    EXPECT_TRUE(ClickButton(program, GetDlgItem(about, IDOK))) << "OK not clicked";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "OK did not end the About box";
    EXPECT_TRUE(IsWindowEnabled(window));

    // Escape, typed.
    about = OpenAboutByMenu(program);
    ASSERT_NE(about, nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "Escape did not end the About box";

    // The close box of its caption.
    about = OpenAboutByMenu(program);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "the close box did not end the About box";

    EXPECT_EQ(WaitForExit(program, 0), static_cast<DWORD>(STILL_ACTIVE))
        << "the program ended with the About box";
}

} // namespace

namespace {

// Without its main window the program reports a failure: exit code 1.
TEST(ShellStartUp, NoMainWindowEndsWithCodeOne) {
    HMODULE hook = LoadLibraryA("refuse_main_window.dll");
    ASSERT_NE(hook, nullptr) << "refuse_main_window.dll not found beside the driver";
    const auto proc =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hook, "RefuseMainWindow")));
    ASSERT_NE(proc, nullptr);
    HHOOK installed = SetWindowsHookExA(WH_CBT, proc, hook, 0);
    ASSERT_NE(installed, nullptr);
    Program program;
    EXPECT_FALSE(StartProgram(program)) << "a TERVALO window appeared despite the hook";
    EXPECT_EQ(WaitForExit(program), 1u);
    UnhookWindowsHookEx(installed);
    EndProgram(program);
    FreeLibrary(hook);
}

} // namespace
