# One search keystroke in the compose window's contact list against its text extents (under xvfb-run).
corvane_bench(contact_list_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ContactListBench.cpp ${CORVANE_RC}
              LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
