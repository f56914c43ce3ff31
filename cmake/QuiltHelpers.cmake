# Compile settings shared by the deliverables that make up the engine: they are
# built without exception support, so nothing in them may throw.
function(quilt_no_exceptions target)
    target_compile_options(${target} PRIVATE -fno-exceptions)
endfunction()

# Environment under which every test runs: plug-ins and data of the build
# tree (the real plug-ins and the tests' own), no user configuration,
# sanitizer settings.
set(QUILT_TEST_ENVIRONMENT
    "QT_PLUGIN_PATH=${QUILT_PLUGIN_OUTPUT_DIR}:${QUILT_TEST_PLUGIN_OUTPUT_DIR}"
    "XDG_DATA_DIRS=${QUILT_DATA_OUTPUT_DIR}"
    "QT_QPA_PLATFORM=xcb"
    "QSG_RHI_BACKEND=opengl"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
)

# quilt_add_test(NAME SOURCES... [LIBRARIES ...] [ENVIRONMENT ...])
# One Qt Test program, one process, registered with CTest.
function(quilt_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    qt_add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
    # Qt is shared: QML plug-ins load at run time, so the finaliser's import
    # scan (which looks for plug-ins to link, as for a static Qt) has nothing
    # to do and only warns that their link targets do not exist.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
        QT_QML_MODULE_NO_IMPORT_SCAN ON)
    target_link_libraries(${name} PRIVATE Qt6::Test QuiltTestCommon ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${QUILT_TEST_ENVIRONMENT};${T_ENVIRONMENT}" TIMEOUT 300)
endfunction()

# Every tst_*.cpp in the calling folder becomes a test of that name, linked to
# the given libraries.
function(quilt_add_tests_in_folder)
    cmake_parse_arguments(T "" "" "LIBRARIES" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp")
    foreach(source IN LISTS sources)
        get_filename_component(name "${source}" NAME_WE)
        quilt_add_test(${name} SOURCES "${source}" LIBRARIES ${T_LIBRARIES})
    endforeach()
endfunction()

# quilt_install_rpath(TARGET DESTINATION)
# An installed plug-in lies deep below the library folder (plugins/styles,
# qml/org/vyr/quilt, ...): its run path leads from where it lies to the
# installed libraries, relative to itself so that the prefix can move.
function(quilt_install_rpath target destination)
    if(IS_ABSOLUTE "${destination}" OR IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
        cmake_path(ABSOLUTE_PATH destination BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE from)
        set(to "${CMAKE_INSTALL_FULL_LIBDIR}")
    else()
        # Both below the prefix: the way between them does not depend on it.
        set(from "/prefix/${destination}")
        set(to "/prefix/${CMAKE_INSTALL_LIBDIR}")
    endif()
    file(RELATIVE_PATH relative "${from}" "${to}")
    string(REGEX REPLACE "/+$" "" relative "${relative}")
    if(relative STREQUAL "")
        set(rpath "$ORIGIN")
    else()
        set(rpath "$ORIGIN/${relative}")
    endif()
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "${rpath}")
endfunction()
