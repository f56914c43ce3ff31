# The attached Style's property-group tree, made on first read.
quilt_add_quick_test(tst_styletree SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/styletree/tst_styletree.cpp"
    LIBRARIES Qt6::CorePrivate)
