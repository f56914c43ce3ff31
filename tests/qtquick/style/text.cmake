# Text fields, text areas and their context menu, combo and spin boxes,
# search fields and tumblers: logic offscreen, pixels on OpenGL.
quilt_add_controls_qml_test(tst_controlstext DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/text"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/text/style.css")
quilt_add_controls_qml_test(tst_controlstextpixels DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/textpixels"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/textpixels/style.css" WINDOW)
