corvane_bench(extras_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ExtrasBench.cpp LIBS corvane_toolkit corvane_platform)
