corvane_bench(paint_manager_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PaintManagerBench.cpp LIBS corvane_toolkit)
