add_executable(toolkit_link_recorder ${CMAKE_CURRENT_LIST_DIR}/LinkRecorder.cpp)
target_link_libraries(toolkit_link_recorder PRIVATE shell32)

corvane_test(toolkit_controls_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ControlsTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ButtonPlacementTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ButtonDropDownTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckRadioTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LabelGroupBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HyperLinkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtComboBoxTest.cpp
  LIBS corvane_toolkit corvane_platform ole32 uuid shell32
  TIMEOUT 300)
add_dependencies(toolkit_controls_tests toolkit_link_recorder)
# Tracked menus, real input, cursor moves and the focus use the screen, where other programs' input or
# activation could reach them: they run on a screen of their own.
set(_controls_screen_tests "ButtonDropDownTest.*:ExtEditScreenTest.*:ExtComboBoxTest.*:ButtonTest.HeldButton*")
string(APPEND _controls_screen_tests ":ButtonTest.SpaceDownMoveUp*:ButtonTest.SplitButtonMainPart*")
string(APPEND _controls_screen_tests ":LabelGroupBoxTest.TextEnableUiStateAndFocusChanges*")
corvane_screen_tests(toolkit_controls_tests toolkit_controls_screen_tests "${_controls_screen_tests}" 120)
