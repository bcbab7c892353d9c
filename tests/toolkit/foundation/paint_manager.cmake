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
