corvane_test(toolkit_bitmaps_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FoundationTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BitmapHelpersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MonitorTest.cpp
  LIBS corvane_toolkit
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/foundation_test.rc
  TIMEOUT 300)
