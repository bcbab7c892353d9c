corvane_test(phone_outlook_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FakeOutlook.cpp
          ${CMAKE_CURRENT_LIST_DIR}/OutlookAutomationTest.cpp
  LIBS corvane_phone TIMEOUT 120)
