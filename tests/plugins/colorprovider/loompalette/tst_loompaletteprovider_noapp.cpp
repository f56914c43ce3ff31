#include "colorprovider.h"
#include "desktopsettings.h"
#include "testfixture.h"

#include <QDir>
#include <QPluginLoader>
#include <QTest>

// Without an application object the provider has no palette to follow: it
// resolves from the desktop's settings as they were when it was made.
int main(int, char**)
{
    QuiltTest::TemporaryXdg xdg;
    QuiltTest::isolateSystemSettings(xdg);
    if (!QuiltTest::writeDesktopSettings(xdg, "[Colors:Window]\nBackgroundNormal=#102030\n")) {
        qFatal("Could not write the settings");
    }
    QString file;
    for (const QByteArray& path : qgetenv("QT_PLUGIN_PATH").split(':')) {
        const QString candidate = QDir(QString::fromLocal8Bit(path)).filePath("quilt/libquilt-loompalette.so");
        if (QFileInfo::exists(candidate)) {
            file = candidate;
        }
    }
    QPluginLoader loader(file);
    auto* provider = qobject_cast<Quilt::ColorProvider*>(loader.instance());
    if (!provider) {
        qFatal("No provider: %s", qPrintable(loader.errorString()));
    }
    const auto window = provider->resolveColor({ "active", "window", "background", "normal" });
    const auto view = provider->resolveColor({ "active", "view", "background", "normal" });
    if (!window || window->r != 0x10 || window->g != 0x20 || window->b != 0x30 || !view || view->r != 0xfc) {
        qFatal("Unexpected colours");
    }
    delete loader.instance();
    return 0;
}
