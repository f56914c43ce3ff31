# The positioner: its layout geometry (plain C++) and the attached types.
quilt_add_test(tst_layoutgeometry SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/tst_layoutgeometry.cpp"
    LIBRARIES Quilt::QuickImpl)
