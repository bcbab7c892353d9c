# The program's start-up to the main frame's first paint against a reference program with the same windows built from
# the system's controls and against a bare window, in the bench's process and as launched processes (the program,
# the reference program and the bare window program beside it).
corvane_bench(startup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp
  ${CMAKE_SOURCE_DIR}/tests/phone/FakeOutlook.cpp ${CORVANE_RC}
  LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# valgrind's client requests, where the build machine has them: under callgrind the bench counts one start of each.
if(EXISTS /usr/include/valgrind/callgrind.h)
  target_include_directories(startup_bench SYSTEM PRIVATE /usr/include/valgrind)
  target_compile_definitions(startup_bench PRIVATE CORVANE_HAVE_CALLGRIND)
endif()
add_executable(startup_bare_program WIN32 ${CMAKE_CURRENT_LIST_DIR}/StartupBareProgram.cpp)
add_executable(startup_reference_program WIN32 ${CMAKE_CURRENT_LIST_DIR}/StartupReferenceProgram.cpp)
target_link_libraries(startup_reference_program PRIVATE comctl32 shell32)
add_dependencies(startup_bench startup_bare_program startup_reference_program CorvaneSms)
