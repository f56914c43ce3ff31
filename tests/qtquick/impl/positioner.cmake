# The positioner: its layout geometry (plain C++), the layout item's traces and
# the scene under the application's own direction and right to left.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/positioner")
quilt_add_test(tst_layoutgeometry SOURCES "${dir}/tst_layoutgeometry.cpp" LIBRARIES Quilt::QuickImpl)
quilt_add_qml_test(tst_positioner DIRECTORY "${dir}" STYLE_SHEET "${dir}/positioner.css")
# The same scene in a right-to-left application.
add_test(NAME tst_positioner_rtl COMMAND tst_positioner -input "${dir}" -reverse)
set_tests_properties(tst_positioner_rtl PROPERTIES TIMEOUT 300 ENVIRONMENT
    "${QUILT_TEST_ENVIRONMENT};${QUILT_QUICK_TEST_COMMON_ENVIRONMENT};${QUILT_QUICK_TEST_OFFSCREEN_ENVIRONMENT};QUILT_TEST_STYLE_SHEET=${dir}/positioner.css")
quilt_add_quick_test(tst_positionerlayout SOURCES "${dir}/tst_positionerlayout.cpp")
