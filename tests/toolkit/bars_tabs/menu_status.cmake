# The menu bar and the status bar on a shown frame (the tab tests' host frame and pump).
corvane_test(toolkit_menu_status_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TabTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtStatusControlBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuBarFrameKeyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuBarTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtMenuControlBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtMenuControlBarMdiTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtMenuControlBarScreenTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuStatusTest.rc
  TIMEOUT 300)
# Tests that send input, need the foreground or hit-test the screen (the pane tips ask for the
# window under the point) run alone.
set(_menu_status_screen_tests "*Screen*:StatusBar.PaneTipsComeFromTheToolHitTest")
corvane_screen_tests(toolkit_menu_status_tests toolkit_menu_status_screen_tests "${_menu_status_screen_tests}" 120)

# The host as a program of its own: the menu bar, a tool bar and the status bar with a LOG pane and a busy pane.
add_executable(menu_status_host WIN32 ${CMAKE_CURRENT_LIST_DIR}/MenuStatusHostMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuStatusTest.rc)
target_include_directories(menu_status_host PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(menu_status_host PRIVATE corvane_toolkit corvane_platform)
target_link_options(menu_status_host PRIVATE -Wl,--undefined=wWinMain)
