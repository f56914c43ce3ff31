# The whole module: its documents precompiled, every type in real use under
# the vocabulary fixture, and silence under halcyon, a style without rules
# and no style at all.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/whole")
quilt_add_controls_quick_test(tst_controlsprecompiled SOURCES "${dir}/tst_controlsprecompiled.cpp"
    LIBRARIES Qt6::QmlPrivate)
foreach(variant IN ITEMS fixture halcyon empty none)
    set(environment "QUILT_WHOLE_STYLE=${variant}")
    if(variant STREQUAL "halcyon")
        list(APPEND environment "QUILT_STYLE_NAME=halcyon" "QUILT_TEST_SHIPPED_STYLES=${QUILT_DATA_OUTPUT_DIR}/quilt/styles")
    elseif(variant STREQUAL "none")
        list(APPEND environment "QUILT_STYLE_NAME=quilt-no-such-style")
    endif()
    if(variant STREQUAL "fixture")
        set(name tst_controlsrealuse)
    else()
        set(name tst_controlssilence_${variant})
    endif()
    quilt_add_controls_quick_test(${name} SOURCES "${dir}/tst_controlsrealuse.cpp" WINDOW ENVIRONMENT ${environment})
    target_include_directories(${name} PRIVATE "${dir}")
    target_compile_definitions(${name} PRIVATE QUILT_VOCABULARY_SHEET="${dir}/vocabulary.css")
    if(variant STREQUAL "halcyon")
        add_dependencies(${name} quilt-halcyon)
    endif()
endforeach()
# The vocabulary: each name raised by putting its control into its state.
quilt_add_controls_qml_test(tst_controlsvocabulary DIRECTORY "${dir}" STYLE_SHEET "${dir}/vocabulary.css")
