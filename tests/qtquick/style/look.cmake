# Pictures of the controls under the shipped style, into the build's look/
# folder; every family adds a document to look/.
quilt_add_controls_quick_test(tst_controlslook SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/look/tst_look.cpp" WINDOW
    ENVIRONMENT "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles" "QUILT_STYLE_NAME=halcyon"
    "QUILT_LOOK_DIR=${CMAKE_BINARY_DIR}/look")
add_dependencies(tst_controlslook quilt-halcyon)
target_compile_definitions(tst_controlslook PRIVATE QUILT_LOOK_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/look")
