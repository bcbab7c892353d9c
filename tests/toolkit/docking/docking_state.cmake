# The docking state: its archive form, and saving and loading it through the registry on the docking test host.
corvane_test(docking_state_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingStateArchiveTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingStateRestoreTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingFloatTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MiniDockFrameTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
# Showing the frame and moving windows on the screen: alone.
set(_docking_state_screen_tests "DockingStateRestore.NoKey*:MiniDockFrameInput.*")
corvane_screen_tests(docking_state_tests docking_state_screen_tests "${_docking_state_screen_tests}" 120)
