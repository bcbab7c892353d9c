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
# What bars left floating at the close show after the next start, above the main window and at a click into it through
# the X server (xdotool), on a screen with a window manager (openbox) and the prefix managed, as on a desktop: unmanaged,
# Wine puts a main window given the X focus above the frames it owns on the screen.
set(_wm_tests "ProgramBarsTest.*UnderAWindowManager:ProgramBarsTest.*IsSeenAboveTheMainWindow*")
set_tests_properties(program_process_tests PROPERTIES
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};GTEST_FILTER=-${_wm_tests}")
add_test(NAME program_process_wm_tests
  COMMAND ${CORVANE_HOST_PYTHON} ${CMAKE_SOURCE_DIR}/tests/phone/sim/run_with_sim.py
          --com 79 --work ${CMAKE_BINARY_DIR}/phonesim/program_process_wm_tests
          -- ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:program_process_tests> --gtest_brief=1
             --gtest_filter=${_wm_tests})
set_tests_properties(program_process_wm_tests PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};CORVANE_NO_WM=0;CORVANE_SCREEN_WM=openbox")
