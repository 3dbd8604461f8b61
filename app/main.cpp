#include "app.h"

#include "form.h"
#include "look.h"
#include "resource.h"

#include <algorithm>

HINSTANCE AppInstance;
HWND MainWindow;

namespace {

constexpr int kTextBufferSize = 100;
constexpr char kWindowTitle[] = "Tervalo - Dr Quenmar- Version 1.0";

// Filled from the string table by WinMain.
char WindowClassName[kTextBufferSize];

// WM_PAINT: the heading, one line centred at the top, in the device
// context's own font and colours.
void PaintHeading(HWND window) {
    char heading[kTextBufferSize];
    const int length = LoadStringA(AppInstance, IDS_HEADING, heading, kTextBufferSize);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    DrawTextA(dc, heading, length, &client, DT_CENTER);
    EndPaint(window, &paint);
}

constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kMainWindowExStyle = WS_EX_CLIENTEDGE;

// A twelfth of the screen from its top-left corner, half its width and a
// third of its height.  On a small or scaled screen that leaves part of the
// form outside, whose controls never move: there the window is just large
// enough for the form, by the frames, caption and menu of this system, and
// moved back if it runs off the screen, never past its top or left edge.
RECT MainWindowPlace() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const SIZE formSize = FormClientSize();
    RECT form{0, 0, formSize.cx, formSize.cy};
    AdjustWindowRectEx(&form, kMainWindowStyle, TRUE, kMainWindowExStyle);
    const int width = std::max<int>(screenWidth / 2, form.right - form.left);
    const int height = std::max<int>(screenHeight / 3, form.bottom - form.top);
    const int x = std::max(0, std::min(screenWidth / 12, screenWidth - width));
    const int y = std::max(0, std::min(screenHeight / 12, screenHeight - height));
    return RECT{x, y, x + width, y + height};
}

} // namespace

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = BackgroundBrush;
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = WindowClassName;
    RegisterClassExA(&windowClass);
}

BOOL CreateMainWindow(HINSTANCE instance, int showCommand) {
    AppInstance = instance;
    const RECT place = MainWindowPlace();
    MainWindow = CreateWindowExA(kMainWindowExStyle, WindowClassName, kWindowTitle, kMainWindowStyle,
                                 place.left, place.top, place.right - place.left, place.bottom - place.top,
                                 nullptr, nullptr, instance, nullptr);
    if (MainWindow == nullptr) {
        return FALSE;
    }
    ShowWindow(MainWindow, showCommand);
    UpdateWindow(MainWindow);
    return TRUE;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateFormControls(window);
        SetFocus(NumberEdit);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        PaintHeading(window);
        return 0;
    case WM_DRAWITEM:
        DrawFormButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_HELP_ABOUT:
            DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_ABOUT_BOX), window, AboutBoxProc, 0);
            return 0;
        case IDM_FILE_EXIT:
            DestroyWindow(window);
            return 0;
        case IDC_QUIT_BUTTON:
            OnQuit(window);
            return 0;
        case IDC_CALC_BUTTON:
            OnCalculate(window);
            return 0;
        case IDC_CLEAR_BUTTON:
            OnClear();
            return 0;
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): the SDK's names are not ours
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int showCommand) {
    LoadStringA(instance, IDS_WINDOW_CLASS, WindowClassName, kTextBufferSize);
    RegisterMainWindowClass(instance);
    if (!CreateMainWindow(instance, showCommand)) {
        return 1; // no window: a failure, not a clean exit
    }
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN_ACCEL));
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0)) {
        // Translated for the window the keystroke is addressed to: with the
        // focus in the entry field, Alt+? goes to the entry field.
        if (TranslateAcceleratorA(message.hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
