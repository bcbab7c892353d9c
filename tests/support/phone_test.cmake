# Tests with the simulated phone: the test program talks to the simulated phone (tests/phone/sim)
# through a real COM port of the Wine prefix. CTest runs a host-side wrapper that starts the
# simulator, links its pty as COM<n>, runs the program under Wine and stops the simulator.
include_guard(GLOBAL)
# corvane_phone_test(<name> COM <n> SOURCES ... LIBS ... [TIMEOUT s])
function(corvane_phone_test name)
  cmake_parse_arguments(T "" "TIMEOUT;COM" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES} ${CORVANE_RC} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp
                 ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp ${CMAKE_SOURCE_DIR}/tests/support/ReferenceTimer.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest)
  target_compile_definitions(${name} PRIVATE CORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${name}
    COMMAND ${CORVANE_HOST_PYTHON} ${CMAKE_SOURCE_DIR}/tests/phone/sim/run_with_sim.py
            --com ${T_COM} --work ${CMAKE_BINARY_DIR}/phonesim/${name}
            -- ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:${name}> --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

