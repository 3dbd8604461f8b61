// The entry form as a user meets it: its controls, the coloured buttons,
// CALCUL, EFFACER and QUITTER, typed and clicked for real.
#include "form_test.h"

#include "key.h"
#include "splitmix.h"

#include <algorithm>
#include <cstdint>

namespace {

TEST_F(FormTest, SevenControlsWithTheirClassesTextsIdsPlacesAndStyles) {
    const struct {
        const char* className;
        const char* text;
        int id;
        RECT rect;
        DWORD style;
        DWORD exStyle;
    } expected[] = {
        {"Button", "CALCUL", kCalc, {250, 100, 350, 130}, 0x5040200B, WS_EX_CLIENTEDGE},
        {"Button", "EFFACER", kClear, {120, 60, 220, 90}, 0x5040200B, WS_EX_CLIENTEDGE},
        {"Button", "QUITTER", kQuit, {380, 60, 480, 90}, 0x5040200B, WS_EX_CLIENTEDGE},
        {"Static",
         " ENTRER LE N\xB0 de SS :  \r\n ( 13 Chiffres )  ",
         kPrompt,
         {10, 150, 170, 190},
         0x50000001,
         0},
        {"Edit", "", kEntry, {190, 150, 390, 172}, 0x50000001, WS_EX_CLIENTEDGE},
        {"Static", " CL\xC9: ", kKeyLabel, {450, 150, 500, 172}, 0x50000001, 0},
        {"Edit", "", kKey, {520, 150, 570, 172}, 0x58000001, WS_EX_CLIENTEDGE},
    };
    const std::vector<HWND> controls = Children(window);
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " " + e.className + " " + std::to_string(e.id));
        EXPECT_EQ(ClassName(controls[i]), e.className);
        EXPECT_EQ(Hex(WindowText(controls[i])), Hex(e.text));
        EXPECT_EQ(GetDlgCtrlID(controls[i]), e.id);
        // At the screen's DPI.
        const RECT rect = RectInParent(controls[i]);
        const RECT want{AtDpi(e.rect.left), AtDpi(e.rect.top), AtDpi(e.rect.right), AtDpi(e.rect.bottom)};
        EXPECT_TRUE(NearlyEqualRect(rect, want))
            << "got " << rect.left << "," << rect.top << " " << rect.right << "," << rect.bottom << ", not "
            << want.left << "," << want.top << " " << want.right << "," << want.bottom;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(controls[i], GWL_STYLE)), e.style)
            << std::hex << "style 0x" << GetWindowLongA(controls[i], GWL_STYLE);
        // The system adds WS_EX_WINDOWEDGE to windows with WS_DLGFRAME.
        const DWORD edge = (e.style & WS_DLGFRAME) != 0 ? WS_EX_WINDOWEDGE : 0;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(controls[i], GWL_EXSTYLE)), e.exStyle | edge)
            << std::hex << "extended style 0x" << GetWindowLongA(controls[i], GWL_EXSTYLE);
    }
    EXPECT_EQ(FocusOf(program), Control(kEntry)) << "the entry field has not the focus";
}

// The text drawn in the area on the background: the bounding box of the
// pixels more than tolerance from the background's colour (a system that
// scales the window smooths the edges of what it draws), and the number of
// bands of rows it lies in, its lines.
struct Ink {
    RECT box;
    int pixels;
    int lines;
};
Ink InkOf(const Capture& capture, const RECT& area, COLORREF background, int tolerance = 192) {
    Ink ink{{area.right, area.bottom, area.left, area.top}, 0, 0};
    bool lastRowInked = false;
    for (int y = area.top; y < area.bottom; ++y) {
        bool inked = false;
        for (int x = area.left; x < area.right; ++x) {
            if (Distance(capture.At(x, y), background) > tolerance) {
                inked = true;
                ++ink.pixels;
                ink.box = RECT{std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                               std::max<LONG>(ink.box.right, x + 1), std::max<LONG>(ink.box.bottom, y + 1)};
            }
        }
        ink.lines += inked && !lastRowInked ? 1 : 0;
        lastRowInked = inked;
    }
    return ink;
}
// ... with a clear row or column between it and each edge of the area.
bool LiesWholeIn(const Ink& ink, const RECT& area) {
    return ink.box.left > area.left && ink.box.top > area.top && ink.box.right < area.right &&
           ink.box.bottom < area.bottom;
}
std::string Describe(const Ink& ink, const RECT& area) {
    return std::to_string(ink.lines) + " lines of ink in rows " + std::to_string(ink.box.top - area.top) +
           " to " + std::to_string(ink.box.bottom - area.top) + " and columns " +
           std::to_string(ink.box.left - area.left) + " to " + std::to_string(ink.box.right - area.left) +
           " of " + std::to_string(area.right - area.left) + "x" + std::to_string(area.bottom - area.top);
}

