# The module: imports, versions and every type name.
quilt_add_controls_qml_test(tst_controlsmodule DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/module"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/module/style.css")
