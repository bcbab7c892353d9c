# The colour control with its picker models, and the colour dialog. They show windows and send real input.
corvane_test(toolkit_color_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColorTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorCellModelsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorCubeModelsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorPanelModelsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtColorCtrlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExtColorDlgTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorTestHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorHostTest.cpp
  LIBS corvane_toolkit corvane_platform
  TIMEOUT 300)
set_tests_properties(toolkit_color_tests PROPERTIES RUN_SERIAL TRUE)