// The height of the text drawn in the window, on the colour at its
// top-left corner.
int TextHeight(HWND control) {
    const RECT area = ClientRectOnScreen(control);
    const Capture capture = CaptureScreen(area);
    const Ink ink = InkOf(capture, area, capture.At(area.left + 1, area.top + 1), ScreenDpi == 96 ? 0 : 192);
    return std::max(0, static_cast<int>(ink.box.bottom - ink.box.top));
}

TEST_F(FormTest, EditFieldsShowTheLargeEntryFont) {
    // Wine answers WM_GETFONT across processes with 0 whatever the font, so
    // the fonts are measured on the screen: "8" in 18-pixel bold Arial is
    // taller than in the system font, which the labels keep.
    for (const int id : {kEntry, kKey, kKeyLabel}) {
        SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("88"));
    }
    int entry = 0;
    int key = 0;
    int label = 0;
    EXPECT_TRUE(WaitUntil([&] {
        entry = TextHeight(Control(kEntry));
        key = TextHeight(Control(kKey));
        label = TextHeight(Control(kKeyLabel));
        return entry > 0 && key > 0 && label > 0 && std::abs(entry - key) <= DpiSlack() && entry > label;
    })) << "digit heights: entry field "
        << entry << ", key field " << key << ", label " << label;
    // ... and grow with the screen's DPI, by at least four fifths of it.
    const int least = ScreenDpi == 96 ? 11 : AtDpi(11) * 4 / 5;
    EXPECT_GE(entry, least) << "digits of an 18-pixel cell stand at least " << least << " pixels high at "
                            << ScreenDpi << " dpi";
}

// The button's pixels: its fill, its label and its edge.
struct ButtonLook {
    int fill;
    int white;
    int black;
    COLORREF topLeft;
    COLORREF bottomRight;
};

ButtonLook LookOf(const Capture& capture, const RECT& client, COLORREF fill) {
    RECT inner = client;
    InflateRect(&inner, -2, -2);
    return ButtonLook{CountColour(capture, inner, fill), CountColour(capture, inner, kWhite),
                      CountColour(capture, inner, kBlack), capture.At(client.left, client.top),
                      capture.At(client.right - 1, client.bottom - 1)};
}

// A whole frame of a button up (white label, EDGE_RAISED: light above and
// left, the darkest shadow below and right) or pressed (black label,
// EDGE_SUNKEN): a frame caught while the button paints shows its new label
// before its new edge.
bool IsRaised(const ButtonLook& look) {
    return look.white > 20 && look.black == 0 && look.topLeft == GetSysColor(COLOR_3DLIGHT) &&
           look.bottomRight == GetSysColor(COLOR_3DDKSHADOW);
}
bool IsSunken(const ButtonLook& look) {
    return look.black > 20 && look.white == 0 && look.topLeft == GetSysColor(COLOR_3DSHADOW) &&
           look.bottomRight == GetSysColor(COLOR_3DHILIGHT);
}

// The three buttons and their fills.
struct ButtonFill {
    int id;
    COLORREF fill;
};
constexpr ButtonFill kButtonFills[] = {{kCalc, kBlue}, {kClear, kGreen}, {kQuit, kRed}};

