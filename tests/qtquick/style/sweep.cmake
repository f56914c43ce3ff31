# The robustness sweep: every document in sweep/ (one per family of
# controls, each holding its controls in their usual forms and with bad
# input) and in sweep/absurd/ (every type with absurd values) created,
# shown, driven and destroyed, in three processes: under halcyon, under a
# style without rules and without any style. On xcb, so that the scene
# graph's own materials render what the controls become.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/sweep")
foreach(variant IN ITEMS halcyon emptystyle nostyle)
    set(environment "QUILT_SWEEP_DIR=${dir}")
    if(variant STREQUAL "halcyon")
        list(APPEND environment "QUILT_SWEEP_STYLE=halcyon" "QUILT_STYLE_NAME=halcyon"
             "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
    elseif(variant STREQUAL "emptystyle")
        list(APPEND environment "QUILT_SWEEP_STYLE=empty")
    else()
        list(APPEND environment "QUILT_SWEEP_STYLE=none" "QUILT_STYLE_NAME=quilt-no-such-style")
    endif()
    quilt_add_controls_quick_test(tst_controlssweep_${variant} SOURCES "${dir}/tst_controlssweep.cpp" WINDOW
        LIBRARIES Qt6::CorePrivate ENVIRONMENT ${environment})
endforeach()
