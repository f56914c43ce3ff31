# Mnemonics: letter weights and assignment as tables, the Alt key in windows.
quilt_add_quick_test(tst_mnemonics SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/tst_mnemonics.cpp" WINDOW ACTIVATION)
