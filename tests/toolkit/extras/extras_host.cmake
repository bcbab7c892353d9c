# The extra controls' test host: its windows live in a small library that the host program and the
# tests share. The tests show windows and send real input.
add_library(extras_host_lib STATIC ${CMAKE_CURRENT_LIST_DIR}/ExtrasHost.cpp)
target_include_directories(extras_host_lib PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(extras_host_lib PUBLIC corvane_toolkit corvane_platform)

corvane_test(toolkit_extras_host_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ExtrasTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabFlatWndTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FlatPageContainerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtTabMdiFlatWndTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFieldTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarTextFieldButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFieldEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFieldListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtBarDateFieldButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolBarColorDialogTest.cpp
  LIBS extras_host_lib corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(toolkit_extras_host_tests PROPERTIES RUN_SERIAL TRUE)

# The host as a program of its own, to look at by hand.
add_executable(extras_host WIN32 ${CMAKE_CURRENT_LIST_DIR}/ExtrasHostMain.cpp ${CORVANE_RC})
target_link_libraries(extras_host PRIVATE extras_host_lib corvane_toolkit corvane_platform)
target_link_options(extras_host PRIVATE -Wl,--undefined=wWinMain)
