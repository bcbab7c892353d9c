# The resizable windows: anchoring and state layers, dialogs, property sheets and form views.
corvane_test(toolkit_resizable_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ResizableTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizableAnchorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizablePaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizablePlacementTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizableSysMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizableDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizableSheetTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizableFormViewTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/ResizableTest.rc
  TIMEOUT 300)
# The tests that show windows in the foreground, send input or read the screen run alone.
set(_resizable_screen_tests "ResizablePaint.*:ResizableSysMenu.*:ResizablePlacement.*:ResizableSheet.*:ResizableDialog.ADialogInside*:ResizableFormView.*")
corvane_screen_tests(toolkit_resizable_tests toolkit_resizable_screen_tests "${_resizable_screen_tests}" 200)
