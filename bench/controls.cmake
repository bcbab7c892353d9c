corvane_bench(controls_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ControlsBench.cpp LIBS corvane_toolkit)
