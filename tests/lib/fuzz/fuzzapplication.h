#pragma once

// The readers build fonts and colours, which want a QGuiApplication. Under
// libFuzzer there is none; the corpus tests bring their own.

#include <QGuiApplication>
#include <QLoggingCategory>

namespace QuiltFuzz
{
inline void ensureApplication()
{
    if (QCoreApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Refused inputs are the common case; their messages would drown the
    // fuzzer's own output.
    QLoggingCategory::setFilterRules(QStringLiteral("quilt.*=false"));
    static int argc = 1;
    static char name[] = "quilt-fuzz";
    static char* argv[] = { name, nullptr };
    static QGuiApplication application(argc, argv);
}
} // namespace QuiltFuzz
