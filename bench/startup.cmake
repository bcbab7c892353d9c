# The program's start-up to the main frame's first paint against a bare window.
corvane_bench(startup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp
  ${CMAKE_SOURCE_DIR}/tests/phone/FakeOutlook.cpp ${CORVANE_RC}
  LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
