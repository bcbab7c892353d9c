# The menu bar and status bar against native bars (under xvfb-run).
corvane_bench(menu_status_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuStatusBench.cpp ${CORVANE_RC}
              LIBS corvane_toolkit corvane_platform)
