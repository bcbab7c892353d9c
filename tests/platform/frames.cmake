corvane_test(platform_frames_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FramesTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FrameDocViewTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PropertySheetTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ValuesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MdiFrameTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FrameToolTipTest.cpp
  LIBS corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/frames_test.rc
  TIMEOUT 300)
# The foreground and the window order of the whole session: another program taking the foreground meanwhile would move
# them.
corvane_screen_tests(platform_frames_tests platform_frames_screen_tests
  "Dialog.AClickOnAWindowABoxBlocksBringsTheBoxAboveTheProgramsOtherWindows" 120)
