corvane_test(platform_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/WndMessageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WndLoopTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GdiTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WndFamilyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CmdUIUpdateTest.cpp
  LIBS corvane_platform
  TIMEOUT 300)
