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
set_tests_properties(docking_state_tests PROPERTIES ENVIRONMENT
  "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};GTEST_FILTER=-${_docking_state_screen_tests}")
add_test(NAME docking_state_screen_tests COMMAND docking_state_tests --gtest_brief=1 --gtest_filter=${_docking_state_screen_tests})
set_tests_properties(docking_state_screen_tests PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE
  ENVIRONMENT "CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
