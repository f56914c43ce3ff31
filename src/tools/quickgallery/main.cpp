// quilt-quick-gallery: the Quick controls page by page.
//
//   quilt-quick-gallery [-style NAME] [--color-scheme FILE] [--page NAME]
//                       [--screenshots DIR]
//
// -style shows the pages under another Qt Quick Controls style (Basic,
// Fusion, ...) for comparison. --color-scheme reads the desktop colours from
// FILE. --screenshots saves one PNG per page into DIR and quits.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>

#include <cstdio>

#include "gallery.h"

int main(int argc, char** argv)
{
    // Qt Quick Controls reads -style itself; without it and without
    // QT_QUICK_CONTROLS_STYLE the gallery shows Quilt's style.
    bool styleGiven = qEnvironmentVariableIsSet("QT_QUICK_CONTROLS_STYLE");
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-style" || argument == "--style" || argument.startsWith("-style=")
            || argument.startsWith("--style="))
            styleGiven = true;
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quilt-quick-gallery"));
    if (!styleGiven)
        QQuickStyle::setStyle(QStringLiteral("org.vyr.quilt"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The Qt Quick controls page by page."));
    parser.addHelpOption();
    // "-style" is one option, as Qt writes it, not five letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption styleOption(QStringLiteral("style"),
                                         QStringLiteral("The Qt Quick Controls style (Basic, Fusion, ...)."),
                                         QStringLiteral("name"));
    const QCommandLineOption schemeOption(QStringLiteral("color-scheme"),
                                          QStringLiteral("Read the desktop colour scheme from FILE."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("The page to show first."),
                                        QStringLiteral("name"));
    const QCommandLineOption shotsOption(QStringLiteral("screenshots"),
                                         QStringLiteral("Save every page as a PNG file into DIR and quit."),
                                         QStringLiteral("DIR"));
    parser.addOptions({ styleOption, schemeOption, pageOption, shotsOption });
    parser.process(app);

    if (parser.isSet(schemeOption)) {
        QString error;
        if (!QuiltQuickGallery::setColorScheme(parser.value(schemeOption), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }

    QQmlApplicationEngine engine;
    QQuickWindow* window = QuiltQuickGallery::load(engine, parser.value(pageOption));
    if (!window)
        return 1;
    if (parser.isSet(shotsOption))
        return QuiltQuickGallery::saveScreenshots(window, parser.value(shotsOption)) ? 0 : 1;
    return app.exec();
}
