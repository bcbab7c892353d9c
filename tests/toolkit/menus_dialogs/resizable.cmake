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
set_tests_properties(toolkit_resizable_tests PROPERTIES ENVIRONMENT
  "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};GTEST_FILTER=-${_resizable_screen_tests}")
add_test(NAME toolkit_resizable_screen_tests COMMAND toolkit_resizable_tests --gtest_brief=1
         --gtest_filter=${_resizable_screen_tests})
set_tests_properties(toolkit_resizable_screen_tests PROPERTIES TIMEOUT 200 RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
