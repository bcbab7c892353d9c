# Paint-manager core: styles, holder, colour tables, glyphs, static helpers and the gallery.
set(_paint_host ${CMAKE_CURRENT_LIST_DIR}/../support/PaintHost.cpp)
corvane_test(toolkit_paint_manager_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColorHelpersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorTablesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintManagerStateTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintStaticsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlyphTest.cpp
    ${_paint_host}
  LIBS corvane_toolkit
  TIMEOUT 300)
corvane_test(toolkit_paint_holder_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PaintManagerHolderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameEventTargetTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptSystemAnswersTest.cpp
    ${_paint_host}
  LIBS corvane_toolkit
  TIMEOUT 300)
# Writes build/gallery/*.png for people; the images are not compared.
corvane_test(paint_gallery
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PaintGallery.cpp
    ${_paint_host}
  LIBS corvane_toolkit
  TIMEOUT 300)
# The low-colour branches on a real 8-bit display: the program runs a second time on an X server
# of its own at depth 8 (in the normal run it skips).
corvane_test(toolkit_paint_lowcolor_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LowColorDisplayTest.cpp
    ${_paint_host}
  LIBS corvane_toolkit
  TIMEOUT 300)
find_program(CORVANE_XVFB_RUN xvfb-run PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH)
if(CORVANE_XVFB_RUN)
  add_test(NAME toolkit_paint_lowcolor_display
    COMMAND ${CORVANE_XVFB_RUN} -a -s "-screen 0 1024x768x8" ${CMAKE_BINARY_DIR}/wine-run.sh
            $<TARGET_FILE:toolkit_paint_lowcolor_tests> --gtest_brief=1)
  set_tests_properties(toolkit_paint_lowcolor_display PROPERTIES TIMEOUT 300
    ENVIRONMENT "CORVANE_EXPECT_8BPP=1;CORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};CORVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
endif()