TEST_F(FormTest, ButtonsAreFilledWithWhiteLabelsAndRaisedEdges) {
    for (const ButtonFill& button : kButtonFills) {
        SCOPED_TRACE("button " + std::to_string(button.id));
        const RECT client = ClientRectOnScreen(Control(button.id));
        const int area = (client.right - client.left - 4) * (client.bottom - client.top - 4);
        Capture capture;
        const bool painted = WaitForPixels(client, capture, [&](const Capture& c) {
            const ButtonLook look = LookOf(c, client, button.fill);
            return look.fill > area / 2 && IsRaised(look);
        });
        const ButtonLook look = LookOf(capture, client, button.fill);
        EXPECT_TRUE(painted) << look.fill << " fill and " << look.white << " white pixels of " << area;
        EXPECT_EQ(look.black, 0) << "black in an unpressed label";
        EXPECT_EQ(look.topLeft, GetSysColor(COLOR_3DLIGHT));
        EXPECT_EQ(look.bottomRight, GetSysColor(COLOR_3DDKSHADOW));
    }
}

// On every screen and at every DPI: each button's caption on its face and
// the prompt's two lines show whole, not cut by their control's edges.
TEST_F(FormTest, TextsLieWholeInTheirControls) {
    for (const ButtonFill& button : kButtonFills) {
        SCOPED_TRACE("button " + std::to_string(button.id));
        // The face inside the two-pixel frame, less a pixel that a scaled
        // frame smooths into it.
        RECT face = ClientRectOnScreen(Control(button.id));
        InflateRect(&face, -AtDpi(2) - 1, -AtDpi(2) - 1);
        const int area = (face.right - face.left) * (face.bottom - face.top);
        Capture capture;
        EXPECT_TRUE(WaitForPixels(face, capture,
                                  [&](const Capture& c) {
                                      const Ink ink = InkOf(c, face, button.fill);
                                      return area - ink.pixels > area / 2 && ink.pixels > 20 &&
                                             LiesWholeIn(ink, face);
                                  }))
            << "caption " << Describe(InkOf(capture, face, button.fill), face);
    }
    const RECT prompt = ClientRectOnScreen(Control(kPrompt));
    Capture capture;
    EXPECT_TRUE(WaitForPixels(prompt, capture,
                              [&](const Capture& c) {
                                  const Ink ink = InkOf(c, prompt, c.At(prompt.left, prompt.top));
                                  return ink.lines == 2 && LiesWholeIn(ink, prompt);
                              }))
        << "prompt " << Describe(InkOf(capture, prompt, capture.At(prompt.left, prompt.top)), prompt);
    SaveScreenshot(CaptureScreen(ClientRectOnScreen(window)), "form.bmp");
}

TEST_F(FormTest, PressedButtonShowsABlackLabelAndASunkenEdge) {
    const RECT client = ClientRectOnScreen(Control(kCalc));
    Capture capture;
    // The mouse held down on CALCUL.
    Focus();
    MouseDownAt(CentreOnScreen(Control(kCalc)));
    bool sunk =
        WaitForPixels(client, capture, [&](const Capture& c) { return IsSunken(LookOf(c, client, kBlue)); });
    ButtonLook look = LookOf(capture, client, kBlue);
    SaveScreenshot(capture, "calcul-pressed.bmp");
    MouseUp();
    EXPECT_TRUE(sunk) << look.black << " black and " << look.white << " white label pixels while held down";
    EXPECT_EQ(look.topLeft, GetSysColor(COLOR_3DSHADOW)) << "edge not sunken";
    EXPECT_EQ(look.bottomRight, GetSysColor(COLOR_3DHILIGHT)) << "edge not sunken";

    // Released: white and raised again.
    EXPECT_TRUE(WaitForPixels(client, capture, [&](const Capture& c) {
        return IsRaised(LookOf(c, client, kBlue));
    })) << "the label did not turn white and the edge raised again";

    // The pushed state set by message paints the same way, here on QUITTER
    // (a click would end the program).
    const RECT quit = ClientRectOnScreen(Control(kQuit));
    SendMessageA(Control(kQuit), BM_SETSTATE, TRUE, 0);
    sunk = WaitForPixels(quit, capture, [&](const Capture& c) { return IsSunken(LookOf(c, quit, kRed)); });
    look = LookOf(capture, quit, kRed);
    EXPECT_TRUE(sunk) << "QUITTER pushed: " << look.black << " black pixels";
    EXPECT_EQ(look.topLeft, GetSysColor(COLOR_3DSHADOW));
    SendMessageA(Control(kQuit), BM_SETSTATE, FALSE, 0);
}

