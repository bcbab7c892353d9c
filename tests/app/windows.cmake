# The program's windows as a user meets them: a real double click on the message list, the
# enabled state of every menu and tool-bar command, and the shutdown while a send holds the phone.
corvane_phone_test(program_windows_tests COM 67
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MessageListDoubleClickTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandStatesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShutdownAbortTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(program_windows_tests PROPERTIES RUN_SERIAL TRUE)
# A folder of its own: the program keeps its data file beside itself.
set_target_properties(program_windows_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/windows)

# An export onto a small disk that fills up: the runner mounts a 16 KB tmpfs for the program.
add_executable(app_export_failure_tests ${CMAKE_CURRENT_LIST_DIR}/ExportFailureTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/phone/StoreTestSupport.cpp ${CORVANE_RC} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp)
target_include_directories(app_export_failure_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(app_export_failure_tests PRIVATE corvane_app corvane_toolkit corvane_phone corvane_platform gtest)
add_test(NAME app_export_failure_tests
  COMMAND ${CORVANE_HOST_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/full_disk_run.py --mount ${CMAKE_BINARY_DIR}/fulldisk
          -- ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:app_export_failure_tests> --gtest_brief=1)
set_tests_properties(app_export_failure_tests PROPERTIES TIMEOUT 120
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")

# The running program with the simulated phone: the menu bar after commands (real clicks), the status
# pane after a dial, and the texts of every dialog template and the main view in their controls.
corvane_phone_test(program_window_tests COM 61
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramWindowsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTextsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 300)
set_tests_properties(program_window_tests PROPERTIES RUN_SERIAL TRUE)
set_target_properties(program_window_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/window_texts)
