# Tabbed bar groups, auto-hide areas and the slider, the panel bar and the bar buttons on the docking host shown in front (all tests run alone: they
# activate the frame, move the focus, send input and read the screen).
corvane_test(toolkit_dyntabs_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingHost.cpp
    ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingCoreTestApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynTabGroupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynAutoHideTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtPanelControlBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarSliderButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarColorButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarUndoRedoButtonTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(toolkit_dyntabs_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
