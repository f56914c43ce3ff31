# Stack, swipe and split views, the selection rectangle, table and tree
# cells, header views and the calendar views.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/views")
quilt_add_controls_qml_test(tst_controlsviews DIRECTORY "${dir}" STYLE_SHEET "${dir}/views.css")
quilt_add_controls_quick_test(tst_stacktransitions SOURCES "${dir}/tst_stacktransitions.cpp")
quilt_add_controls_quick_test(tst_refusedcommit SOURCES "${dir}/tst_refusedcommit.cpp")
# Views of many rows whose delegates set no height, under halcyon and under a
# style without rules.
foreach(variant IN ITEMS halcyon emptystyle)
    set(environment "QUILT_ROWS_STYLE=${variant}")
    if(variant STREQUAL "halcyon")
        list(APPEND environment "QUILT_STYLE_NAME=halcyon"
             "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
    endif()
    quilt_add_controls_quick_test(tst_delegaterows_${variant} SOURCES "${dir}/tst_delegaterows.cpp" WINDOW
        ENVIRONMENT ${environment})
endforeach()
