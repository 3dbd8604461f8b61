// Tervalo's start-up work done plainly, as the yardstick of its start-up
// time: the same calls for the same golden window with its menu, icon,
// accelerators, font and seven controls, and the same first painting, but
// all of it in WinMain, from literals instead of resources, with no objects
// made before WinMain.  What tervalo.exe takes beyond this is its own
// overhead: runtime start-up, resources and start-up objects.
#include <windows.h>

#include <algorithm>

namespace {

int Dpi = 96; // the screen's, read first in WinMain

// The heading of the same length, and the three buttons as the program
// paints them.
void PaintSameWork(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT area;
    GetClientRect(window, &area);
    DrawTextA(dc, "Cle N. Securite Sociale", 23, &area, DT_CENTER);
    EndPaint(window, &ps);
}

void DrawSameWorkButton(const DRAWITEMSTRUCT* item) {
    const COLORREF fills[] = {RGB(0, 0, 255), RGB(0, 200, 0), RGB(255, 0, 0)};
    const char* const labels[] = {"CALCUL", "EFFACER", "QUITTER"};
    const UINT which = item->CtlID % 3;
    const int frame = MulDiv(2, Dpi, 96);
    RECT face = item->rcItem;
    InflateRect(&face, -frame, -frame);
    HBRUSH brush = CreateSolidBrush(fills[which]);
    FillRect(item->hDC, &face, brush);
    DeleteObject(brush);
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, RGB(255, 255, 255));
    DrawTextA(item->hDC, labels[which], -1, &face, DT_CENTER | DT_VCENTER);
    RECT edge = item->rcItem;
    DrawEdge(item->hDC, &edge, EDGE_RAISED, BF_RECT);
}

LRESULT CALLBACK SameWorkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintSameWork(window);
        return 0;
    }
    if (message == WM_DRAWITEM) {
        DrawSameWorkButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0); // and the default answer, 0
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HBRUSH gold = CreateSolidBrush(RGB(243, 207, 110));
    // The same form at the screen's DPI.
    HDC screen = GetDC(nullptr);
    Dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto scale = [](int pixels) { return MulDiv(pixels, Dpi, 96); };
    HFONT bold =
        CreateFontA(scale(18), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SameWorkWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = gold;
    windowClass.lpszClassName = "SAMEWORK";
    RegisterClassExA(&windowClass);

    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU help = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 105, "E&xit");
    AppendMenuA(help, MF_STRING, 104, "&About ...");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");

    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    // The same window: large enough for the form on a small screen, and on it.
    RECT form{0, 0, scale(580), scale(200)};
    AdjustWindowRectEx(&form, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CLIENTEDGE);
    const int width = std::max(cx / 2, static_cast<int>(form.right - form.left));
    const int height = std::max(cy / 3, static_cast<int>(form.bottom - form.top));
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "SAMEWORK", "Same work as Tervalo", WS_OVERLAPPEDWINDOW,
                                  std::max(0, std::min(cx / 12, cx - width)),
                                  std::max(0, std::min(cy / 12, cy - height)), width, height, nullptr, bar,
                                  instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    // The form: three owner-drawn buttons, two labels, two edit fields.
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_DLGFRAME | BS_MULTILINE | BS_OWNERDRAW;
    for (int i = 0; i < 3; ++i) {
        const int left[] = {250, 120, 380};
        CreateWindowExA(WS_EX_CLIENTEDGE, "BUTTON", "BUTTON", button, scale(left[i]),
                        scale(i == 0 ? 100 : 60), scale(100), scale(30), window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(111 + i)), instance, nullptr);
    }
    CreateWindowExA(0, "STATIC", " Two lines \r\n of prompt ", WS_CHILD | WS_VISIBLE | SS_CENTER, scale(10),
                    scale(150), scale(160), scale(40), window, nullptr, instance, nullptr);
    HWND entry =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", nullptr, WS_CHILD | WS_VISIBLE | ES_CENTER, scale(190),
                        scale(150), scale(200), scale(22), window, nullptr, instance, nullptr);
    CreateWindowExA(0, "STATIC", " Key: ", WS_CHILD | WS_VISIBLE | SS_CENTER, scale(450), scale(150),
                    scale(50), scale(22), window, nullptr, instance, nullptr);
    HWND key =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", nullptr, WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_CENTER,
                        scale(520), scale(150), scale(50), scale(22), window, nullptr, instance, nullptr);
    SendMessageA(entry, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
    SendMessageA(key, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
    SetFocus(entry); // twice, as the program does: by the form, then on WM_CREATE
    SetFocus(entry);
    ShowWindow(window, show);
    UpdateWindow(window);

    ACCEL keys[] = {{FALT, '?', 104}, {FALT, '/', 104}};
    HACCEL table = CreateAcceleratorTableA(keys, 2);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(message.hwnd, table, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
