# The program end to end: start-up, a fetch from the simulated phone, shutdown and the next start;
# the message list, folder tree and view in the running program (real clicks and keys).
corvane_phone_test(program_tests COM 25
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ThemeColorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AboutBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EventSoundsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureLabelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(program_tests PROPERTIES RUN_SERIAL TRUE)
# A folder of its own: the program keeps its data file beside itself.
set_target_properties(program_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/program)
# The compose window, its sending, contact pickers and hover buttons in the running program.
corvane_phone_test(program_compose_tests COM 33
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HoverButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HoverButtonTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComposeWindowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComposeSendTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComposeTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComposeStatusBarTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(program_compose_tests PROPERTIES RUN_SERIAL TRUE)
set_target_properties(program_compose_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/compose)
# The view's compose commands in the running program (a program object of its own).
corvane_phone_test(program_compose_view_tests COM 53
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ComposeViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SendPathsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(program_compose_view_tests PROPERTIES RUN_SERIAL TRUE)
set_target_properties(program_compose_view_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/compose_view)
