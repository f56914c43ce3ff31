# Qt's own Quick Controls examples under this style beside Qt's Basic, one
# test per example. A generic plug-in of its own folder goes into each
# program to report its window, walk the gallery's pages and end it.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/examples")
set(walker_dir "${CMAKE_BINARY_DIR}/tests/plugins-walker")
qt_add_plugin(quilt-example-walker SHARED)
target_sources(quilt-example-walker PRIVATE "${dir}/examplewalker.cpp")
set_target_properties(quilt-example-walker PROPERTIES LIBRARY_OUTPUT_DIRECTORY "${walker_dir}/generic")
target_link_libraries(quilt-example-walker PRIVATE Qt6::Gui Qt6::Qml Qt6::Quick)

# One program, registered once per example below.
qt_add_executable(tst_qtexamples "${dir}/tst_qtexamples.cpp")
set_target_properties(tst_qtexamples PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
    QT_QML_MODULE_NO_IMPORT_SCAN ON)
target_link_libraries(tst_qtexamples PRIVATE Qt6::Test)
target_compile_definitions(tst_qtexamples PRIVATE
    QUILT_QML_DIR="${QT_QML_OUTPUT_DIRECTORY}"
    QUILT_PLUGIN_DIR="${QUILT_PLUGIN_OUTPUT_DIR}"
    QUILT_WALKER_PLUGIN_DIR="${walker_dir}")
if(QUILT_SANITIZE)
    # The examples are not instrumented: the sanitizers' runtime is preloaded
    # into them for the plug-ins that are.
    foreach(runtime IN ITEMS asan ubsan)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${runtime}.so
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        list(APPEND runtimes "${path}")
    endforeach()
    list(JOIN runtimes ":" runtimes)
    target_compile_definitions(tst_qtexamples PRIVATE QUILT_SANITIZER_RUNTIME="${runtimes}")
endif()
add_dependencies(tst_qtexamples quilt-example-walker QuiltQuickStyle QuiltQuickStyleplugin QuiltQuickImplplugin
    quilt-css quilt-halcyon quilt-loompalette quilt-meridian)
foreach(example IN ITEMS texteditor gallery contactlist filesystemexplorer eventcalendar
        chattutorial1 chattutorial2 chattutorial3 chattutorial4 chattutorial5)
    add_test(NAME tst_qtexamples_${example} COMMAND tst_qtexamples start:${example})
    set_tests_properties(tst_qtexamples_${example} PROPERTIES ENVIRONMENT "${QUILT_TEST_ENVIRONMENT}" TIMEOUT 300)
endforeach()
