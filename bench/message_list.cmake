# The message list's folder display against a plain report list (under xvfb-run).
corvane_bench(message_list_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/MessageListBench.cpp ${CORVANE_RC}
              LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
