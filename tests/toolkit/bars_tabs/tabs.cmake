# Tab windows: strips, styles, MDI tab windows and page containers on a shown frame.
corvane_test(toolkit_tabs_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TabTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabWndItemsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabWndGeometryTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
