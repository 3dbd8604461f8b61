// The program's look: its colours, the background brush, the entry font and
// the painting of the coloured command buttons.
#ifndef TERVALO_LOOK_LOOK_H
#define TERVALO_LOOK_LOOK_H

#include <windows.h>

constexpr COLORREF kBackgroundColour = RGB(243, 207, 110); // gold
constexpr COLORREF kBlue = RGB(0, 0, 255);                 // CALCUL
constexpr COLORREF kGreen = RGB(0, 200, 0);                // EFFACER
constexpr COLORREF kRed = RGB(255, 0, 0);                  // QUITTER
constexpr COLORREF kWhite = RGB(255, 255, 255);            // button labels
constexpr COLORREF kBlack = RGB(0, 0, 0);                  // label of a pressed button

// Positions and sizes are designed in pixels of a 96-dpi screen, and scaled
// to the screen's DPI, read once before WinMain runs.
constexpr int kBaseDpi = 96;
extern const int ScreenDpi;
int ScaleToDpi(int pixels); // rounded as MulDiv rounds

// Made before WinMain runs and never released: the window class and the two
// edit fields refer to them for the whole life of the process.
extern HBRUSH BackgroundBrush;
extern HFONT EntryFont;

// Paints one owner-drawn button: a flat fill, the label, a raised edge, or
// a black label and a sunken edge while the button is held down.
void PaintColourButton(const DRAWITEMSTRUCT* item, const char* label, COLORREF labelColour,
                       COLORREF fillColour);

#endif
