# The module: imports, versions and every type name.
quilt_add_controls_qml_test(tst_controlsmodule DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/module"
    STYLE_SHEET "${CMAKE_CURRENT_SOURCE_DIR}/module/style.css")
# The module's files and its plug-in, in a process that never loads the
# registry itself.
quilt_add_controls_quick_test(tst_controlsmodulefiles SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/module/tst_modulefiles.cpp"
    LIBRARIES Qt6::QmlPrivate)
