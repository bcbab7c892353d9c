corvane_test(toolkit_popup_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MenuTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupLifecycleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupModalLoopTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupMouseHookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupClickTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupKeyboardHookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupShadowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupAnimationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupTipStatusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupKeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupHoverTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupInplaceEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupCloseReentryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupTypeAheadTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuTest.rc
  TIMEOUT 300)
# The paint, tip and mouse tests read the screen and send real input: no other test may put its
# windows on the display meanwhile.
set_tests_properties(toolkit_popup_tests PROPERTIES RUN_SERIAL TRUE)

# The toolkit gallery for people (not a test): build/tests/toolkit_gallery.exe. Each page is one
# source file in gallery/ that registers itself; later pages join this list.
add_executable(toolkit_gallery WIN32
  ${CMAKE_CURRENT_LIST_DIR}/gallery/GalleryApp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gallery/MenusPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gallery/ControlsPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gallery/EditsPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gallery/ResizablePage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gallery/Gallery.rc)
target_include_directories(toolkit_gallery PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR}/gallery)
target_link_libraries(toolkit_gallery PRIVATE corvane_toolkit corvane_platform)
target_link_options(toolkit_gallery PRIVATE -Wl,--undefined=wWinMain)

# The colour, list, date and undo/redo popups and the colour button; they read the screen.
corvane_test(toolkit_special_popup_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MenuTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SpecialPopupTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupColorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupControlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupListBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupUndoRedoTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PopupDatePickerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorButtonPopupPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuItemFieldPaintTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/InputScript.cpp
  LIBS corvane_toolkit corvane_platform
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/SpecialPopupTest.rc
  TIMEOUT 300)
set_tests_properties(toolkit_special_popup_tests PROPERTIES RUN_SERIAL TRUE)
# The gallery page of the special popups.
target_sources(toolkit_gallery PRIVATE ${CMAKE_CURRENT_LIST_DIR}/gallery/SpecialPopupsPage.cpp)
