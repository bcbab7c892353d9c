corvane_bench(import_export_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImportExportBench.cpp
  LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
