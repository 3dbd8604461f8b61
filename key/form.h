// The entry form of the main window: the prompt, the entry field, the key
// field and the CALCUL, EFFACER and QUITTER buttons, and their commands.
#ifndef TERVALO_KEY_FORM_H
#define TERVALO_KEY_FORM_H

#include <windows.h>

#include <string>

// Set once by CreateFormControls.
extern HWND CalcButton;
extern HWND ClearButton;
extern HWND QuitButton;
extern HWND NumberEdit;
extern HWND KeyEdit;

// The entry as cut by the last CALCUL; empty from start-up.
extern std::string LastEntry;

// The client area that shows every control of the form, with the prompt's
// own 10-pixel margin on its right and below, at the screen's DPI.
SIZE FormClientSize();

// WM_CREATE: builds the seven controls as children of parent.
void CreateFormControls(HWND parent);
// WM_DRAWITEM: paints CALCUL, EFFACER or QUITTER in its colours.
void DrawFormButton(const DRAWITEMSTRUCT* item);

void OnCalculate(HWND window);
void OnClear();
void OnQuit(HWND window);

#endif
