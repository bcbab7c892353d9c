# The tool bar, its buttons and its chevron on the tool-bar test host.
corvane_test(toolkit_toolbar_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ToolBarHost.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolBarTestApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtToolControlBarLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtToolControlBarMouseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtToolControlBarPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolBarGripperTest.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/ToolBarTest.rc
  TIMEOUT 300)
# Tests that send input, open popup menus or need the foreground run alone.
set(_toolbar_screen_tests "*Screen*")
corvane_screen_tests(toolkit_toolbar_tests toolkit_toolbar_screen_tests "${_toolbar_screen_tests}" 180)

# The host as a program of its own.
add_executable(toolbar_host WIN32 ${CMAKE_CURRENT_LIST_DIR}/ToolBarHost.cpp ${CMAKE_CURRENT_LIST_DIR}/ToolBarHostMain.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
               ${CMAKE_CURRENT_LIST_DIR}/ToolBarTest.rc)
target_include_directories(toolbar_host PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(toolbar_host PRIVATE corvane_toolkit corvane_platform)
target_link_options(toolbar_host PRIVATE -Wl,--undefined=wWinMain)