TEST_F(FormTest, CalculShowsTheKeyOfTheTypedNumber) {
    // The keys are typed on a French AZERTY keyboard: its digits need Shift.
    ASSERT_NE(VkKeyScanA('1') & 0x100, 0) << "the keyboard is not AZERTY: 1 is typed without Shift";
    Focus();
    Type("1234567890123");
    Click(kCalc);
    EXPECT_EQ(KeyText(), "11");
    EXPECT_EQ(EntryText(), "1234567890123");
    EXPECT_EQ(FocusOf(program), Control(kEntry)) << "the focus did not return to the entry field";

    // Fifteen digits are cut to their first thirteen.
    EnterAndCalculate("123456789012345");
    EXPECT_EQ(EntryText(), "1234567890123");
    EXPECT_EQ(KeyText(), "11");

    // A run of entries, each with its own key; Corsica's 2A and 2B typed as
    // 19 and 18.  Blanks in front of the number do not count toward the 13,
    // no-break spaces ("\240") and soft hyphens ("\255") pasted from
    // documents among them.  The AZERTY keys of 1, 3, 4, 5, 6 and 8 without
    // Shift type no number.
    const struct {
        const char* entry;
        const char* key;
        Entry how;
    } run[] = {{"97", "97", Entry::Typed},
               {"96", "1", Entry::Typed},
               {"1", "96", Entry::Typed},
               {"2940000000000", "47", Entry::Typed},
               {"-5", "102", Entry::Typed},
               {"&\"'(-_", "102", Entry::Typed},
               {"12.5", "85", Entry::Typed},
               {"1e30", "97", Entry::Typed},
               {"  42", "55", Entry::Typed},
               {"1 85 05 78 006 084", "96", Entry::Typed},
               {"2530719073004", "43", Entry::Typed},
               {"2530718073004", "70", Entry::TypedAfterCalcul},
               {"2530718073004", "70", Entry::Typed},
               {"2530719073004", "43", Entry::ClearedClickedMiddle},
               {"1850578006084", "91", Entry::ClearedClickedMiddle},
               {"2530719073004", "43", Entry::ClearedClickedEnd},
               {"1850578006084", "91", Entry::ClearedClickedEnd},
               {"\2402530719073004", "43", Entry::Pasted},
               {"  \240 2530718073004", "70", Entry::Pasted},
               {"\2552530719073004", "43", Entry::Pasted},
               {"\240", "43", Entry::Pasted},
               {"2\240530\240719\240073\240004", "95", Entry::Pasted},
               {" 1234567890123", "11", Entry::Pasted},
               {"\2402530719073004", "43", Entry::ClearedClickedPasted}};
    const char* const ways[] = {"typed",
                                "typed after EFFACER and a click in the middle",
                                "typed after EFFACER and a click near the right end",
                                "pasted",
                                "pasted after EFFACER and a click in the middle",
                                "typed straight after the last CALCUL"};
    for (const auto& entry : run) {
        EnterAndCalculate(entry.entry, entry.how);
        const std::string how = std::string(", ") + ways[static_cast<int>(entry.how)];
        const std::string quoted = testing::PrintToString(std::string(entry.entry));
        EXPECT_EQ(KeyText(), entry.key) << "entry " << quoted << how;
        EXPECT_EQ(EntryText(), CutByCalcul(entry.entry)) << "entry " << quoted << how;
    }
}

TEST_F(FormTest, EntryWithoutANumberLeavesTheKeyAsItWas) {
    Focus();
    Click(kCalc); // empty entry, empty key field
    EXPECT_EQ(KeyText(), "");
    EXPECT_EQ(FocusOf(program), Control(kEntry));

    EnterAndCalculate("1234567890123");
    ASSERT_EQ(KeyText(), "11");
    for (const char* entry : {"abc", "0000000000000", "-0", "inf", "0x10", "."}) {
        EnterAndCalculate(entry);
        EXPECT_EQ(KeyText(), "11") << "entry \"" << entry << "\"";
        EXPECT_EQ(FocusOf(program), Control(kEntry)) << "entry \"" << entry << "\"";
    }
}

