# Painters of edit and combo frames, tab windows, bar frames, status bars, date-picker parts and the
# Studio 2005 style; docking markers with their windows.
set(_paint_host ${CMAKE_CURRENT_LIST_DIR}/../support/PaintHost.cpp)
corvane_test(toolkit_frame_tab_painter_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FramePainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BarFramePainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TabStatusPainterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DatePickerStudioPainterTest.cpp
    ${_paint_host}
  LIBS corvane_toolkit
  TIMEOUT 300)
corvane_test(toolkit_dock_marker_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DockMarkerTest.cpp
    ${_paint_host}
  LIBS corvane_toolkit
  TIMEOUT 300)
# The gallery program of the paint-manager core (paint_manager.cmake, read before this file) also
# draws these painters.
if(TARGET paint_gallery)
  target_sources(paint_gallery PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PainterGallery.cpp)
endif()
