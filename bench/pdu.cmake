corvane_bench(pdu_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PduBench.cpp LIBS corvane_phone)