TEST_F(FormTest, EffacerBlanksBothFieldsAndANumberTypedInFrontIsRead) {
    Focus();
    EnterAndCalculate("1234567890123");
    Click(kClear);
    EXPECT_EQ(EntryText(), std::string(13, ' '));
    EXPECT_EQ(KeyText(), std::string(2, ' '));
    EXPECT_EQ(FocusOf(program), Control(kEntry));

    Type("42");
    EXPECT_EQ(EntryText(), "42" + std::string(13, ' '));
    Click(kCalc);
    EXPECT_EQ(KeyText(), "55");
    EXPECT_EQ(EntryText(), "42" + std::string(11, ' ')) << "cut to 13 characters";
}

TEST_F(FormTest, QuitterEndsWithCodeZero) {
    Focus();
    ClickAt(CentreOnScreen(Control(kQuit)));
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(FormTest, ResizingMovesAndScalesNothing) {
    const std::vector<HWND> original = Children(window);
    std::vector<RECT> before(original.size());
    std::transform(original.begin(), original.end(), before.begin(), RectInParent);
    for (const SIZE size : {SIZE{400, 200}, SIZE{1500, 900}, SIZE{960, 360}}) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        WaitForIdle(program);
        const std::vector<HWND> controls = Children(window);
        ASSERT_EQ(controls.size(), before.size());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const RECT rect = RectInParent(controls[i]);
            EXPECT_TRUE(EqualRect(&rect, &before[i]))
                << "control " << i + 1 << " at " << size.cx << "x" << size.cy;
        }
    }
}

TEST_F(FormTest, AcceleratorsGoToTheWindowTheKeystrokeIsFor) {
    Focus();
    // The entry field has the focus: Alt+? is translated for it, and the
    // entry field does nothing with the About command.
    TypeCharacter('?', true);
    TypeCharacter('/', true);
    Type("7"); // handled after the two keystrokes above
    EXPECT_EQ(FindAboutBox(program), nullptr) << "Alt+? in the entry field opened the About box";

    // After the About box closes, the main window itself holds the focus and
    // both accelerators open the About box.
    HWND about = OpenAboutByMenu(program);
    ASSERT_NE(about, nullptr) << "no About box";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    for (const char key : {'?', '/'}) {
        // Back in the main window once the About box has gone.
        ASSERT_TRUE(WaitForKeyboard(program, window, window)) << "focus on " << FocusOf(program);
        TypeCharacter(key, true);
        about = WaitForAboutBox(program);
        EXPECT_NE(about, nullptr) << "Alt+" << key << " did not open the About box";
        ASSERT_TRUE(about == nullptr || WaitForKeyboard(program, about)) << "the About box is not in front";
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return about == nullptr || !IsWindow(about); }));
    }
}

// An entry of the kinds the reading step knows: white space, signs, digits,
// points, exponents, and what follows a number.
std::string RandomEntry(std::uint64_t& state) {
    static const char* const pieces[] = {" ",    "\t",     "+",    "-", ".",   "e",  "E",   "e-",
                                         "e+",   "0",      "00",   "1", "5",   "9",  "97",  "123",
                                         "4567", "890123", "12,5", "x", "inf", "0x", " 85", "abc"};
    std::string entry;
    const auto count = 1 + NextRandom(state) % 6;
    for (std::uint64_t i = 0; i < count; ++i) {
        entry += pieces[NextRandom(state) % std::size(pieces)];
    }
    if (NextRandom(state) % 3 == 0) { // a whole 13-digit number
        entry.clear();
        for (int i = 0; i < 13 + static_cast<int>(NextRandom(state) % 3); ++i) {
            entry += static_cast<char>('0' + NextRandom(state) % 10);
        }
    }
    return entry;
}

