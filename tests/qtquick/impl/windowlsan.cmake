# The GL driver that a window test loads is unloaded before LeakSanitizer
# reports, so its allocations carry no module name; the slow unwinder reaches
# the GL library frame that windowlsan.supp names.
set(QUILT_QUICK_WINDOW_LSAN_OPTIONS
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/windowlsan.supp:print_suppressions=0:fast_unwind_on_malloc=0")
