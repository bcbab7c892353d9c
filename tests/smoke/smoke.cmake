corvane_test(smoke_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/HarnessTest.cpp LIBS ${CORVANE_SYSLIBS} TIMEOUT 300)
