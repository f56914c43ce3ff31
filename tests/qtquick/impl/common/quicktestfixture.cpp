#include "quicktestfixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStandardPaths>

#include <dlfcn.h>
#include <link.h>

#include "platformplugin.h"
#include "styleregistry.h"

namespace QuiltQuickTest
{
bool copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool copied = false;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QDir(from).relativeFilePath(file).prepend(u'/');
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target)) {
            return false;
        }
        copied = true;
    }
    return copied;
}

bool installShippedStyle(const QString& id)
{
    const QString styles
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quilt/styles/");
    if (!copyFolder(qEnvironmentVariable("QUILT_TEST_SHIPPED_STYLES") + u'/' + id, styles + id)) {
        return false;
    }
    Quilt::StyleRegistry::instance()->load();
    return true;
}

bool writeCssStyle(const QuiltTest::TemporaryXdg& xdg, const QString& id, const QByteArray& css)
{
    const QByteArray metadata = R"({"input-type": "css", "name": ")" + id.toUtf8() + R"("})";
    return !QuiltTest::writePackage(xdg.stylesFolder(), id, metadata,
                                    { { QStringLiteral("contents/css/style.css"), css } })
                .isEmpty();
}

Environment::Environment(const QByteArray& css)
    : m_xdg(std::make_unique<QuiltTest::TemporaryXdg>())
{
    // Read once by the registry: set before anything asks it. A test that
    // wants another default style (or none) sets the variable itself.
    if (qEnvironmentVariableIsEmpty("QUILT_STYLE_NAME")) {
        qputenv("QUILT_STYLE_NAME", FixtureStyle);
    }
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    // Hide the installed default style sheet: its rules for every element
    // would leave no element without matches.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_xdg->path() + QStringLiteral("/no-data-dirs")));
    if (!writeStyle(QString::fromLatin1(FixtureStyle), css)) {
        qFatal("Could not write the fixture style");
    }
}

Environment::~Environment() = default;

void Environment::load()
{
    Quilt::StyleRegistry::instance()->load();
}

const QuiltTest::TemporaryXdg& Environment::xdg() const
{
    return *m_xdg;
}

bool Environment::writeStyle(const QString& id, const QByteArray& css) const
{
    return writeCssStyle(*m_xdg, id, css);
}

std::unique_ptr<QObject> createObject(QQmlEngine* engine, const QByteArray& body)
{
    QQmlComponent component(engine);
    component.setData("import QtQuick\nimport org.vyr.quilt.impl as Quilt\n" + body, QUrl());
    std::unique_ptr<QObject> object(component.create());
    if (!object) {
        qWarning().noquote() << component.errorString();
    }
    return object;
}

QString componentErrors(QQmlEngine* engine, const QByteArray& document)
{
    QQmlComponent component(engine);
    component.setData(document, QUrl());
    if (!component.isError()) {
        std::unique_ptr<QObject> object(component.create());
    }
    QStringList errors;
    for (const QQmlError& error : component.errors()) {
        errors << error.description();
    }
    return errors.join(u'\n');
}

QObject* testPlatform()
{
    return Quilt::StyleRegistry::instance()->platform().get();
}

void setAnimationSpeedMultiplier(double multiplier)
{
    if (!QMetaObject::invokeMethod(testPlatform(), "setAnimationSpeedMultiplier", Q_ARG(double, multiplier))) {
        qWarning("The platform plug-in is not the test fixture: is QUILT_FORCE_PLATFORM set?");
    }
}

void setSmoothScroll(bool smooth)
{
    if (!QMetaObject::invokeMethod(testPlatform(), "setSmoothScroll", Q_ARG(bool, smooth))) {
        qWarning("The platform plug-in is not the test fixture: is QUILT_FORCE_PLATFORM set?");
    }
}

void pinLoadedLibraries()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) -> int {
            if (info->dlpi_name && *info->dlpi_name) {
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

QmlSetup::QmlSetup()
{
    QByteArray css;
    const QString path = qEnvironmentVariable("QUILT_TEST_STYLE_SHEET");
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qFatal("Could not read the style sheet %s", qPrintable(path));
        }
        css = file.readAll();
    }
    m_environment = std::make_unique<Environment>(css);
}

QmlSetup::~QmlSetup() = default;

void QmlSetup::applicationAvailable()
{
    m_environment->load();
}

void QmlSetup::qmlEngineAvailable(QQmlEngine* engine)
{
    // The build's module, also when the test runs outside CTest.
    engine->addImportPath(QStringLiteral(QUILT_QML_IMPORT_PATH));
    engine->rootContext()->setContextProperty(QStringLiteral("testPlatform"), testPlatform());
}
void QmlSetup::cleanupTestCase()
{
    pinLoadedLibraries();
}
} // namespace QuiltQuickTest
