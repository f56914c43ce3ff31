# Wheel scrolling: the arithmetic (C++) and the WheelHandler type (Qt Quick Test).
set(dir "${CMAKE_CURRENT_SOURCE_DIR}/wheel")

quilt_add_test(tst_wheelscrolling SOURCES "${dir}/tst_wheelscrolling.cpp"
    LIBRARIES Quilt::QuickImpl Qt6::Quick Qt6::Qml
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" "QT_QUICK_BACKEND=software")
target_include_directories(tst_wheelscrolling PRIVATE "${PROJECT_SOURCE_DIR}/src/qtquick/impl")

# Its own main: the harness's setup plus a helper that sends touchpad wheel
# events and changes the desktop's wheel step. On xcb, where Alt does not swap
# the wheel axes; the software scene graph is enough. Keys need the active
# window, hence the activation lock.
# A plain executable, as the harness's: the QML plug-ins load at run time.
add_executable(tst_wheelhandler "${dir}/tst_wheelhandler.cpp")
set_target_properties(tst_wheelhandler PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests" AUTOMOC ON)
target_compile_definitions(tst_wheelhandler PRIVATE QUICK_TEST_SOURCE_DIR="${dir}")
target_link_libraries(tst_wheelhandler PRIVATE QuiltQuickTestCommon)
add_dependencies(tst_wheelhandler QuiltQuickImplplugin quilt-css QuiltTestPlugins)
add_test(NAME tst_wheelhandler COMMAND tst_wheelhandler -input "${dir}")
set_tests_properties(tst_wheelhandler PROPERTIES TIMEOUT 300 RESOURCE_LOCK quilt-window-activation
    ENVIRONMENT "${QUILT_TEST_ENVIRONMENT};${QUILT_QUICK_TEST_COMMON_ENVIRONMENT};QT_QPA_PLATFORM=xcb;QT_QUICK_BACKEND=software")
