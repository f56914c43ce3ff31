// halcyon where its colour provider is missing, as a broken installation has
// it: every colour resolves to transparent. The gallery still paints and
// takes its sweeps without a crash, and the only complaint is the one about
// the missing provider.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "gallerysweep.h"
#include "quiltstyle.h"
#include "style.h"
#include "styleregistry.h"
#include "testfixture.h"

namespace
{
QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        messages.append(QStringLiteral("%1: %2").arg(QLatin1StringView(context.category), message));
    }
    previousHandler(type, context, message);
}

// A plug-in folder with everything of QT_PLUGIN_PATH but the colour
// provider, linked into `folder`; made the only plug-in path.
bool hideColorProvider(const QString& folder)
{
    const QStringList paths = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& path : paths) {
        const QDir dir(path);
        for (const QString& kind : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir plugins(dir.filePath(kind));
            if (!QDir().mkpath(folder + u'/' + kind)) {
                return false;
            }
            for (const QString& file : plugins.entryList(QDir::Files)) {
                if (file.contains(QLatin1StringView("loompalette"))) {
                    continue;
                }
                QFile::link(plugins.filePath(file), folder + u'/' + kind + u'/' + file);
            }
        }
    }
    qputenv("QT_PLUGIN_PATH", QFile::encodeName(folder));
    return true;
}
} // namespace

class tst_HalcyonNoProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { messages.clear(); }

    void loads()
    {
        const auto style = Quilt::StyleRegistry::instance()->defaultStyle();
        QVERIFY(style);
        QCOMPARE(style->id(), QStringLiteral("halcyon"));
    }

    void sweep_data() { GallerySweep::addPageRows(); }

    void sweep()
    {
        QFETCH(QString, page);
        QFETCH(int, variant);
        GallerySweep::sweepPage(page, Gallery::Variant(variant));
        const QString expected = QStringLiteral("quilt.general: No provider \"loompalette\" found");
        for (const QString& message : std::as_const(messages)) {
            QCOMPARE(message, expected);
        }
    }
};

int main(int argc, char** argv)
{
    QuiltTest::TemporaryXdg xdg;
    QTemporaryDir plugins;
    if (!plugins.isValid() || !hideColorProvider(plugins.path())) {
        qFatal("Cannot make a plug-in folder without the colour provider");
    }
    qputenv("QUILT_STYLE_NAME", "halcyon");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    previousHandler = qInstallMessageHandler(recordMessage);
    QApplication application(argc, argv);
    QApplication::setStyle(new QuiltStyle);
    tst_HalcyonNoProvider test;
    const int result = QTest::qExec(&test, argc, argv);
    qInstallMessageHandler(previousHandler);
    return result;
}

#include "tst_halcyon_noprovider.moc"
