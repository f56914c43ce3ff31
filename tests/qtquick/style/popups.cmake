# Menus and the menu bar, tool tips, containers and labels, popups, dialogs,
# drawers and the dialog button box. Popups run on xcb; the tests that press
# keys or hold a pointer need their window active.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/menus")
quilt_add_controls_qml_test(tst_controlsmenus DIRECTORY "${dir}" STYLE_SHEET "${dir}/style.css"
    WINDOW ACTIVATION)
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/popups")
quilt_add_controls_qml_test(tst_controlspopups DIRECTORY "${dir}" STYLE_SHEET "${dir}/style.css"
    WINDOW ACTIVATION)
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/containers")
quilt_add_controls_qml_test(tst_controlscontainers DIRECTORY "${dir}" STYLE_SHEET "${dir}/style.css")
