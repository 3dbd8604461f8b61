// The entry form's controls and a fixture that types, sets and clicks them.
#ifndef TERVALO_TESTS_E2E_FORM_TEST_H
#define TERVALO_TESTS_E2E_FORM_TEST_H

#include "program_test.h"

constexpr int kCalc = 112;
constexpr int kClear = 113;
constexpr int kQuit = 111;
constexpr int kPrompt = 114;
constexpr int kEntry = 115;
constexpr int kKeyLabel = 116;
constexpr int kKey = 117;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// How a user puts a number into the entry field.
enum class Entry {
    Typed,                // into the emptied field
    ClearedClickedMiddle, // EFFACER, a click into the middle of its 13 blanks, typed
    ClearedClickedEnd,    // EFFACER, a click near the field's right end, typed
    Pasted,               // Ctrl+V into the emptied field
    ClearedClickedPasted, // EFFACER, a click into the middle of its 13 blanks, Ctrl+V
    TypedAfterCalcul,     // straight after the last CALCUL, into the field as it left it
};

// What CALCUL leaves in the entry field: 13 characters from the first one
// that is not white space, a no-break space or a soft hyphen.
inline std::string CutByCalcul(const std::string& entry) {
    const std::size_t start = entry.find_first_not_of(" \t\n\v\f\r\xA0\xAD");
    return start == std::string::npos ? "" : entry.substr(start, 13);
}

class FormTest : public ProgramTest {
  protected:
    std::string EntryText() { return WindowText(Control(kEntry)); }
    std::string KeyText() { return WindowText(Control(kKey)); }

    // Clicks a button with the mouse and waits until the click is handled.
    void Click(int id) {
        ASSERT_TRUE(ClickButton(program, Control(id))) << "button " << id << " not clicked";
    }
    // Types into the entry field, which has the focus, or pastes with
    // Ctrl+V, and waits until the text is there.
    void Type(const std::string& text, bool paste = false) {
        const std::string before = EntryText();
        if (paste) {
            ASSERT_TRUE(PutOnClipboard(text));
            PressControlKey('V');
        } else {
            TypeText(text);
        }
        ASSERT_TRUE(WaitUntil([&] { return EntryText().size() >= before.size() + text.size(); }))
            << (paste ? "pasted " : "typed ") << testing::PrintToString(text) << ", the entry field holds "
            << testing::PrintToString(EntryText());
    }
    // Waits until the entry field holds exactly text.
    void WaitForEntry(const std::string& text) {
        ASSERT_TRUE(WaitUntil([&] { return EntryText() == text; }))
            << "the entry field holds " << testing::PrintToString(EntryText()) << ", not "
            << testing::PrintToString(text);
    }
    // Puts any bytes into the entry field at message level.
    void SetEntry(const std::string& text) {
        SendMessageA(Control(kEntry), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // The CALCUL command as the button sends it, without the mouse.
    void SendCalcul() {
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(kCalc, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(kCalc)));
    }
    // What a user does for one number: put it in the field, click CALCUL.
    void EnterAndCalculate(const std::string& text, Entry how = Entry::Typed) {
        switch (how) {
        case Entry::Typed:
            SetEntry("");
            Type(text);
            break;
        case Entry::ClearedClickedMiddle:
        case Entry::ClearedClickedEnd:
        case Entry::ClearedClickedPasted: {
            Click(kClear);
            const RECT field = ClientRectOnScreen(Control(kEntry));
            ClickAt(how == Entry::ClearedClickedEnd ? POINT{field.right - 3, (field.top + field.bottom) / 2}
                                                    : CentreOnScreen(Control(kEntry)));
            Type(text, how == Entry::ClearedClickedPasted);
            break;
        }
        case Entry::Pasted:
            SetEntry("");
            Type(text, true);
            WaitForEntry(text);
            break;
        case Entry::TypedAfterCalcul:
            TypeText(text);
            WaitForEntry(text);
            break;
        }
        Click(kCalc);
    }
    // The same at message level: any bytes, and fast.
    void SetAndCalculate(const std::string& text) {
        SetEntry(text);
        SendCalcul();
    }
};

#endif
