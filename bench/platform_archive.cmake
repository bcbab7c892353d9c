corvane_bench(platform_archive_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArchiveBench.cpp LIBS corvane_platform)
