# The docking state of tabbed groups, auto-hidden bars and hidden containers, and floating out of a group, on the
# docking host shown in front with its auto-hide areas (alone: the frame is activated and painted).
corvane_test(docking_state_tabs_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingStateTabsTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(docking_state_tabs_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")

# The floating frame of a real tool bar: caption buttons, their menu and tool tips (alone: menus and the foreground).
corvane_test(docking_minidock_toolbar_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MiniDockFrameToolBarTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(docking_minidock_toolbar_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
