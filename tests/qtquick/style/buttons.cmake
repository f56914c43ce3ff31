# Button content, push buttons, toggles and item delegates: logic, offscreen.
quilt_add_controls_qml_test(tst_controlsbuttons DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/buttons"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/buttons/style.css")
# Their pixels: xcb with OpenGL.
quilt_add_controls_qml_test(tst_controlsbuttonspixels DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/buttonspixels" WINDOW
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/buttonspixels/style.css")
