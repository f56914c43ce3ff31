# Scroll bars, scroll indicators and the scroll view; sliders, range sliders
# and dials; busy, page and progress indicators: logic and geometry on the
# offscreen platform.
quilt_add_controls_qml_test(tst_quickranges DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/ranges"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/ranges/style.css")
quilt_add_controls_quick_test(tst_quickindicatoranimations SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/ranges/tst_indicatoranimations.cpp")
# A few pixels where mirroring and opacity decide them, drawn with OpenGL.
quilt_add_controls_qml_test(tst_quickrangespixels DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/rangespixels"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/rangespixels/style.css" WINDOW)
