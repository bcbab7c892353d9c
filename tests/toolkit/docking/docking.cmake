# The control bar core on the docking test host; the host also builds as docking_host.exe.
corvane_test(docking_core_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp
          ${CMAKE_CURRENT_LIST_DIR}/DockingCoreTestApp.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarLifeTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FrameDockingSetupTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarGeometryTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarRowsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarServicesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/BarsMenuTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ControlBarPaintTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)

# The host as a program of its own.
add_executable(docking_host WIN32 ${CMAKE_CURRENT_LIST_DIR}/DockingHost.cpp ${CMAKE_CURRENT_LIST_DIR}/DockingHostMain.cpp
               ${CORVANE_RC})
target_include_directories(docking_host PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(docking_host PRIVATE corvane_toolkit corvane_platform)
target_link_options(docking_host PRIVATE -Wl,--undefined=wWinMain)
