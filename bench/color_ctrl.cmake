corvane_bench(color_ctrl_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ColorCtrlBench.cpp LIBS corvane_toolkit)
