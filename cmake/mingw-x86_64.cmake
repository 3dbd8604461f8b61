# The same sources for 64-bit Windows: the build that runs under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TERVALO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
