# The robustness sweep: every document in sweep/ (one per family of
# controls, each holding its controls in their usual forms and with bad
# input) created, shown and destroyed under an empty style and, in a second
# process, without any style. Any warning fails.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/sweep")
foreach(variant IN ITEMS emptystyle nostyle)
    set(environment "QUILT_SWEEP_DIR=${dir}")
    if(variant STREQUAL "nostyle")
        list(APPEND environment "QUILT_STYLE_NAME=quilt-no-such-style")
    endif()
    quilt_add_controls_quick_test(tst_controlssweep_${variant} SOURCES "${dir}/tst_controlssweep.cpp"
        LIBRARIES Qt6::CorePrivate ENVIRONMENT ${environment})
endforeach()
