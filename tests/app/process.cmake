# The built program as a process of its own (a copy in the simulator's work folder, its own registry
# key kept and given back): closing while the phone worker's box is up or a send waits for the
# prompt, a kill after a send, a bar left floating at the close and the status bar switched off.
corvane_phone_test(program_process_tests COM 47
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramProcessTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramProcess.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/RandomRun.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 300)
add_dependencies(program_process_tests CorvaneSms)
set_tests_properties(program_process_tests PROPERTIES RUN_SERIAL TRUE)
