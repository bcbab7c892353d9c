# Random docking gestures through real input on the docking host, each one's outcome checked and the layout, the
# stored state and the screen after every step (alone: it activates the frame, sends input and reads the screen).
# CORVANE_DOCK_FUZZ_SEEDS=n runs seeds 1..n (or first-last) instead of the fixed list.
corvane_test(docking_fuzz_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/RandomRun.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFuzzRecord.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFuzzInput.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFuzzGestures.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFuzzChecks.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFuzzTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingRunFindsSqueezeTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingRunFindsAutoHideTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingRunFindsDropOnCaptionTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingRunFindsDragStartTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingRunFindsSideDropsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingRunFindsFloatOutTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 600)
set_tests_properties(docking_fuzz_tests PROPERTIES RUN_SERIAL TRUE)
# The faults the run found, each made again on purpose, run beside the seeds on a screen of their own.
corvane_screen_tests(docking_fuzz_tests docking_run_finds_tests "DockingRunFinds.*" 300)
