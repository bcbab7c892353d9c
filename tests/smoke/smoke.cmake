corvane_test(smoke_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/HarnessTest.cpp LIBS ${CORVANE_SYSLIBS} TIMEOUT 300)

# The whole program as the run command starts it (its own Wine prefix, the simulated phone on COM4).
add_executable(program_smoke_driver ${CMAKE_CURRENT_LIST_DIR}/ProgramSmokeDriver.cpp)
target_link_libraries(program_smoke_driver PRIVATE ${CORVANE_SYSLIBS})
add_dependencies(program_smoke_driver CorvaneSms)
add_test(NAME program_smoke
  COMMAND ${CORVANE_HOST_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/program_smoke.py ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}
          $<TARGET_FILE:program_smoke_driver>)
set_tests_properties(program_smoke PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
