# Every visual type declared bare, beside Qt's Basic (parts and implicit
# sizes) and Fusion (the length of the ranges): under halcyon, a style
# without rules and no style at all.
foreach(variant IN ITEMS halcyon empty none)
    set(environment "QUILT_PARTS_STYLE=${variant}")
    if(variant STREQUAL "halcyon")
        list(APPEND environment "QUILT_STYLE_NAME=halcyon" "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
    elseif(variant STREQUAL "none")
        list(APPEND environment "QUILT_STYLE_NAME=quilt-no-such-style")
    endif()
    set(name tst_controlsparts_${variant})
    quilt_add_controls_quick_test(${name} SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/parts/tst_controlsparts.cpp"
        ENVIRONMENT ${environment})
    if(variant STREQUAL "halcyon")
        add_dependencies(${name} quilt-halcyon)
    endif()
endforeach()
