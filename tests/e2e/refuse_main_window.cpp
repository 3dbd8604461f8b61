// A hook library for the end-to-end driver: installed as a global CBT hook,
// it refuses the creation of any window of class TERVALO, so that the
// program meets a CreateWindowEx that fails.
#include <windows.h>

#include <cstring>

extern "C" __declspec(dllexport) LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const char* className = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && std::strcmp(className, "TERVALO") == 0) {
            return 1; // refused
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
