// quilt-quick-gallery: the Quick controls page by page.
//
//   quilt-quick-gallery [-style NAME] [--page NAME] [--screenshots DIR]
//
// --screenshots saves one PNG per page into DIR and quits.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace
{
constexpr auto PagesFolder = ":/qt/qml/QuiltQuickGallery/pages";

QStringList pageNames()
{
    QStringList names;
    for (const QString& file : QDir(QString::fromLatin1(PagesFolder)).entryList({ QStringLiteral("*.qml") }, QDir::Files, QDir::Name))
        names.append(file.chopped(4));
    return names;
}

// Waits until the window has shown a frame of the current page.
bool waitForFrame(QQuickWindow* window)
{
    bool swapped = false;
    const auto connection = QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
    window->update();
    for (int i = 0; i < 200 && !swapped; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    QObject::disconnect(connection);
    return swapped;
}

int saveScreenshots(QQuickWindow* window, const QStringList& pages, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Cannot create the folder %s\n", qPrintable(folder));
        return 1;
    }
    int failures = 0;
    for (int i = 0; i < pages.size(); ++i) {
        window->setProperty("currentPage", i);
        waitForFrame(window);
        // Let animations and late bindings settle before the picture.
        QTimer::singleShot(150, [] {});
        for (int j = 0; j < 15; ++j) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(10);
        }
        const QString path = QDir(folder).filePath(pages.at(i) + QStringLiteral(".png"));
        if (!window->grabWindow().save(path)) {
            std::fprintf(stderr, "Cannot save %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    return failures ? 1 : 0;
}
} // namespace

int main(int argc, char** argv)
{
    // Qt Quick Controls reads -style itself; without it and without
    // QT_QUICK_CONTROLS_STYLE the gallery shows Quilt's style.
    bool styleGiven = qEnvironmentVariableIsSet("QT_QUICK_CONTROLS_STYLE");
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-style" || argument == "--style" || argument.startsWith("-style=") || argument.startsWith("--style="))
            styleGiven = true;
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quilt-quick-gallery"));
    if (!styleGiven)
        QQuickStyle::setStyle(QStringLiteral("org.vyr.quilt"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The Qt Quick controls page by page."));
    parser.addHelpOption();
    const QCommandLineOption styleOption(QStringLiteral("style"), QStringLiteral("The Qt Quick Controls style."), QStringLiteral("name"));
    const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("The page to show first."), QStringLiteral("name"));
    const QCommandLineOption shotsOption(QStringLiteral("screenshots"), QStringLiteral("Save every page as a PNG file into DIR and quit."),
                                         QStringLiteral("DIR"));
    parser.addOptions({ styleOption, pageOption, shotsOption });
    parser.process(app);

    const QStringList pages = pageNames();
    QQmlApplicationEngine engine;
    engine.setInitialProperties({ { QStringLiteral("pages"), pages },
                                  { QStringLiteral("currentPage"), std::max<qsizetype>(0, pages.indexOf(parser.value(pageOption))) } });
    engine.loadFromModule("QuiltQuickGallery", "Main");
    if (engine.rootObjects().isEmpty())
        return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    if (!window)
        return 1;
    if (parser.isSet(shotsOption))
        return saveScreenshots(window, pages, parser.value(shotsOption));
    return app.exec();
}
