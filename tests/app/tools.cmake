# The program's tool dialogs: export and import, the browse-folder tree, search and the SMS log.
corvane_test(app_tools_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImportExportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BrowseFolderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SearchLogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaveContactTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/FakeOutlook.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/StoreTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(app_tools_tests PROPERTIES RUN_SERIAL TRUE)

# The dialer with the simulated phone, the sound dialog and the tool commands of the running program
# ("Rebuild Nama Kontak" among them).
corvane_phone_test(app_dialer_tests COM 31
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DialerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundDialogTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(app_dialer_tests PROPERTIES RUN_SERIAL TRUE)
# A folder of its own with the skins and the key tone beside the program.
set_target_properties(app_dialer_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/tools)
add_custom_command(TARGET app_dialer_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tests/tools/skins
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/res/skins/chess.gif ${CMAKE_SOURCE_DIR}/res/skins/chess-w.gif
          ${CMAKE_BINARY_DIR}/tests/tools/skins/
  COMMAND ${CORVANE_HOST_PYTHON} ${CMAKE_SOURCE_DIR}/scripts/make_sounds.py ${CMAKE_BINARY_DIR}/tests/tools VERBATIM)

corvane_phone_test(app_tool_commands_tests COM 35
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ToolCommandsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RebuildContactNamesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/FakeOutlook.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 240)
set_tests_properties(app_tool_commands_tests PROPERTIES RUN_SERIAL TRUE)
set_target_properties(app_tool_commands_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/toolcmds)
