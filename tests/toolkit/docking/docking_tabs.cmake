# The control bar's steps that go through tab groups, auto-hide areas and floating frames, on the docking host
# shown in front (they activate the frame, move the focus and capture the mouse: run alone), and the colour
# button's gradient background on a vertical tool bar.
corvane_test(docking_tabs_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarTabsAutoHideTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ToolBarColorButtonGradientTest.cpp
          ${CMAKE_SOURCE_DIR}/tests/toolkit/foundation/BarMenuPainterSupport.cpp
          ${CMAKE_SOURCE_DIR}/tests/toolkit/support/PaintHost.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(docking_tabs_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
