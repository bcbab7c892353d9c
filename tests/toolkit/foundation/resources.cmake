corvane_test(toolkit_resources_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FoundationTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResourceManagerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResDlgTest.cpp
  LIBS corvane_toolkit
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/foundation_test.rc
  TIMEOUT 300)
corvane_test(toolkit_damaged_resources_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FoundationTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DamagedResourcesTest.cpp
  LIBS corvane_toolkit
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/damaged_test.rc
  TIMEOUT 120)
