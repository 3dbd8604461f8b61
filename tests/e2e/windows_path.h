// Unix paths as a Wine program names them: through drive Z:, with
// backslashes.  Windows paths pass unchanged.
#ifndef TERVALO_TESTS_E2E_WINDOWS_PATH_H
#define TERVALO_TESTS_E2E_WINDOWS_PATH_H

#include <algorithm>
#include <string>

inline std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
    }
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

#endif
