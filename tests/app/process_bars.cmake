# The built program's bars through real input, as a process of its own (a copy in the simulator's work
# folder, its own registry key and docking state kept and given back): the keys after a floating caption
# is pressed or dragged, and a bar docked back after the main window moved and after a restart.
corvane_phone_test(program_bars_input_tests COM 73
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramBarsInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramProcess.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/RandomRun.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 300)
add_dependencies(program_bars_input_tests CorvaneSms)
set_tests_properties(program_bars_input_tests PROPERTIES RUN_SERIAL TRUE)
