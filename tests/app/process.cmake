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
# What a user meets on a desktop (ProgramDesktopTest), one entry per window manager on the test's screen, the prefix
# managed: the program started as a user starts it, clicks through the X server (xdotool), the window order, the
# task-bar and attention states, the main window's place and the keys after each step. Under openbox also a keyboard
# user's keys (ProgramKeysTest) and what bars left floating show after the next start: unmanaged, Wine puts a main
# window given the X focus above the frames it owns on the screen.
set(_desktop_tests "ProgramDesktopTest.*")
set(_wm_tests "${_desktop_tests}:ProgramKeysTest.*:ProgramBarsTest.*UnderAWindowManager:ProgramBarsTest.*IsSeenAboveTheMainWindow*")
# Under metacity only the way back from the tray icon after the program's own input (ProgramTrayUnderMetacityTest).
set(_metacity_tests "ProgramTrayUnderMetacityTest.*")
set_tests_properties(program_process_tests PROPERTIES
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};GTEST_FILTER=-${_wm_tests}:${_metacity_tests}")
foreach(_wm openbox icewm metacity)
  if(_wm STREQUAL openbox)
    set(_name program_process_wm_tests)
    set(_filter ${_wm_tests})
    set(_com 79)
  elseif(_wm STREQUAL metacity)
    set(_name program_process_${_wm}_tests)
    set(_filter ${_metacity_tests})
    set(_com 81)
  else()
    set(_name program_process_${_wm}_tests)
    set(_filter ${_desktop_tests})
    set(_com 80)
  endif()
  add_test(NAME ${_name}
    COMMAND ${CORVANE_HOST_PYTHON} ${CMAKE_SOURCE_DIR}/tests/phone/sim/run_with_sim.py
            --com ${_com} --work ${CMAKE_BINARY_DIR}/phonesim/${_name}
            -- ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:program_process_tests> --gtest_brief=1
               --gtest_filter=${_filter})
  set_tests_properties(${_name} PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE
    ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};CORVANE_NO_WM=0;CORVANE_SCREEN_WM=${_wm}")
endforeach()
