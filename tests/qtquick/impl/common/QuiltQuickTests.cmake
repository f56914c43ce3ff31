# Functions that register the Quick library's tests with the environment they
# need. Every test finds the module through QML_IMPORT_PATH, the CSS input
# plug-in and the platform fixture "testplain" through QT_PLUGIN_PATH; the
# test main writes the fixture style into a temporary XDG home.
#
# Tests that show no window run on the offscreen platform. WINDOW tests run on
# xcb in the X server of `tools/dev test` with OpenGL: the offscreen platform
# only has the software scene graph, which runs no custom material. Tests that
# need a window to become active add ACTIVATION: they share one lock, since
# tests side by side on one X server take each other's focus.

set(QUILT_QUICK_TEST_COMMON_ENVIRONMENT
    ${QUILT_QUICK_TEST_ENVIRONMENT}
    "QUILT_FORCE_PLATFORM=testplain"
    "QUILT_DISABLE_STYLE_CACHE=1")
set(QUILT_QUICK_TEST_OFFSCREEN_ENVIRONMENT "QT_QPA_PLATFORM=offscreen" "QT_QUICK_BACKEND=software")
set(QUILT_QUICK_TEST_WINDOW_ENVIRONMENT "QT_QPA_PLATFORM=xcb" "QT_QUICK_BACKEND=rhi" "QSG_RHI_BACKEND=opengl")

function(_quilt_quick_test_properties name window activation environment)
    if(window)
        set(platform ${QUILT_QUICK_TEST_WINDOW_ENVIRONMENT})
    else()
        set(platform ${QUILT_QUICK_TEST_OFFSCREEN_ENVIRONMENT})
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "${QUILT_TEST_ENVIRONMENT};${QUILT_QUICK_TEST_COMMON_ENVIRONMENT};${platform};${environment}"
        TIMEOUT 300)
    if(activation)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK quilt-window-activation)
    endif()
    # What the tests load at run time rather than link.
    add_dependencies(${name} QuiltQuickImplplugin quilt-css QuiltTestPlugins)
endfunction()

# quilt_add_quick_test(NAME SOURCES ... [WINDOW] [ACTIVATION] [LIBRARIES ...]
#                      [ENVIRONMENT ...])
# A C++ Qt Test; its source ends with QUILT_QUICK_TEST_MAIN(TestClass, css).
function(quilt_add_quick_test name)
    cmake_parse_arguments(T "WINDOW;ACTIVATION" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    # A plain executable: Qt's finaliser would look for QML plug-ins to link
    # into it, and this build loads them at run time.
    add_executable(${name} ${T_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests" AUTOMOC ON)
    target_link_libraries(${name} PRIVATE QuiltQuickTestCommon ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    _quilt_quick_test_properties(${name} "${T_WINDOW}" "${T_ACTIVATION}" "${T_ENVIRONMENT}")
endfunction()

# quilt_add_qml_test(NAME DIRECTORY dir [STYLE_SHEET file.css] [WINDOW]
#                    [ACTIVATION] [ENVIRONMENT ...])
# A Qt Quick Test over the tst_*.qml files of `dir`, with `file.css` as the
# fixture style. Its documents reach the platform fixture as `testPlatform`.
function(quilt_add_qml_test name)
    cmake_parse_arguments(T "WINDOW;ACTIVATION" "DIRECTORY;STYLE_SHEET" "ENVIRONMENT;LIBRARIES" ${ARGN})
    get_filename_component(directory "${T_DIRECTORY}" ABSOLUTE)
    set(main "${CMAKE_CURRENT_BINARY_DIR}/${name}_main.cpp")
    file(CONFIGURE OUTPUT "${main}" CONTENT "#include \"quicktestmain.h\"\nQUILT_QML_TEST_MAIN(${name})\n")
    add_executable(${name} "${main}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests" AUTOMOC ON)
    target_compile_definitions(${name} PRIVATE QUICK_TEST_SOURCE_DIR="${directory}")
    target_link_libraries(${name} PRIVATE QuiltQuickTestCommon ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name} -input "${directory}")
    set(environment ${T_ENVIRONMENT})
    if(T_STYLE_SHEET)
        get_filename_component(sheet "${T_STYLE_SHEET}" ABSOLUTE)
        list(APPEND environment "QUILT_TEST_STYLE_SHEET=${sheet}")
    endif()
    _quilt_quick_test_properties(${name} "${T_WINDOW}" "${T_ACTIVATION}" "${environment}")
endfunction()
