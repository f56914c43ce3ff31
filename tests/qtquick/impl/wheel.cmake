# Wheel scrolling: the arithmetic (C++) and the WheelHandler type (Qt Quick Test).
quilt_add_test(tst_wheelscrolling SOURCES "${CMAKE_CURRENT_LIST_DIR}/wheel/tst_wheelscrolling.cpp"
    LIBRARIES Quilt::QuickImpl Qt6::Quick Qt6::Qml ENVIRONMENT "${QUILT_QUICK_TEST_ENVIRONMENT}")
target_include_directories(tst_wheelscrolling PRIVATE "${PROJECT_SOURCE_DIR}/src/qtquick/impl")
