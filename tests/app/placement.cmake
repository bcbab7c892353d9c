# The main window's place and size through a window manager (openbox, the prefix managed): the trip to the tray by
# the manager's minimize and the first restore after a minimized start, with the manager's own input (xdotool).
corvane_phone_test(app_placement_wm_tests COM 83
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MainFramePlacementTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/phone/PhoneLinkTestSupport.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 120)
set_tests_properties(app_placement_wm_tests PROPERTIES RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR};CORVANE_NO_WM=0;CORVANE_SCREEN_WM=openbox")
# A folder of its own: the program keeps its data file beside itself.
set_target_properties(app_placement_wm_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/placement)
