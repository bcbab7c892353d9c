# The program end to end: start-up, a fetch from the simulated phone, shutdown and the next start.
corvane_phone_test(program_tests COM 25
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_phone
  TIMEOUT 240)
# A folder of its own: the program keeps its data file beside itself.
set_target_properties(program_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/program)
