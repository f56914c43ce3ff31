# Button content, push buttons, toggles and item delegates: logic, offscreen.
quilt_add_controls_qml_test(tst_controlsbuttons DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/buttons"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/buttons/style.css")
