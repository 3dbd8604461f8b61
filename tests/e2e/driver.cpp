#include "driver.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::string ProgramPath;
std::string ArtefactDir;
int ScreenDpi = 96;

int AtDpi(int pixels) {
    return MulDiv(pixels, ScreenDpi, 96);
}
int DpiSlack() {
    return ScreenDpi == 96 ? 0 : 2;
}
bool NearlyEqualRect(const RECT& got, const RECT& want) {
    const auto within = [](LONG a, LONG b) { return std::abs(a - b) <= DpiSlack(); };
    return within(got.left, want.left) && within(got.top, want.top) && within(got.right, want.right) &&
           within(got.bottom, want.bottom);
}

namespace {

// The main thread of the program started last, whose work the waits watch.
HANDLE WatchedThread = nullptr;

// The processor time the watched thread has used, in 100 ns.  (Wine gives
// another process's times as the caller's own; a thread's are its own.)
ULONGLONG WorkDone() {
    FILETIME created{};
    FILETIME ended{};
    FILETIME kernel{};
    FILETIME user{};
    if (WatchedThread == nullptr || !GetThreadTimes(WatchedThread, &created, &ended, &kernel, &user)) {
        return 0;
    }
    return ((static_cast<ULONGLONG>(kernel.dwHighDateTime) + user.dwHighDateTime) << 32) +
           kernel.dwLowDateTime + user.dwLowDateTime;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG start = GetTickCount64();
    ULONGLONG windowStart = start;
    ULONGLONG windowWork = WorkDone();
    for (;;) {
        if (condition()) {
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now - windowStart >= timeoutMs) {
            // At work, even emulated on a busy machine, the program's thread
            // spends far more than a twentieth of its time on the processor;
            // idle, it spends far less, answering the checks.
            const ULONGLONG work = WorkDone();
            if ((work - windowWork) * 20 <= (now - windowStart) * 10000 || now - start >= kWaitCapMs) {
                return false;
            }
            windowStart = now;
            windowWork = work;
        }
        // The longer the wait, the rarer the checks, so that checks which ask
        // the program cost it little.
        Sleep(static_cast<DWORD>(std::clamp<ULONGLONG>((now - start) / 10, pollMs, 1000)));
    }
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && ClassName(window) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD processId, const char* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Focus, capture and active window of the program's UI thread.
GUITHREADINFO ThreadInfo(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(program.process.dwThreadId, &info);
    return info;
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// Where the mouse was sent last.  GetCursorPos can report where the session's
// screen holds its own pointer, which the tests never move.
POINT MousePoint{};

// Mouse input carries its own absolute position: SetCursorPos followed at
// once by a button event can reach Wine's server after the button event.
void SendMouse(POINT point, DWORD flags) {
    MousePoint = point;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof input);
}

} // namespace

bool StartProgram(Program& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + ProgramPath + "\"";
    // A start refused before the program runs at all is the system's doing,
    // not the program's (one under Wine failed within 5 ms, too soon for the
    // program to have run): try again, and say so.
    BOOL created = FALSE;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        created = CreateProcessA(ProgramPath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &program.process);
        if (!created) {
            std::fprintf(stderr, "CreateProcess of %s failed: error %lu\n", ProgramPath.c_str(),
                         GetLastError());
        }
    }
    if (!created) {
        return false;
    }
    WatchedThread = program.process.hThread;
    if (!WaitUntil([&] {
            program.window = FindProcessWindow(program.process.dwProcessId, "TERVALO");
            return program.window != nullptr || HasEnded(program);
        }) ||
        program.window == nullptr) {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(program.process.hProcess, &code);
        std::fprintf(stderr, "%s: no main window; exit code 0x%lx\n", ProgramPath.c_str(), code);
        return false;
    }
    WaitForIdle(program);
    return true;
}

bool HasEnded(const Program& program) {
    return WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0;
}

