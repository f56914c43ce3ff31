#pragma once

#include <QtQuickTest/quicktest.h>

#include "quicktestfixture.h"

// main() of a Qt Quick test; see quilt_add_qml_test().
#define QUILT_QML_TEST_MAIN(name) QUICK_TEST_MAIN_WITH_SETUP(name, QuiltQuickTest::QmlSetup)
