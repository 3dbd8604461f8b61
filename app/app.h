// The application shell: start-up, the main window and the message loop.
#ifndef TERVALO_APP_APP_H
#define TERVALO_APP_APP_H

#include <windows.h>

// Set once by CreateMainWindow.
extern HINSTANCE AppInstance;
extern HWND MainWindow;

void RegisterMainWindowClass(HINSTANCE instance);
BOOL CreateMainWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
