# The compose window's controls on their own: the hover button's popup menu, URL, cursor, sounds
# and transparent mode, and the contact list's fill (real windows and input under Xvfb).
corvane_test(app_compose_controls_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HoverButtonExtrasTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HoverButtonCaptureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HoverButtonTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContactListTest.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 120)
set_tests_properties(app_compose_controls_tests PROPERTIES RUN_SERIAL TRUE)
