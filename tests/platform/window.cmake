corvane_test(platform_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WndMessageTest.cpp
  LIBS corvane_platform
  TIMEOUT 120)
