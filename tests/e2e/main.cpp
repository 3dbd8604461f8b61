// The end-to-end driver's entry:
//   tervalo_driver.exe --program=PATH [--artefacts=DIR] [--screen=WIDTHxHEIGHT]
//                      [--dpi=DPI] [gtest flags]
// PATH and DIR may be Unix paths; Wine reaches them through drive Z:.  With
// --screen, the tests expect a screen of that size, as the session that runs
// them made it, and fail at once on any other; with --dpi, a screen set to
// that DPI, seen as the user sees it: its own pixels, not the ones the
// system shows a program that declares no DPI awareness.
#include "driver.h"
#include "windows_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string screen;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program=", 10) == 0) {
            ProgramPath = WindowsPath(argv[i] + 10);
        } else if (std::strncmp(argv[i], "--artefacts=", 12) == 0) {
            ArtefactDir = WindowsPath(argv[i] + 12);
        } else if (std::strncmp(argv[i], "--screen=", 9) == 0) {
            screen = argv[i] + 9;
        } else if (std::strncmp(argv[i], "--dpi=", 6) == 0) {
            ScreenDpi = std::atoi(argv[i] + 6);
            SetProcessDPIAware();
        }
    }
    if (ProgramPath.empty()) {
        std::fprintf(stderr,
                     "usage: %s --program=PATH [--artefacts=DIR] [--screen=WIDTHxHEIGHT] [--dpi=DPI]\n",
                     argv[0]);
        return 2;
    }
    const std::string seen =
        std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN));
    if (!screen.empty() && seen != screen) {
        std::fprintf(stderr, "the screen is %s, not %s\n", seen.c_str(), screen.c_str());
        return 2;
    }
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    if (dpi != ScreenDpi) {
        std::fprintf(stderr, "the screen is set to %d dpi, not %d\n", dpi, ScreenDpi);
        return 2;
    }
    return RUN_ALL_TESTS();
}
