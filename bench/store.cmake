corvane_bench(store_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/StoreBench.cpp LIBS corvane_phone)
