set(dir "${CMAKE_CURRENT_SOURCE_DIR}/element")
quilt_add_quick_test(tst_quickelement SOURCES "${dir}/tst_quickelement.cpp")
