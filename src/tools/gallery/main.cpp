// quilt-widget-gallery: every standard widget under the Quilt widget style,
// shown in a window or saved page by page as PNG files.

#include "gallery.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QScrollArea>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QWindow>

#include <cstdio>

namespace
{
bool waitForExposure(QWidget* widget)
{
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (widget->windowHandle() && widget->windowHandle()->isExposed()) {
            // One more round, so that layouts and deferred updates settle.
            QApplication::processEvents();
            return true;
        }
    }
    return false;
}

int saveScreenshots(const QStringList& names, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Could not create the folder %s\n", qPrintable(folder));
        return 1;
    }
    int failures = 0;
    for (const QString& name : names) {
        for (const Gallery::Variant variant : Gallery::variants()) {
            QWidget* page = Gallery::createPage(name, variant);
            page->resize(page->sizeHint().expandedTo(QSize(640, 480)));
            page->show();
            const QString suffix = Gallery::variantName(variant);
            const QString file
                = QDir(folder).filePath(name + (suffix.isEmpty() ? QString() : u'-' + suffix) + QStringLiteral(".png"));
            if (!waitForExposure(page) || !page->grab().save(file)) {
                std::fprintf(stderr, "Could not save %s\n", qPrintable(file));
                ++failures;
            } else {
                std::printf("%s\n", qPrintable(file));
            }
            delete page;
        }
    }
    return failures ? 1 : 0;
}
} // namespace

int main(int argc, char** argv)
{
    // The style package must be chosen before the engine first reads it, and
    // QApplication would take "--style" for a widget style of its own.
    QByteArray styleName;
    QList<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "--style") == 0 && i + 1 < argc) {
            styleName = argv[++i];
        } else {
            arguments.append(argv[i]);
        }
    }
    if (!styleName.isEmpty()) {
        qputenv("QUILT_STYLE_NAME", styleName);
    }
    int count = int(arguments.size());
    arguments.append(nullptr);

    QApplication application(count, arguments.data());
    QApplication::setApplicationName(QStringLiteral("quilt-widget-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Every standard widget under the Quilt widget style"));
    parser.addHelpOption();
    // "--style NAME" (the Quilt style to use) was taken out of the arguments
    // above; it is listed here for the help text only.
    parser.addOption(
        QCommandLineOption(QStringLiteral("style"), QStringLiteral("The Quilt style to use."), QStringLiteral("name")));
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("Show only this page (%1); may be repeated.")
                                            .arg(Gallery::pageNames().join(QStringLiteral(", "))),
                                        QStringLiteral("name"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshots"),
        QStringLiteral("Save every page (enabled, disabled, right to left) as a PNG file into the folder, then quit."),
        QStringLiteral("folder"));
    parser.addOptions({ pageOption, screenshotOption });
    parser.process(application);

    QStringList names = parser.values(pageOption);
    for (const QString& name : std::as_const(names)) {
        if (!Gallery::pageNames().contains(name)) {
            std::fprintf(stderr, "Unknown page \"%s\"; the pages are: %s\n", qPrintable(name),
                         qPrintable(Gallery::pageNames().join(QStringLiteral(", "))));
            return 2;
        }
    }
    if (names.isEmpty()) {
        names = Gallery::pageNames();
    }

    QStyle* style = QStyleFactory::create(QStringLiteral("Quilt"));
    if (!style) {
        std::fprintf(stderr, "The Quilt widget style could not be loaded (is QT_PLUGIN_PATH set?)\n");
        return 1;
    }
    QApplication::setStyle(style);

    if (parser.isSet(screenshotOption)) {
        return saveScreenshots(names, parser.value(screenshotOption));
    }

    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Quilt widget gallery"));
    for (const QString& name : std::as_const(names)) {
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(Gallery::createPage(name));
        window.addTab(scroll, name);
    }
    window.resize(1000, 760);
    window.show();
    return application.exec();
}
