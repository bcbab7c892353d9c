# The program's tool dialogs: export and import, the browse-folder tree, search and the SMS log.
corvane_test(app_tools_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImportExportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BrowseFolderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SearchLogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaveContactTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/FakeOutlook.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/StoreTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(app_tools_tests PROPERTIES RUN_SERIAL TRUE)
