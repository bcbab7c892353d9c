corvane_test(phone_store_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StoreTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DataFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppSettingsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnicodeTextFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Sha1Test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DateSplitterTest.cpp
  LIBS corvane_phone
  TIMEOUT 300)
