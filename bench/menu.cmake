corvane_bench(menu_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuBench.cpp LIBS corvane_toolkit)
