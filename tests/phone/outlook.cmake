corvane_test(phone_outlook_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FakeOutlook.cpp
          ${CMAKE_CURRENT_LIST_DIR}/OutlookAutomationTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/OutlookContactsTest.cpp
  LIBS corvane_phone TIMEOUT 300)
