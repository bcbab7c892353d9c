corvane_test(platform_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StringTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ArchiveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CollectionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentTest.cpp
  LIBS corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/core_test.rc
  TIMEOUT 300)
