# The main window's resources and the tray icon with a small host window (shown windows, the
# shell's tray, a tracked menu).
corvane_test(app_tray_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MainFrameResourcesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemTrayTest.cpp
  LIBS corvane_app corvane_toolkit corvane_phone
  TIMEOUT 120)
set_tests_properties(app_tray_tests PROPERTIES RUN_SERIAL TRUE)
