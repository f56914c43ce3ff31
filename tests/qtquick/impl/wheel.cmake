# Wheel scrolling: the arithmetic (C++) and the WheelHandler type (Qt Quick Test).
quilt_add_test(tst_wheelscrolling SOURCES "${CMAKE_CURRENT_LIST_DIR}/wheel/tst_wheelscrolling.cpp"
    LIBRARIES Quilt::QuickImpl Qt6::Quick Qt6::Qml ENVIRONMENT "${QUILT_QUICK_TEST_ENVIRONMENT}")
target_include_directories(tst_wheelscrolling PRIVATE "${PROJECT_SOURCE_DIR}/src/qtquick/impl")

qt_add_executable(tst_wheelhandler "${CMAKE_CURRENT_LIST_DIR}/wheel/tst_wheelhandler.cpp")
set_target_properties(tst_wheelhandler PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
target_link_libraries(tst_wheelhandler PRIVATE Qt6::QuickTest Qt6::Quick Qt6::Qml)
target_compile_definitions(tst_wheelhandler PRIVATE
    QUICK_TEST_SOURCE_DIR="${CMAKE_CURRENT_LIST_DIR}/wheel")
add_dependencies(tst_wheelhandler QuiltQuickImplplugin)
add_test(NAME tst_wheelhandler COMMAND tst_wheelhandler)
set_tests_properties(tst_wheelhandler PROPERTIES TIMEOUT 300
    ENVIRONMENT "${QUILT_TEST_ENVIRONMENT};${QUILT_QUICK_TEST_ENVIRONMENT};QT_QUICK_BACKEND=software")
