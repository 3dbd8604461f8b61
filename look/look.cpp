#include "look.h"

HBRUSH BackgroundBrush = CreateSolidBrush(kBackgroundColour);
HFONT EntryFont = CreateFontA(18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");

void PaintColourButton(const DRAWITEMSTRUCT* item, const char* label, COLORREF labelColour,
                       COLORREF fillColour) {
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    RECT inner = item->rcItem;
    InflateRect(&inner, -2, -2);

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

    RECT outer = item->rcItem;
    DrawEdge(dc, &outer, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}