TEST_F(FormTest, WindowAndKeyFunctionAgreeOnHundredsOfEntries) {
    std::uint64_t state = 1036;
    std::string shown = KeyText();
    for (int i = 0; i < 400; ++i) {
        const std::string entry = RandomEntry(state);
        const std::string cut = CutByCalcul(entry);
        const KeyResult result = ComputeKey(cut.c_str());
        if (result.has_key) {
            shown = FormatKeyText(result.key).chars;
        }
        if (i % 20 == 0 && entry.find('\t') == std::string::npos) { // a tab cannot be typed into the field
            EnterAndCalculate(entry);
        } else {
            SetAndCalculate(entry);
        }
        ASSERT_EQ(EntryText(), cut) << "entry \"" << entry << "\"";
        ASSERT_EQ(KeyText(), shown) << "entry \"" << entry << "\"";
    }
}

} // namespace

namespace {

// The whole road of one request, as a picture too: scripts/run shows it.
// It runs on the display's screen and on the smaller and scaled ones users
// have (the driver's --screen): on each the window lies on the screen and
// shows the whole form.
TEST_F(FormTest, SampleCalculationFromTypingToQuitter) {
    const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const LONG screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT whole{};
    GetWindowRect(window, &whole);
    RECT client{};
    GetClientRect(window, &client);
    // Half the screen's width and a third of its height a twelfth of it from
    // the corner, unless that leaves part of the form (580 x 200 with its
    // margins, at the screen's DPI) outside: then just large enough, and
    // moved back onto the screen if it runs off, but never off its top or
    // left.
    const LONG width = std::max(screenWidth / 2, AtDpi(580) + (whole.right - whole.left) - client.right);
    const LONG height = std::max(screenHeight / 3, AtDpi(200) + (whole.bottom - whole.top) - client.bottom);
    const LONG left = std::max(0L, std::min(screenWidth / 12, screenWidth - width));
    const LONG top = std::max(0L, std::min(screenHeight / 12, screenHeight - height));
    const RECT expected{left, top, left + width, top + height};
    // Where the system scales the window, it also sizes its frames, caption
    // and menu: there the window is at least that large.
    const RECT atLeast{whole.left, whole.top, std::min(whole.right, expected.right),
                       std::min(whole.bottom, expected.bottom)};
    EXPECT_TRUE(NearlyEqualRect(ScreenDpi == 96 ? whole : atLeast, expected))
        << "on a " << screenWidth << "x" << screenHeight << " screen the window is at " << whole.left << ","
        << whole.top << " " << whole.right - whole.left << "x" << whole.bottom - whole.top << ", not " << left
        << "," << top << " " << width << "x" << height;
    EXPECT_TRUE(whole.left >= 0 && whole.top >= 0 && whole.right <= screenWidth &&
                whole.bottom <= screenHeight)
        << "the window runs off the " << screenWidth << "x" << screenHeight << " screen";
    std::string outside;
    const int spare = AtDpi(10) - DpiSlack();
    for (HWND control : Children(window)) {
        const RECT rect = RectInParent(control);
        if (rect.right + spare > client.right || rect.bottom + spare > client.bottom) {
            outside += " " + std::to_string(GetDlgCtrlID(control));
        }
    }
    ASSERT_EQ(outside, "") << "controls not inside the " << client.right << "x" << client.bottom
                           << " client area with " << AtDpi(10) << " pixels to spare";

    Focus();
    ClickAt(CentreOnScreen(Control(kEntry))); // where the user clicks to type
    Type("1234567890123");
    Click(kCalc);
    ASSERT_EQ(KeyText(), "11");
    const RECT key = ClientRectOnScreen(Control(kKey));
    Capture capture;
    // Painted once the key field shows its two digits.
    EXPECT_TRUE(WaitForPixels(whole, capture, [&](const Capture& c) {
        return CountColour(c, key, GetSysColor(COLOR_GRAYTEXT), 64) + CountColour(c, key, kBlack, 64) > 20;
    }));
    SaveScreenshot(capture, "sample-calculation.bmp");
    ClickAt(CentreOnScreen(Control(kQuit)));
    EXPECT_EQ(ExitCode(), 0u);
}

} // namespace
