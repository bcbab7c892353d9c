# The control bar core on the docking test host; the host also builds as docking_host.exe.
corvane_test(docking_core_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarLifeTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FrameDockingSetupTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarGeometryTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarRowsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarServicesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/BarsMenuTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarPaintTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FrameSystemEventsTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
# The tests that activate the frame, send mouse input, read the screen or change the system colours run
# alone: other programs' windows and captures would disturb them, and they would disturb the others.
set(_docking_screen_tests "ControlBarPaint.*:FrameSystemEvents.*:ControlBarGeometry.AHoveredButton*:ControlBarServices.ToggleCommands*:ControlBarServices.FocusingTheDockSite*:BarsMenu.ARightClickOnABar*:BarsMenu.ADockBars*:BarsMenu.InHelpMode*:BarsMenu.CaptionButtons*")
corvane_screen_tests(docking_core_tests docking_core_screen_tests "${_docking_screen_tests}" 120)

# The host as a program of its own.
add_executable(docking_host WIN32 ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp ${CMAKE_CURRENT_LIST_DIR}/DockingHostMain.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
               ${CORVANE_RC})
target_include_directories(docking_host PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(docking_host PRIVATE corvane_toolkit corvane_platform)
target_link_options(docking_host PRIVATE -Wl,--undefined=wWinMain)

# Dock bars, rows, containers, circles and splitters on the docking test host.
corvane_test(docking_bars_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockContainersTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockBarRowsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockCirclesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockOuterBarTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockMendsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SplitterLoopTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/TrackerPaintTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SplitterTrackingTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set(_docking_bars_screen_tests "SplitterTracking.*:DockBarPaint.*:DockMends.DockingAtAMissing*")
corvane_screen_tests(docking_bars_tests docking_bars_screen_tests "${_docking_bars_screen_tests}" 120)
