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
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuStatusTest.rc
  TIMEOUT 300)
# Tests that send input or need the foreground run alone.
set(_menu_status_screen_tests "*Screen*")
set_tests_properties(toolkit_menu_status_tests PROPERTIES ENVIRONMENT
  "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};GTEST_FILTER=-${_menu_status_screen_tests}")
add_test(NAME toolkit_menu_status_screen_tests COMMAND toolkit_menu_status_tests --gtest_brief=1
  --gtest_filter=${_menu_status_screen_tests})
set_tests_properties(toolkit_menu_status_screen_tests PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
