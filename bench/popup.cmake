corvane_bench(popup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PopupBench.cpp LIBS corvane_toolkit)
