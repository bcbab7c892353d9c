# Random gestures through real input on the built program's own frame and bars, with the simulated phone, closing
# and starting it again every few steps (alone: it activates the program's window, sends input and reads the
# screen). CORVANE_PROGRAM_FUZZ_SEEDS=n runs seeds 1..n, CORVANE_PROGRAM_FUZZ_SEED=s the one seed s,
# CORVANE_PROGRAM_FUZZ_STEPS=k k steps a seed.
corvane_phone_test(program_fuzz_tests COM 71
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFuzzTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFuzzGestures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramProcess.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/RandomRun.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 600)
add_dependencies(program_fuzz_tests CorvaneSms)
# A seed of many steps runs past the test entry's usual hang limit.
set_tests_properties(program_fuzz_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};CORVANE_HANG_SECONDS=540")
