corvane_bench(resizable_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ResizableBench.cpp LIBS corvane_toolkit)
