corvane_test(toolkit_menu_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MenuTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MemoryDcTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuItemDataTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuBuildTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuItemOpsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuDisplayTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuStatesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuGeometryTest.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuTest.rc
  TIMEOUT 300)
