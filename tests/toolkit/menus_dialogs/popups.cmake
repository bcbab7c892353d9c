corvane_test(toolkit_popup_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MenuTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupLifecycleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupModalLoopTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupMouseHookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupClickTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupKeyboardHookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupAnimationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupTipStatusTest.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuTest.rc
  TIMEOUT 300)
