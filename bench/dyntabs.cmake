corvane_bench(dyntabs_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DynTabsBench.cpp LIBS corvane_toolkit corvane_platform)
