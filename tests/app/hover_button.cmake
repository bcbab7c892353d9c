# The hover button's popup menu, URL, cursor, sounds and transparent mode (real input under Xvfb).
corvane_test(app_hover_button_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HoverButtonExtrasTest.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 120)
set_tests_properties(app_hover_button_tests PROPERTIES RUN_SERIAL TRUE)
