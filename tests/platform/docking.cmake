# Three programs: the floating and dragging tests wait on Wine for each floating frame they hide or
# destroy, so they run beside the others; the dragging tests feed real input, which goes to the
# foreground window, so they run alone.
corvane_test(platform_docking_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockLayoutTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockStateTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/StatusBarTest.cpp
  LIBS corvane_platform comctl32
  TIMEOUT 300)
corvane_test(platform_floating_bar_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FloatingBarTest.cpp
  LIBS corvane_platform comctl32
  TIMEOUT 300)
corvane_test(platform_dock_drag_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockDragTest.cpp
  LIBS corvane_platform comctl32
  TIMEOUT 300)
set_tests_properties(platform_dock_drag_tests PROPERTIES RUN_SERIAL TRUE)
