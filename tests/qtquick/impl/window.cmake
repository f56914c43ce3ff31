# The window handler: windows on xcb, whose activation the tests switch.
quilt_add_quick_test(tst_windowhandler SOURCES "${CMAKE_CURRENT_SOURCE_DIR}/window/tst_windowhandler.cpp"
    WINDOW ACTIVATION)
