# The settings sheet with its pages, the login, the text entry dialog and the colour picker, with
# the simulated phone behind the connection page (real windows, keys and clicks).
corvane_phone_test(settings_tests COM 6
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SettingsTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsSheetTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsSheetLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConnectionTimeoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsPagesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConnectionPageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MyTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MyTextCurrentItemTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ServiceCentreErrorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColourPickerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ViewTestButtonTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 480)
set_tests_properties(settings_tests PROPERTIES RUN_SERIAL TRUE)
# A folder of its own: the program keeps its data file and MyText file beside itself.
set_target_properties(settings_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/settings)
