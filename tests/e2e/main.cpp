// The end-to-end driver's entry:
//   tervalo_driver.exe --program=PATH [--artefacts=DIR] [gtest flags]
// PATH and DIR may be Unix paths; Wine reaches them through drive Z:.
#include "driver.h"
#include "windows_path.h"

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--program=", 10) == 0) {
            ProgramPath = WindowsPath(argv[i] + 10);
        } else if (std::strncmp(argv[i], "--artefacts=", 12) == 0) {
            ArtefactDir = WindowsPath(argv[i] + 12);
        }
    }
    if (ProgramPath.empty()) {
        std::fprintf(stderr, "usage: %s --program=PATH [--artefacts=DIR]\n", argv[0]);
        return 2;
    }
    return RUN_ALL_TESTS();
}