DWORD WaitForExit(const Program& program, DWORD timeoutMs) {
    WaitUntil([&] { return HasEnded(program); }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}

void EndProgram(Program& program) {
    if (program.process.hProcess == nullptr) {
        return;
    }
    if (!HasEnded(program)) {
        TerminateProcess(program.process.hProcess, 99);
        WaitForExit(program);
    }
    if (WatchedThread == program.process.hThread) {
        WatchedThread = nullptr;
    }
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    program = Program{};
}

void WaitForIdle(const Program& program) {
    // A sent message is handled only when the thread reads its queue, after
    // the input already there; the idle wait covers what is left.  Each is
    // asked again for as long as the program works, and not once it has ended.
    const auto answers = [&] {
        DWORD_PTR result = 0;
        return HasEnded(program) ||
               SendMessageTimeoutA(program.window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
    };
    WaitUntil(answers);
    WaitUntil([&] { return HasEnded(program) || WaitForInputIdle(program.process.hProcess, 1000) == 0; });
    WaitUntil(answers);
}

std::string WindowText(HWND window) {
    const LRESULT size = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0) + 1;
    std::string text(static_cast<std::size_t>(size), '\0');
    const LRESULT length =
        SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FocusOf(const Program& program) {
    return ThreadInfo(program).hwndFocus;
}

HWND FindAboutBox(const Program& program) {
    // The dialog exists before it is shown; only a shown one takes clicks.
    HWND about = FindProcessWindow(program.process.dwProcessId, "#32770");
    return about != nullptr && IsWindowVisible(about) ? about : nullptr;
}

HWND WaitForAboutBox(const Program& program, DWORD pollMs) {
    HWND about = nullptr;
    WaitUntil([&] { return (about = FindAboutBox(program)) != nullptr; }, kDeadlineMs, pollMs);
    return about;
}

HWND OpenAboutByMenu(const Program& program) {
    if (!WaitForKeyboard(program, program.window)) {
        return nullptr;
    }
    TapAlt();
    PressKey('H');
    PressKey('A');
    const HWND about = WaitForAboutBox(program);
    return about != nullptr && WaitForKeyboard(program, about) ? about : nullptr;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    // Z order: the first child created stays at the top, so walking down
    // the order gives the order of creation.
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

bool BringToFront(HWND window) {
    return WaitUntil([&] {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
        }
        return GetForegroundWindow() == window;
    });
}

bool WaitForKeyboard(const Program& program, HWND window, HWND focus) {
    const bool ready = WaitUntil([&] {
        const GUITHREADINFO info = ThreadInfo(program);
        const bool focused = focus != nullptr ? info.hwndFocus == focus
                                              : info.hwndFocus == window || IsChild(window, info.hwndFocus);
        return GetForegroundWindow() == window && info.hwndActive == window && focused;
    });
    WaitForIdle(program);
    return ready;
}

void PressKey(WORD vk) {
    SendKey(vk, false);
    SendKey(vk, true);
}

void PressKeyWithModifiers(WORD vk, bool alt, bool shift) {
    if (alt) {
        SendKey(VK_MENU, false);
    }
    if (shift) {
        SendKey(VK_SHIFT, false);
    }
    PressKey(vk);
    if (shift) {
        SendKey(VK_SHIFT, true);
    }
    if (alt) {
        SendKey(VK_MENU, true);
    }
}

void TypeCharacter(char character, bool alt) {
    const SHORT scan = VkKeyScanA(character);
    PressKeyWithModifiers(static_cast<WORD>(scan & 0xFF), alt, (scan & 0x100) != 0);
}

void TypeText(const std::string& text) {
    for (char character : text) {
        TypeCharacter(character);
    }
}

void PressControlKey(WORD vk) {
    SendKey(VK_CONTROL, false);
    PressKey(vk);
    SendKey(VK_CONTROL, true);
}

bool PutOnClipboard(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) {
        return false;
    }
    std::copy_n(text.c_str(), text.size() + 1, static_cast<char*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory);
    }
    return placed;
}

std::size_t PrivateBytes(const Program& program) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(program.process.hProcess,
                                 reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        return 0;
    }
    // Wine leaves PrivateUsage at 0 and reports the process's data size as
    // PagefileUsage, which Windows also fills with the private bytes.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

