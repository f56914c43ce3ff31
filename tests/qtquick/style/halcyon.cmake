# The Quick controls under the shipped style halcyon: geometry that only its
# rules give.
quilt_add_controls_quick_test(tst_controlshalcyon SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/halcyon/tst_halcyon.cpp" WINDOW
    ENVIRONMENT "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles" "QUILT_STYLE_NAME=halcyon")
