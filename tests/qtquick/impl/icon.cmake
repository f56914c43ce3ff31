include("${CMAKE_CURRENT_LIST_DIR}/windowlsan.cmake")
# The icon item, drawn on OpenGL under Xvfb. The fixture icon theme (16, 22
# and 32 px, one colour each) is written by the test into a temporary folder.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/icon")
quilt_add_quick_test(tst_icon SOURCES "${dir}/tst_icon.cpp" WINDOW
    ENVIRONMENT "${QUILT_QUICK_WINDOW_LSAN_OPTIONS}" LIBRARIES Qt6::QuickTemplates2 Qt6::QuickPrivate Qt6::Widgets)
qt_add_resources(tst_icon "icontest" PREFIX "/icon-test" BASE "${dir}" FILES "${dir}/resource-icon.png")
