# Shared by the two MinGW-w64 toolchains; TERVALO_MINGW_TRIPLE names the target.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix variants have std::mutex, which GoogleTest needs; the program
# itself uses no threads, and everything is linked statically.
set(CMAKE_C_COMPILER ${TERVALO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TERVALO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TERVALO_MINGW_TRIPLE}-windres)
# The resource script's texts are Windows-1252 bytes: say so once, here.
set(CMAKE_RC_FLAGS_INIT "--codepage=1252")
set(CMAKE_FIND_ROOT_PATH /usr/${TERVALO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
