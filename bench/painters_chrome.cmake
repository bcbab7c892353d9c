corvane_bench(painters_chrome_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PaintersChromeBench.cpp LIBS corvane_toolkit)
