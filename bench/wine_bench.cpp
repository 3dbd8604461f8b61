// Times the real program from another process, as a user feels it:
//   wine_bench.exe PROGRAM.exe SAME_WORK.exe MINIMAL.exe [RUNS]
// Start-up: CreateProcess until the main window answers a message, for
// tervalo.exe, the program doing its start-up calls plainly and the bare
// window, in turns.  CALCUL: one sent CALCUL command against one sent
// WM_NULL (a ping), alternating.
// Prints "name value" lines.
#include "median.h"
#include "windows_path.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && GetParent(window) == nullptr && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double milliseconds = 0.0;
};

// Starts the program and returns once its main window has answered WM_NULL.
Started Start(const std::string& path) {
    Started started;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + path + "\"";
    const double begin = Now();
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started.process)) {
        std::fprintf(stderr, "cannot start %s\n", path.c_str());
        std::exit(1);
    }
    for (;;) {
        Search search{started.process.dwProcessId, nullptr};
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR result = 0;
        if (search.found != nullptr &&
            SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0) {
            started.window = search.found;
            break;
        }
        if (Now() - begin > 30000.0) {
            std::fprintf(stderr, "no window from %s\n", path.c_str());
            std::exit(1);
        }
        Sleep(1);
    }
    started.milliseconds = Now() - begin;
    return started;
}

void Stop(Started& started) {
    PostMessageA(started.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(started.process.hProcess, 1);
    }
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe SAME_WORK.exe MINIMAL.exe [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string paths[] = {WindowsPath(argv[1]), WindowsPath(argv[2]), WindowsPath(argv[3])};
    const char* const names[] = {"program", "same_work", "minimal"};
    const std::string& program = paths[0];
    const int runs = argc > 4 ? std::atoi(argv[4]) : 20;

    // One run of each first, unmeasured: Wine maps its DLLs once.
    for (const std::string& path : paths) {
        Started warm = Start(path);
        Stop(warm);
    }
    std::vector<double> times[3];
    for (int run = 0; run < runs; ++run) {
        // Which goes first rotates too.
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (run + turn) % 3;
            Started started = Start(paths[which]);
            times[which].push_back(started.milliseconds);
            Stop(started);
        }
    }
    for (int which = 0; which < 3; ++which) {
        std::printf("startup_%s_ms %.2f\n", names[which], Median(times[which]));
    }
    std::printf("startup_ratio %.3f\n", Median(times[0]) / Median(times[1]));
    std::printf("startup_bare_ratio %.3f\n", Median(times[0]) / Median(times[2]));

    Started started = Start(program);
    const HWND entry = GetDlgItem(started.window, 115);
    const HWND calc = GetDlgItem(started.window, 112);
    SendMessageA(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1234567890123"));
    std::vector<double> pings;
    std::vector<double> calculs;
    for (int i = 0; i < 2000; ++i) {
        double begin = Now();
        SendMessageA(started.window, WM_NULL, 0, 0);
        pings.push_back(Now() - begin);
        begin = Now();
        SendMessageA(started.window, WM_COMMAND, MAKEWPARAM(112, BN_CLICKED), reinterpret_cast<LPARAM>(calc));
        calculs.push_back(Now() - begin);
    }
    char key[8] = {};
    SendMessageA(GetDlgItem(started.window, 117), WM_GETTEXT, sizeof key, reinterpret_cast<LPARAM>(key));
    Stop(started);
    std::printf("calcul_key %s\n", key);
    std::printf("ping_us %.1f\n", Median(pings) * 1000.0);
    std::printf("calcul_us %.1f\n", Median(calculs) * 1000.0);
    std::printf("calcul_pings %.2f\n", Median(calculs) / Median(pings));
    return 0;
}
