# The running program with the simulated phone: the menu bar after commands (real clicks), the status
# pane after a dial, and the texts of every dialog template and the main view in their controls.
corvane_phone_test(program_window_tests COM 61
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramWindowsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTextsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 300)
set_tests_properties(program_window_tests PROPERTIES RUN_SERIAL TRUE)
set_target_properties(program_window_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/windows)
