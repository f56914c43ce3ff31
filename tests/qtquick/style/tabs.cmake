# Tab bars, tab buttons and delay buttons, on the button content of the
# push-button family.
quilt_add_controls_qml_test(tst_quicktabs DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/tabs"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/tabs/style.css")
quilt_add_controls_qml_test(tst_quicktabspixels DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/tabspixels"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/tabspixels/style.css" WINDOW)
