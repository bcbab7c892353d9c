corvane_bench(painters_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PaintersBench.cpp LIBS corvane_toolkit)
