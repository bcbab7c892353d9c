corvane_bench(toolbar_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ToolBarBench.cpp LIBS corvane_toolkit corvane_platform)
