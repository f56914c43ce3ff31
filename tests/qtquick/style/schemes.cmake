# The controls under halcyon and the desktop's colour schemes: restyling from
# a rewritten scheme, pictures under the default and the dark scheme into the
# build's look/ folder, and once without the colour provider.
foreach(variant IN ITEMS provider noprovider)
    set(name tst_controlsschemes)
    set(environment "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles" "QUILT_STYLE_NAME=halcyon"
        "QUILT_LOOK_DIR=${CMAKE_BINARY_DIR}/look")
    if(variant STREQUAL "noprovider")
        set(name tst_controlsschemes_noprovider)
        list(APPEND environment "QUILT_TEST_HIDE_COLOR_PROVIDER=1")
    endif()
    quilt_add_controls_quick_test(${name} SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/schemes/tst_controlsschemes.cpp" WINDOW
        ENVIRONMENT ${environment})
    add_dependencies(${name} quilt-halcyon)
    target_compile_definitions(${name} PRIVATE
        QUILT_TEST_DARK_SCHEME="${PROJECT_SOURCE_DIR}/src/tools/quickgallery/schemes/dark.colors")
endforeach()
