corvane_bench(special_popup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/SpecialPopupBench.cpp LIBS corvane_toolkit)
