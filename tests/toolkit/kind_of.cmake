# The one file per toolkit folder that answers what kind a higher object is.
corvane_test(toolkit_kind_of_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/foundation/ExtKindOfTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus_dialogs/ExtMenuKindOfTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/docking/ExtDockingKindOfTest.cpp
  LIBS corvane_toolkit
  TIMEOUT 120)
