# The month calendar: grid, layout, selection, painting, input and the month list. The input tests
# send real mouse and key input and show windows.
corvane_test(toolkit_datepicker_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerMonthTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerSelectionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerMonthListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerPopupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerDeletionTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(toolkit_datepicker_tests PROPERTIES RUN_SERIAL TRUE)
