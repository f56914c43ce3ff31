# The Quick controls under halcyon in the light and the dark scheme, read
# back at chosen pixels of the drawn window.
quilt_add_controls_quick_test(tst_controlshalcyonpixels
    SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/halcyonpixels/tst_halcyonpixels.cpp" WINDOW
    ENVIRONMENT "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles" "QUILT_STYLE_NAME=halcyon")
add_dependencies(tst_controlshalcyonpixels quilt-halcyon)
target_compile_definitions(tst_controlshalcyonpixels PRIVATE
    QUILT_TEST_DARK_SCHEME="${PROJECT_SOURCE_DIR}/src/tools/quickgallery/schemes/dark.colors"
    QUILT_TEST_ICONS_DIR="${QUILT_DATA_OUTPUT_DIR}/icons")
