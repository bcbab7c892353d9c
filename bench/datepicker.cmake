corvane_bench(datepicker_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DatePickerBench.cpp LIBS corvane_toolkit corvane_platform)
