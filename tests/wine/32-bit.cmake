# Included by CTest when it loads the i686 tests.  Whether 32-bit programs run
# here natively, under qemu-user emulation or not at all is the machine's state
# when the tests run, not when they were built: the label names it in CTest's
# summary, and under emulation, which takes the shipped program about four
# times its native time, the load test does a fifth of its load.  The bounds
# leave room for a machine twice as slow as the slowest measured, the load
# test's for one three times as slow (natively it took 4 minutes on a quiet
# machine, 11 on a busy one).
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/session probe OUTPUT_VARIABLE bits)
string(REGEX MATCH "^[a-z]+" bits "${bits}")
include(${CMAKE_CURRENT_LIST_DIR}/screens.cmake)
list(TRANSFORM TERVALO_SCREENS PREPEND i686.e2e.screen-)
set_tests_properties(i686.key i686.e2e i686.paint ${TERVALO_SCREENS} PROPERTIES LABELS 32-bit-${bits})
set_tests_properties(i686.load PROPERTIES LABELS "long;32-bit-${bits}")
if(bits STREQUAL "emulated")
  set_tests_properties(i686.load PROPERTIES ENVIRONMENT TERVALO_LOAD_DIVISOR=5)
  set_tests_properties(i686.e2e PROPERTIES TIMEOUT 600)
endif()
