corvane_bench(docking_state_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingStateBench.cpp
              ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingHost.cpp ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp LIBS corvane_toolkit corvane_platform)
