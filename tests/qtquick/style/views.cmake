# Stack, swipe and split views, the selection rectangle, table and tree
# cells, header views and the calendar views.
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/views")
quilt_add_controls_qml_test(tst_controlsviews DIRECTORY "${dir}" STYLE_SHEET "${dir}/views.css")
quilt_add_controls_quick_test(tst_stacktransitions SOURCES "${dir}/tst_stacktransitions.cpp")
quilt_add_controls_quick_test(tst_refusedcommit SOURCES "${dir}/tst_refusedcommit.cpp")
