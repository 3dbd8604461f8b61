#include "form.h"

#include "app.h"
#include "key.h"
#include "look.h"
#include "resource.h"

#include <algorithm>

HWND CalcButton;
HWND ClearButton;
HWND QuitButton;
HWND NumberEdit;
HWND KeyEdit;

// First of the start-up objects, before the brush and the font.
std::string LastEntry __attribute__((init_priority(1000)));

namespace {

constexpr std::size_t kEntryLength = 13;

constexpr char kEntryClearText[] = "             "; // 13 spaces
constexpr char kKeyClearText[] = "  ";

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_DLGFRAME | BS_MULTILINE | BS_OWNERDRAW;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD kEntryStyle = WS_CHILD | WS_VISIBLE | ES_CENTER;
constexpr DWORD kKeyStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_CENTER;
static_assert(kButtonStyle == 0x5040200B && kLabelStyle == 0x50000001 && kKeyStyle == 0x58000001,
              "control styles");

struct FormControl {
    DWORD extendedStyle;
    const char* className;
    const char* text;
    int id;
    int x, y, width, height;
    DWORD style;
    HWND* handle; // where the form keeps it, if it does
};

// In creation order; positions in pixels of the main window's client area
// on a 96-dpi screen, scaled to the screen's DPI when they are made.
// The prompt's "\260" is the degree sign of N°, and " CL\311: " is " CLÉ: ".
constexpr FormControl kFormControls[] = {
    {WS_EX_CLIENTEDGE, "BUTTON", "CALCUL", IDC_CALC_BUTTON, 250, 100, 100, 30, kButtonStyle, &CalcButton},
    {WS_EX_CLIENTEDGE, "BUTTON", "EFFACER", IDC_CLEAR_BUTTON, 120, 60, 100, 30, kButtonStyle, &ClearButton},
    {WS_EX_CLIENTEDGE, "BUTTON", "QUITTER", IDC_QUIT_BUTTON, 380, 60, 100, 30, kButtonStyle, &QuitButton},
    {0, "STATIC", " ENTRER LE N\260 de SS :  \r\n ( 13 Chiffres )  ", IDC_PROMPT_LABEL, 10, 150, 160, 40,
     kLabelStyle, nullptr},
    {WS_EX_CLIENTEDGE, "EDIT", nullptr, IDC_NUMBER_EDIT, 190, 150, 200, 22, kEntryStyle, &NumberEdit},
    {0, "STATIC", " CL\311: ", IDC_KEY_LABEL, 450, 150, 50, 22, kLabelStyle, nullptr},
    {WS_EX_CLIENTEDGE, "EDIT", nullptr, IDC_KEY_EDIT, 520, 150, 50, 22, kKeyStyle, &KeyEdit},
};

constexpr SIZE FormExtent() {
    constexpr int kMargin = 10; // the prompt's, on the left
    SIZE extent{0, 0};
    for (const FormControl& control : kFormControls) {
        extent.cx = std::max<LONG>(extent.cx, control.x + control.width + kMargin);
        extent.cy = std::max<LONG>(extent.cy, control.y + control.height + kMargin);
    }
    return extent;
}

// What CALCUL skips in front of the number: the white space that the reading
// skips, and what a paste brings in front from web pages and French
// documents, the no-break space and the invisible soft hyphen.
bool IsBlankInFront(char c) {
    return IsWhiteSpace(c) || c == '\xA0' || c == '\xAD';
}

// Both edit fields show their text in the large bold entry font.
void ApplyEntryFont() {
    SendMessageA(NumberEdit, WM_SETFONT, reinterpret_cast<WPARAM>(EntryFont), TRUE);
    SendMessageA(KeyEdit, WM_SETFONT, reinterpret_cast<WPARAM>(EntryFont), TRUE);
}

} // namespace

static_assert(FormExtent().cx == 580 && FormExtent().cy == 200, "the form's extent");

SIZE FormClientSize() {
    constexpr SIZE kExtent = FormExtent();
    return SIZE{ScaleToDpi(kExtent.cx), ScaleToDpi(kExtent.cy)};
}

void CreateFormControls(HWND parent) {
    for (const FormControl& control : kFormControls) {
        HWND handle = CreateWindowExA(
            control.extendedStyle, control.className, control.text, control.style, ScaleToDpi(control.x),
            ScaleToDpi(control.y), ScaleToDpi(control.width), ScaleToDpi(control.height), parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), AppInstance, nullptr);
        if (control.handle != nullptr) {
            *control.handle = handle;
        }
    }
    ApplyEntryFont();
    SetFocus(NumberEdit);
}

void DrawFormButton(const DRAWITEMSTRUCT* item) {
    if (item->hwndItem == CalcButton) {
        PaintColourButton(item, "CALCUL", kWhite, kBlue);
    } else if (item->hwndItem == ClearButton) {
        PaintColourButton(item, "EFFACER", kWhite, kGreen);
    } else if (item->hwndItem == QuitButton) {
        PaintColourButton(item, "QUITTER", kWhite, kRed);
    }
}

// CALCUL: cuts the entry to 13 characters and shows the key of what the
// field then holds; an entry with no number leaves the key field as it was.
// The 13 count from the first character that is not a blank: EFFACER leaves
// 13 blanks, and a click into the centred field puts the caret among them,
// so a number typed after it has blanks in front.  The entry is left
// selected, so that the next number typed or pasted replaces it: the field
// refuses characters once its width is full.
void OnCalculate(HWND /*window*/) {
    ApplyEntryFont();
    std::string text(static_cast<std::size_t>(SendMessageA(NumberEdit, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(NumberEdit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    const auto start = std::find_if_not(text.begin(), text.end(), IsBlankInFront) - text.begin();
    LastEntry.assign(text, static_cast<std::size_t>(start), kEntryLength);
    SendMessageA(NumberEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(LastEntry.c_str()));
    const KeyResult result = ComputeKey(LastEntry.c_str());
    if (result.has_key) {
        SendMessageA(KeyEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FormatKeyText(result.key).chars));
    }
    SetFocus(NumberEdit);
    SendMessageA(NumberEdit, EM_SETSEL, 0, -1);
}

// EFFACER: blanks both fields.
void OnClear() {
    SendMessageA(NumberEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kEntryClearText));
    SendMessageA(KeyEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kKeyClearText));
    SetFocus(NumberEdit);
}

// QUITTER: closes the main window as its close box would.
void OnQuit(HWND window) {
    SendMessageA(window, WM_CLOSE, 0, 0);
    DestroyWindow(window); // already gone by now: does nothing
}
