#include "gallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QThread>
#include <QtMath>

#include <atomic>
#include <cstdio>
#include <memory>

namespace
{
constexpr auto PagesFolder = ":/qt/qml/QuiltQuickGallery/pages";

// Waits until the window has shown a frame of what it holds now.
bool waitForFrame(QQuickWindow* window)
{
    // The render thread may swap: the flag is set there at once, and a
    // notice still queued when this returns finds it alive.
    const auto swapped = std::make_shared<std::atomic_bool>(false);
    const auto connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window, [swapped] { swapped->store(true); }, Qt::DirectConnection);
    window->update();
    for (int i = 0; i < 200 && !swapped->load(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    QObject::disconnect(connection);
    return swapped->load();
}
} // namespace

namespace QuiltQuickGallery
{
QStringList pageNames()
{
    QStringList names;
    for (const QString& file :
         QDir(QString::fromLatin1(PagesFolder)).entryList({ QStringLiteral("*.qml") }, QDir::Files, QDir::Name))
        names.append(file.chopped(4));
    return names;
}

bool setColorScheme(const QString& path, QString* error)
{
    auto* application = QCoreApplication::instance();
    if (!application)
        return false;
    QString absolute;
    if (!path.isEmpty()) {
        const QFileInfo file(path);
        if (!file.isFile() || !file.isReadable()) {
            if (error)
                *error = QStringLiteral("%1 is no readable file").arg(path);
            return false;
        }
        absolute = file.absoluteFilePath();
    }
    application->setProperty("VYR_COLOR_SCHEME_PATH", absolute);
    // The provider reads the property again when the application palette
    // changes; the palette itself need not change for that.
    QEvent changed(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(application, &changed);
    return true;
}

QQuickWindow* load(QQmlApplicationEngine& engine, const QString& page)
{
    const QStringList pages = pageNames();
    engine.setInitialProperties({ { QStringLiteral("pages"), pages },
                                  { QStringLiteral("currentPage"), std::max<qsizetype>(0, pages.indexOf(page)) },
                                  { QStringLiteral("styleName"), QQuickStyle::name() } });
    engine.loadFromModule("QuiltQuickGallery", "Main");
    if (engine.rootObjects().isEmpty())
        return nullptr;
    return qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
}

void showPage(QQuickWindow* window, int index)
{
    window->setProperty("currentPage", index);
    waitForFrame(window);
    // Let animations, late bindings and the pages' delayed popups settle
    // before the picture.
    for (int j = 0; j < 30; ++j) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // Views destroy the cells they no longer show with deleteLater(),
        // which processEvents() leaves alone: without an event loop running
        // (the pictures are taken before there is one) the old cells would
        // stay in the picture over the new ones.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(10);
    }
    waitForFrame(window);
}

bool saveScreenshots(QQuickWindow* window, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Cannot create the folder %s\n", qPrintable(folder));
        return false;
    }
    const QStringList pages = window->property("pages").toStringList();
    const int height = window->height();
    bool saved = true;
    for (int i = 0; i < pages.size(); ++i) {
        showPage(window, i);
        // A picture shows all three copies of a page, however tall.
        const int pageHeight = qCeil(window->property("pageHeight").toReal());
        if (pageHeight > window->height() || (pageHeight <= height && window->height() > height)) {
            window->resize(window->width(), std::max(height, pageHeight));
            showPage(window, i);
        }
        const QString path = QDir(folder).filePath(pages.at(i) + QStringLiteral(".png"));
        if (!window->grabWindow().save(path)) {
            std::fprintf(stderr, "Cannot save %s\n", qPrintable(path));
            saved = false;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    return saved;
}
} // namespace QuiltQuickGallery
