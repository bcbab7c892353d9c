# Phone-link tests through the simulated phone (corvane_phone_test: tests/support/phone_test.cmake).
corvane_phone_test(phonelink_tests COM 21
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PhoneLinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IrdaPortTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FetchTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FetchIntegrityTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SendTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SendSafetyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkerPoolTest.cpp
  LIBS corvane_phone
  TIMEOUT 400)

# The application's side: app object, main frame, view and compose window (needs the display).
corvane_phone_test(phonelink_app_tests COM 23
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PhoneLinkTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhoneLinkAppTest.cpp
  LIBS corvane_app corvane_phone
  TIMEOUT 240)
