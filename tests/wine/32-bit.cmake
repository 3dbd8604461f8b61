# Included by CTest when it loads the i686 tests.  Whether 32-bit programs run
# here natively, under qemu-user emulation or not at all is the machine's state
# when the tests run, not when they were built, and each Wine's own: the label
# names it in CTest's summary, and under emulation, which takes the shipped
# program about four times its native time, the load test does a fifth of its
# load.  The bounds leave room for a machine twice as slow as the slowest
# measured, the load test's for one three times as slow (natively it took 4
# minutes on a quiet machine, 11 on a busy one).
include(${CMAKE_CURRENT_LIST_DIR}/screens.cmake)
list(TRANSFORM TERVALO_SCREENS PREPEND e2e.screen-)
list(TRANSFORM TERVALO_DPIS PREPEND e2e.dpi-)
foreach(wine wine8 wine10)
  if(wine STREQUAL "wine8")
    set(prefix i686)
    set(root debian12)
  else()
    set(prefix wine10.i686)
    set(root debian13)
  endif()
  # "none" too where the probe itself cannot run, as in a root that is not there.
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../../scripts/in-root ${root} ${CMAKE_CURRENT_LIST_DIR}/session probe
    OUTPUT_VARIABLE probe)
  set(bits none)
  if(probe MATCHES "^(native|emulated):")
    set(bits ${CMAKE_MATCH_1})
  endif()
  set(tests key e2e paint ${TERVALO_SCREENS} ${TERVALO_DPIS})
  list(TRANSFORM tests PREPEND ${prefix}.)
  set_tests_properties(${tests} PROPERTIES LABELS "${wine};32-bit-${bits}")
  set_tests_properties(${prefix}.load PROPERTIES LABELS "${wine};long;32-bit-${bits}")
  if(bits STREQUAL "emulated")
    set_tests_properties(${prefix}.load PROPERTIES ENVIRONMENT TERVALO_LOAD_DIVISOR=5)
    set_tests_properties(${prefix}.e2e PROPERTIES TIMEOUT 600)
  endif()
endforeach()
