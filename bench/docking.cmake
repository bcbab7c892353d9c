corvane_bench(platform_docking_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingBench.cpp LIBS corvane_platform)
