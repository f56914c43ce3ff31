# Mnemonics: letter weights and assignment as tables, the Alt key under Xvfb.
quilt_add_test(tst_mnemonics SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/tst_mnemonics.cpp"
    LIBRARIES Quilt::QuickImpl)
