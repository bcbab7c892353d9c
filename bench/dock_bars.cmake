corvane_bench(dock_bars_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockBarsBench.cpp
              ${CMAKE_SOURCE_DIR}/tests/toolkit/docking/DockingHost.cpp ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp LIBS corvane_toolkit corvane_platform)
