# Styled rectangles where the scene graph runs no shaders: the software
# renderer on xcb, and the offscreen platform, which has nothing else.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/softwarepixels")
quilt_add_controls_quick_test(tst_quicksoftwarepixels SOURCES "${dir}/tst_softwarepixels.cpp" WINDOW
    ENVIRONMENT "QT_QUICK_BACKEND=software")
quilt_add_controls_quick_test(tst_quicksoftwarepixels_offscreen SOURCES "${dir}/tst_softwarepixels.cpp")
foreach(name IN ITEMS tst_quicksoftwarepixels tst_quicksoftwarepixels_offscreen)
    target_compile_definitions(${name} PRIVATE QUILT_TEST_IMAGE="${dir}/halfblack.png")
endforeach()
