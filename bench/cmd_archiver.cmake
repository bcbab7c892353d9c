corvane_bench(cmd_archiver_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/CmdArchiverBench.cpp LIBS corvane_toolkit corvane_platform)
