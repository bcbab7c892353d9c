# The import dialog on a backup of 100,000 records against reading and parsing the file alone.
corvane_bench(import_dialog_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImportDialogBench.cpp ${CORVANE_RC}
              LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
