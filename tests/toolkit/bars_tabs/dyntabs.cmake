# Tabbed bar groups, auto-hide areas and the slider, the panel bar and the bar buttons on the docking host shown in front (all tests run alone: they
# activate the frame, move the focus, send input and read the screen).
corvane_test(toolkit_dyntabs_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingHost.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
    ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingCoreTestApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynTabGroupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynTabGroupLeaveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynAutoHideTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtPanelControlBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarSliderButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarColorButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarUndoRedoButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarDropDownKindsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynAutoHideSliderTipsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtDynAutoHideAreaLayoutTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(toolkit_dyntabs_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")

# The host as a program of its own: tab groups, auto-hide areas, the panel bar and the bar buttons to look at.
add_executable(dyntabs_host WIN32 ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingHost.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
               ${CMAKE_CURRENT_LIST_DIR}/DynTabsHostMain.cpp ${CORVANE_RC})
target_include_directories(dyntabs_host PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(dyntabs_host PRIVATE corvane_toolkit corvane_platform)
target_link_options(dyntabs_host PRIVATE -Wl,--undefined=wWinMain)
