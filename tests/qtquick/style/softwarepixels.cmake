# Styled rectangles where the scene graph runs no shaders: the software
# renderer on xcb, and the offscreen platform, which has nothing else.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/softwarepixels")
quilt_add_controls_quick_test(tst_quicksoftwarepixels SOURCES "${dir}/tst_softwarepixels.cpp" WINDOW
    ENVIRONMENT "QT_QUICK_BACKEND=software")
quilt_add_controls_quick_test(tst_quicksoftwarepixels_offscreen SOURCES "${dir}/tst_softwarepixels.cpp")
# Painted looks in device pixels.
quilt_add_controls_quick_test(tst_quicksoftwarepixels_scaled SOURCES "${dir}/tst_softwarepixels.cpp" WINDOW
    ENVIRONMENT "QT_QUICK_BACKEND=software" "QT_SCALE_FACTOR=2")
foreach(name IN ITEMS tst_quicksoftwarepixels tst_quicksoftwarepixels_offscreen tst_quicksoftwarepixels_scaled)
    target_compile_definitions(${name} PRIVATE QUILT_TEST_IMAGE="${dir}/halfblack.png")
endforeach()
