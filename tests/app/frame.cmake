# The main frame in the running program: bars, docking layout, status panes, the busy pane, the
# frame's commands, the kept layout, the start-up's one layout and settled status texts, and the
# view's scheduled and start-up fetches.
corvane_phone_test(app_frame_tests COM 37
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MainFrameTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SchedulerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFramePaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFrameDragTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFrameStartupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFrameRestartTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 300)
set_tests_properties(app_frame_tests PROPERTIES RUN_SERIAL TRUE)
# A folder of its own: the program keeps its data file beside itself.
set_target_properties(app_frame_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/frame)
