corvane_bench(tabs_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/TabsBench.cpp LIBS corvane_toolkit corvane_platform)
