# The robustness sweep: every document in sweep/ (one per family of
# controls, each holding its controls in their usual forms and with bad
# input) and in sweep/absurd/ (every type with absurd values) created,
# shown, driven and destroyed, in three processes: under halcyon, under a
# style without rules and without any style. On xcb, so that the scene
# graph's own materials render what the controls become.
#
# Each absurd form runs as a test of its own, so that one slow form under the
# sanitizers neither takes the others past the time limit nor keeps them from
# running side by side.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/sweep")
file(GLOB absurd_forms CONFIGURE_DEPENDS "${dir}/absurd/*.qml")
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
    set(name tst_controlssweep_${variant})
    quilt_add_controls_quick_test(${name} SOURCES "${dir}/tst_controlssweep.cpp" WINDOW
        LIBRARIES Qt6::CorePrivate ENVIRONMENT ${environment} "QUILT_SWEEP_FORMS_APART=1")
    get_test_property(${name} ENVIRONMENT test_environment)
    get_test_property(${name} TIMEOUT test_timeout)
    foreach(form IN LISTS absurd_forms)
        get_filename_component(form "${form}" NAME_WE)
        add_test(NAME ${name}_absurd_${form} COMMAND ${name} absurd:${form})
        set_tests_properties(${name}_absurd_${form} PROPERTIES ENVIRONMENT "${test_environment}"
            TIMEOUT ${test_timeout})
    endforeach()
endforeach()
