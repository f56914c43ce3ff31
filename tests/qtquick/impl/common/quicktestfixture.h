#pragma once

#include <QByteArray>
#include <QObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QString>

#include <memory>

#include "testfixture.h"

class QQmlEngine;

namespace QuiltQuickTest
{
// The id of the style that the harness writes and makes the default style.
inline constexpr char FixtureStyle[] = "quilt-quick-fixture";

// Writes the CSS style package `id` with `css` as its style sheet into the
// styles folder of `xdg`. Returns false when a file could not be written.
bool writeCssStyle(const QuiltTest::TemporaryXdg& xdg, const QString& id, const QByteArray& css);

// What a Quick test needs before its application exists: a temporary XDG
// home that holds the fixture style with `css`, that style as the default
// (unless QUILT_STYLE_NAME names another), style caches off, and no installed
// default style sheet, so that the fixture's rules are the only ones.
// Construct it first thing in main().
class Environment
{
public:
    explicit Environment(const QByteArray& css);
    ~Environment();

    // Once the application exists: lets the registry find styles, as an
    // application (never the Quick library) does.
    void load();

    const QuiltTest::TemporaryXdg& xdg() const;
    // Writes another style, for elements that name it in `styleId`.
    bool writeStyle(const QString& id, const QByteArray& css) const;

private:
    std::unique_ptr<QuiltTest::TemporaryXdg> m_xdg;
};

// Copies the files below `from` into `to`, sub-folders included (a shipped
// style into a test's data home). False when nothing was copied or a file
// could not be.
bool copyFolder(const QString& from, const QString& to);

// Copies the shipped style `id` (from the folder QUILT_TEST_SHIPPED_STYLES
// names) into the test's data home, where the registry, loaded here, finds
// it by name: the harness hides the installed data. Call it once the
// application exists, before anything asks for the style. False when the
// style could not be copied.
bool installShippedStyle(const QString& id);

// The platform fixture loaded by the registry (QUILT_FORCE_PLATFORM), whose
// invokable setters switch smooth scrolling and the animation speed.
QObject* testPlatform();
void setAnimationSpeedMultiplier(double multiplier);
void setSmoothScroll(bool smooth);

// The attached object of type T (QuickElement, QuickStyle, StyleHints, ...)
// of `object`, looked up under the key that QML files it by.
template<typename T> T* attached(QObject* object, bool create = false)
{
    auto function = reinterpret_cast<QQmlAttachedPropertiesFunc>(&T::qmlAttachedProperties);
    return qobject_cast<T*>(qmlAttachedPropertiesObject(object, function, create));
}

// Creates the object of a QML document that imports QtQuick and the module as
// `Quilt`. Fails the test (returns null) with the component's errors.
std::unique_ptr<QObject> createObject(QQmlEngine* engine, const QByteArray& body);
// The errors of a document that should not compile, joined by new lines.
QString componentErrors(QQmlEngine* engine, const QByteArray& document);

// Keeps every library loaded so far from being unloaded at exit, so that the
// leak checker can still name the graphics drivers whose leaks it suppresses.
void pinLoadedLibraries();

// The setup object of the Qt Quick tests: the environment from the style
// sheet named by QUILT_TEST_STYLE_SHEET, the registry loaded once the
// application exists, and the platform fixture as the context property
// `testPlatform`.
class QmlSetup : public QObject
{
    Q_OBJECT

public:
    QmlSetup();
    ~QmlSetup() override;

public Q_SLOTS:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine* engine);
    void cleanupTestCase();

private:
    std::unique_ptr<Environment> m_environment;
};
} // namespace QuiltQuickTest

// main() of a C++ Quick test: the environment with the fixture style `css`,
// a GUI application, the registry loaded when `loadRegistry` holds (else the
// modules' imports have to load it), then the test object.
#define QUILT_QUICK_TEST_MAIN_LOADING(TestObject, css, loadRegistry)                                                   \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QuiltQuickTest::Environment environment { css };                                                               \
        QGuiApplication app(argc, argv);                                                                               \
        if (loadRegistry)                                                                                              \
            environment.load();                                                                                        \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        const int result = QTest::qExec(&test, argc, argv);                                                            \
        QuiltQuickTest::pinLoadedLibraries();                                                                          \
        return result;                                                                                                 \
    }
#define QUILT_QUICK_TEST_MAIN(TestObject, css) QUILT_QUICK_TEST_MAIN_LOADING(TestObject, css, true)
