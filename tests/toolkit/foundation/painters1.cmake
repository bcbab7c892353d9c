# Painters of glyphs, expand buttons, push buttons, menus, caption buttons, separators, docker
# backgrounds and bar metrics, on DIB pixels and real windows.
corvane_test(toolkit_painters1_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1GlyphTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1MetricsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1DockerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1CaptionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1MenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1PushButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1Support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../support/PaintHost.cpp
  LIBS corvane_toolkit
  TIMEOUT 300)
# Writes build/gallery/painters1_*.png for people; the images are not compared.
corvane_test(paint_gallery_painters1
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1Gallery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintPainters1Support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../support/PaintHost.cpp
  LIBS corvane_toolkit
  TIMEOUT 300)
