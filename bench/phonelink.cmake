# Fetch throughput over the simulated phone. Run: python3 bench/phonelink_bench.py [build dir]
corvane_bench(phonelink_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PhoneLinkBench.cpp ${CORVANE_RC} LIBS corvane_phone)
