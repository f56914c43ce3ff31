include("${CMAKE_CURRENT_LIST_DIR}/windowlsan.cmake")
# Mnemonics: letter weights and assignment as tables, the Alt key in windows.
quilt_add_quick_test(tst_mnemonics SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/mnemonics/tst_mnemonics.cpp" WINDOW
    ENVIRONMENT "${QUILT_QUICK_WINDOW_LSAN_OPTIONS}" ACTIVATION)
