# Tab windows: strips, styles, MDI tab windows and page containers on a shown frame.
corvane_test(toolkit_tabs_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TabTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabWndItemsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabWndGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabWndMouseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabStylesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabMdiWndTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabPageContainerTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
# Tests that move the real pointer, send input or need the foreground run alone.
set(_tabs_screen_tests "*Screen*")
corvane_screen_tests(toolkit_tabs_tests toolkit_tabs_screen_tests "${_tabs_screen_tests}" 120)

# The host as a program of its own: the strips, a page container and an MDI frame to look at.
add_executable(tabs_host WIN32 ${CMAKE_CURRENT_LIST_DIR}/TabsHostMain.cpp ${CORVANE_RC})
target_include_directories(tabs_host PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tabs_host PRIVATE corvane_toolkit corvane_platform)
target_link_options(tabs_host PRIVATE -Wl,--undefined=wWinMain)
