# The module, the attached Element and Style, style hints, alignment and sizes.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/element")
quilt_add_quick_test(tst_quickmodule SOURCES "${dir}/tst_quickmodule.cpp")
quilt_add_quick_test(tst_quickelement SOURCES "${dir}/tst_quickelement.cpp")
quilt_add_quick_test(tst_quickstyle SOURCES "${dir}/tst_quickstyle.cpp" LIBRARIES Qt6::CorePrivate)
quilt_add_quick_test(tst_stylehints SOURCES "${dir}/tst_stylehints.cpp")
# No package of the default style's name: elements run without a style.
quilt_add_quick_test(tst_quicknostyle SOURCES "${dir}/tst_quicknostyle.cpp"
    ENVIRONMENT "QUILT_STYLE_NAME=quilt-no-such-style")
quilt_add_qml_test(tst_qmlstyle DIRECTORY "${dir}/qml" STYLE_SHEET "${dir}/qml/style.css")
# The guide's examples load and run.
quilt_add_quick_test(tst_quickdocs SOURCES "${dir}/tst_quickdocs.cpp")
target_compile_definitions(tst_quickdocs PRIVATE QUILT_QUICK_GUIDE="${PROJECT_SOURCE_DIR}/docs/quick.md")
# No platform plug-in to find: QML's first element creates the registry and
# with it the fallback platform plug-in.
quilt_add_quick_test(tst_quickfallbackplatform SOURCES "${dir}/tst_quickfallbackplatform.cpp")
