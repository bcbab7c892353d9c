corvane_bench(combo_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ComboBench.cpp LIBS corvane_toolkit)
