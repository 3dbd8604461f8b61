#include "look.h"

namespace {

// The screen's pixels per inch as the system hands them to this program:
// where it scales nothing for a program that declares no awareness (Wine 8,
// Windows XP), the DPI set for the screen, which the caption, the menu and
// the system font follow; where it scales the whole window itself (Windows
// 8.1 and later, Wine 10), 96.
int ReadScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi; // no screen to ask: the form as designed
}

} // namespace

HBRUSH BackgroundBrush = CreateSolidBrush(kBackgroundColour);
// Read before the font that is sized by it.
const int ScreenDpi = ReadScreenDpi();
// Its height rounded down: the entry field is just wide enough for 13 digits
// among EFFACER's 13 blanks, and a font rounded up (23 pixels for 22.5 at
// 120 dpi) makes it refuse the thirteenth digit.
HFONT EntryFont = CreateFontA(18 * ScreenDpi / kBaseDpi, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, "Arial");

int ScaleToDpi(int pixels) {
    return MulDiv(pixels, ScreenDpi, kBaseDpi);
}

void PaintColourButton(const DRAWITEMSTRUCT* item, const char* label, COLORREF labelColour,
                       COLORREF fillColour) {
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    const int frame = ScaleToDpi(2); // DrawEdge's two lines at 96 dpi
    RECT inner = item->rcItem;
    InflateRect(&inner, -frame, -frame);

    // Made for this painting only and released at once: a brush kept per
    // repaint would use up the process's GDI handles.
    HBRUSH fill = CreateSolidBrush(fillColour);
    FillRect(dc, &inner, fill);
    DeleteObject(fill);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, pressed ? kBlack : labelColour);
    // DT_VCENTER acts only with DT_SINGLELINE, which the labels are drawn
    // without: they stand at the top of the button, as its look has it.
    DrawTextA(dc, label, -1, &inner, DT_CENTER | DT_VCENTER);

    // DrawEdge draws one line of each of its two borders: a thicker frame is
    // its outer border drawn again inside itself, then its inner border.
    RECT outer = item->rcItem;
    const UINT edge = pressed ? EDGE_SUNKEN : EDGE_RAISED;
    for (int line = 0; line < frame; ++line) {
        DrawEdge(dc, &outer, edge & (line < (frame + 1) / 2 ? BDR_OUTER : BDR_INNER), BF_RECT);
        InflateRect(&outer, -1, -1);
    }
}