void TapAlt() {
    PressKey(VK_MENU);
}

void MouseDownAt(POINT point) {
    SendMouse(point, MOUSEEVENTF_LEFTDOWN);
}

void MouseUp() {
    SendMouse(MousePoint, MOUSEEVENTF_LEFTUP);
}

void ClickAt(POINT point) {
    MouseDownAt(point);
    MouseUp();
}

bool ClickButton(const Program& program, HWND button) {
    // Two clicks on one spot within the double-click time make a double
    // click, which an owner-drawn button reports without being pressed:
    // every other click lands a little to the side.
    static bool aside = false;
    aside = !aside;
    POINT point = CentreOnScreen(button);
    point.x += aside ? 2 * GetSystemMetrics(SM_CXDOUBLECLK) : 0;
    MouseDownAt(point);
    const bool pressed = WaitUntil([&] { return ThreadInfo(program).hwndCapture == button; });
    MouseUp();
    const bool released = WaitUntil([&] { return ThreadInfo(program).hwndCapture != button; });
    WaitForIdle(program); // the release's handler has returned
    return pressed && released;
}

POINT CentreOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF Capture::At(int x, int y) const {
    const int width = area.right - area.left;
    const std::uint32_t pixel = pixels[static_cast<std::size_t>((y - area.top) * width + (x - area.left))];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

Capture CaptureScreen(const RECT& area) {
    Capture capture;
    capture.area = area;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    capture.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::copy_n(static_cast<const std::uint32_t*>(bits), capture.pixels.size(), capture.pixels.begin());
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

bool WaitForPixels(const RECT& area, Capture& capture, const std::function<bool(const Capture&)>& check,
                   DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            capture = CaptureScreen(area);
            return check(capture);
        },
        timeoutMs);
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

int CountColour(const Capture& capture, const RECT& rect, COLORREF colour, int tolerance) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += Distance(capture.At(x, y), colour) <= tolerance ? 1 : 0;
        }
    }
    return count;
}

void SaveScreenshot(const Capture& capture, const char* name) {
    if (ArtefactDir.empty()) {
        return;
    }
    CreateDirectoryA(ArtefactDir.c_str(), nullptr);
    const int width = capture.area.right - capture.area.left;
    const int height = capture.area.bottom - capture.area.top;
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // bottom up
    header.biPlanes = 1;
    header.biBitCount = 24;
    const std::string path = ArtefactDir + "\\" + name;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return;
    }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes), 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = capture.pixels[static_cast<std::size_t>(y * width + x)];
            row[static_cast<std::size_t>(x * 3)] = static_cast<unsigned char>(pixel & 0xFF);
            row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<unsigned char>((pixel >> 8) & 0xFF);
            row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<unsigned char>((pixel >> 16) & 0xFF);
        }
        std::fwrite(row.data(), row.size(), 1, out);
    }
    std::fclose(out);
}

RECT HeadingBox(const Capture& capture, const RECT& client, int band) {
    RECT box{client.right, client.bottom, client.left, client.top};
    for (int y = client.top; y < client.top + band; ++y) {
        for (int x = client.left; x < client.right; ++x) {
            if (capture.At(x, y) != kGold) {
                box.left = std::min(box.left, static_cast<LONG>(x));
                box.right = std::max(box.right, static_cast<LONG>(x + 1));
                box.top = std::min(box.top, static_cast<LONG>(y));
                box.bottom = std::max(box.bottom, static_cast<LONG>(y + 1));
            }
        }
    }
    return box;
}

bool IsHeading(const RECT& box, const RECT& client) {
    return box.left < box.right && box.top == client.top && box.right - box.left < client.right - client.left;
}

bool IsCentredHeading(const RECT& box, const RECT& client) {
    return IsHeading(box, client) && std::abs((box.left - client.left) - (client.right - box.right)) <= 1;
}

std::string Hex(const std::string& bytes) {
    std::string text;
    for (unsigned char octet : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X ", octet);
        text += pair;
    }
    return text;
}
