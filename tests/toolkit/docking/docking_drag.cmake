# Dragging and docking on the docking test host. The frame is shown in front and most cases send input or read
# where windows are on the screen, so they run alone.
corvane_test(docking_drag_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCalcTargetTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingApplyTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFixedDragTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingDragLoopTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingMarkersTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingMarkerDropTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(docking_drag_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
