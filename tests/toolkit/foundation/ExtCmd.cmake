corvane_test(toolkit_cmd_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdItemTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdIconTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdProfileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdManagerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdPaintManagerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdTestSupport.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/ExtCmdTest.rc
  TIMEOUT 300)
# The test that moves the pointer runs alone: other programs' tests read it.
set(_cmd_screen_tests "CmdItemDelivery.ASystemCommandCarriesTheCursorPosition*")
corvane_screen_tests(toolkit_cmd_tests toolkit_cmd_screen_tests "${_cmd_screen_tests}" 120)

# The registry archiver on its own, so that its many registry round trips run beside the rest.
corvane_test(toolkit_cmd_archiver_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdArchiverTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtCmdTestSupport.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/ExtCmdTest.rc
  TIMEOUT 300)
