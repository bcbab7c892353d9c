# Painters of glyphs, expand buttons, push buttons, menus, caption buttons, separators, docker
# backgrounds and bar metrics, on DIB pixels and real windows.
corvane_test(toolkit_bar_menu_painter_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GlyphExpandPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BarMetricsPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DockerPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptionButtonPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PushButtonPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BarMenuPainterSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../support/PaintHost.cpp
  LIBS corvane_toolkit
  TIMEOUT 300)
# Writes build/gallery/bar_menu_painters_*.png for people; the images are not compared.
corvane_test(paint_gallery_bar_menu_painters
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BarMenuPainterGallery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BarMenuPainterSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../support/PaintHost.cpp
  LIBS corvane_toolkit
  TIMEOUT 300)
