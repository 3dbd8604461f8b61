# tervalo.exe: the Windows program.
enable_language(RC)

# The program's C++ sources beside the key library; the lint tests read them too.
set(TERVALO_PROGRAM_SOURCES
  ${PROJECT_SOURCE_DIR}/app/main.cpp ${PROJECT_SOURCE_DIR}/app/about.cpp ${PROJECT_SOURCE_DIR}/app/runtime.cpp
  ${PROJECT_SOURCE_DIR}/key/form.cpp
  ${PROJECT_SOURCE_DIR}/look/look.cpp)
add_executable(tervalo WIN32 ${TERVALO_PROGRAM_SOURCES} res/tervalo.rc)
target_include_directories(tervalo PRIVATE app key look res)
target_link_libraries(tervalo PRIVATE tervalo_key)
# The program's compilation and linking; the start-up yardsticks share them.
set(TERVALO_PROGRAM_COMPILE_OPTIONS ${TERVALO_WARNINGS} -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections)
# Static, so that a clean Windows needs no MinGW DLL; stripped, and with no
# time stamp, so that two builds of the same sources are the same file.
set(TERVALO_PROGRAM_LINK_OPTIONS -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
target_compile_options(tervalo PRIVATE ${TERVALO_PROGRAM_COMPILE_OPTIONS})
# std::min and std::max, not the macros of <windows.h>.
target_compile_definitions(tervalo PRIVATE NOMINMAX)
target_link_options(tervalo PRIVATE ${TERVALO_PROGRAM_LINK_OPTIONS})
set_property(SOURCE res/tervalo.rc APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/tervalo.ico)
