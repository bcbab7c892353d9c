corvane_test(platform_docking_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ControlBarTest.cpp
  LIBS corvane_platform
  TIMEOUT 300)
