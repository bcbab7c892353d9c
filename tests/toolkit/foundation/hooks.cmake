corvane_test(toolkit_hooks_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FoundationTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HookSinkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoundPlayerTest.cpp
  LIBS corvane_toolkit
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/foundation_test.rc
  TIMEOUT 300)
