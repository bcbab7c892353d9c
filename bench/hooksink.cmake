corvane_bench(hooksink_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/HookSinkBench.cpp LIBS corvane_toolkit corvane_platform)
