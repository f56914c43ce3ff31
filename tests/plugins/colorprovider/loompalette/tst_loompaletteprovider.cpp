#include "colorprovider.h"
#include "desktopsettings.h"
#include "testfixture.h"

#include <loomsettingsfile.h>

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QPluginLoader>
#include <QTest>

using QuiltTest::TemporaryXdg;

namespace
{
QString pluginFile()
{
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QString file = QDir(path).filePath(QStringLiteral("quilt/libquilt-loompalette.so"));
        if (QFileInfo::exists(file)) {
            return file;
        }
    }
    return QString();
}

QString hex(const std::optional<Quilt::Rgba>& rgba)
{
    if (!rgba) {
        return QStringLiteral("none");
    }
    return QColor(rgba->r, rgba->g, rgba->b, rgba->a).name(QColor::HexArgb);
}

// Every list of successful arguments that differs in more than its case.
QList<QStringList> distinctLists()
{
    QList<QStringList> lists;
    for (const char* group : { "active", "disabled", "inactive" }) {
        for (const char* set : { "view", "window", "button", "selection", "tooltip", "complementary", "header" }) {
            for (const char* role :
                 { "normal", "alternate", "active", "link", "visited", "negative", "neutral", "positive" }) {
                lists.append({ group, set, "background", role });
            }
        }
    }
    return lists;
}

void changePalette()
{
    // Any change of the application palette.
    static bool flip = false;
    flip = !flip;
    QGuiApplication::setPalette(QPalette(flip ? Qt::red : Qt::blue));
}
} // namespace

class TestLoomPaletteProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QuiltTest::isolateSystemSettings(m_xdg);
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, ""));
        m_loader.setFileName(pluginFile());
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_provider = qobject_cast<Quilt::ColorProvider*>(m_loader.instance());
        QVERIFY(m_provider);
    }

    void init()
    {
        qApp->setProperty("VYR_COLOR_SCHEME_PATH", QVariant());
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, ""));
        changePalette();
    }

    void metadata()
    {
        const QJsonObject metaData = m_loader.metaData();
        QCOMPARE(metaData.value("IID").toString(), QStringLiteral("org.vyr.quilt.ColorProvider"));
        QCOMPARE(metaData.value("className").toString(), QStringLiteral("LoomPaletteProvider"));
        const QJsonObject keys = metaData.value("MetaData").toObject();
        QCOMPARE(keys.value("quilt-pluginname").toString(), QStringLiteral("loompalette"));
        QCOMPARE(keys.value("quilt-plugintype").toString(), QStringLiteral("colorprovider"));
    }

    void grammar_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");

        const QString prefix = QStringLiteral("Invalid arguments for LoomPalette color provider, ");
        QTest::newRow("window background") << QStringList { "active", "window", "background", "normal" } << "#ffeff0f1"
                                           << "";
        QTest::newRow("mixed case") << QStringList { "Active", "VIEW", "Background", "Normal" } << "#fffcfcfc"
                                    << "";
        QTest::newRow("disabled text") << QStringList { "disabled", "button", "foreground", "text" } << "#ffa0a2a4"
                                       << "";
        QTest::newRow("selection text") << QStringList { "inactive", "selection", "foreground", "TEXT" } << "#ffffffff"
                                        << "";
        QTest::newRow("link") << QStringList { "active", "view", "foreground", "link" } << "#ff2980b9"
                              << "";
        QTest::newRow("focus") << QStringList { "active", "view", "decoration", "Focus" } << "#ff3daee9"
                               << "";
        QTest::newRow("hover") << QStringList { "active", "view", "decoration", "hover" } << "#ff93cee9"
                               << "";
        // 0.28 of the way from the background to the text.
        QTest::newRow("frame") << QStringList { "active", "window", "decoration", "frame" } << "#ffb6b7b9"
                               << "";
        QTest::newRow("three") << QStringList { "active", "view", "background" } << "none"
                               << prefix + "expected 4 got 3";
        QTest::newRow("five") << QStringList { "active", "view", "background", "normal", "x" } << "none"
                              << prefix + "expected 4 got 5";
        QTest::newRow("none") << QStringList() << "none" << prefix + "expected 4 got 0";
        QTest::newRow("group") << QStringList { "normal", "view", "background", "normal" } << "none"
                               << prefix + "group \"normal\" does not exist";
        QTest::newRow("set") << QStringList { "active", "panel", "background", "normal" } << "none"
                             << prefix + "color set \"panel\" does not exist";
        QTest::newRow("kind") << QStringList { "active", "view", "shade", "normal" } << "none"
                              << prefix + "role type \"shade\" does not exist";
        QTest::newRow("background role") << QStringList { "active", "view", "background", "text" } << "none"
                                         << prefix + "background role \"text\" does not exist";
        QTest::newRow("foreground role") << QStringList { "active", "view", "foreground", "normal" } << "none"
                                         << prefix + "foreground role \"normal\" does not exist";
        QTest::newRow("decoration role") << QStringList { "active", "view", "decoration", "shadow" } << "none"
                                         << prefix + "decoration role \"shadow\" does not exist";
        QTest::newRow("Frame") << QStringList { "active", "view", "decoration", "Frame" } << "none"
                               << prefix + "decoration role \"Frame\" does not exist";
        QTest::newRow("FrameContrast") << QStringList { "active", "view", "decoration", "FrameContrast" } << "none"
                                       << prefix + "decoration role \"FrameContrast\" does not exist";
    }

    void grammar()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        // A failing list is reported at every call; nothing is cached for it.
        for (int i = 0; i < 2; ++i) {
            if (!message.isEmpty()) {
                QTest::ignoreMessage(QtWarningMsg, qPrintable(message));
            }
            QCOMPARE(hex(m_provider->resolveColor(arguments)), expected);
        }
    }

    void frameContrast()
    {
        const auto contrast = m_provider->resolveColor({ "active", "view", "decoration", "framecontrast" });
        QVERIFY(contrast);
        QCOMPARE(hex(contrast), QColor::fromRgbF(0, 0, 0, 0.28f).name(QColor::HexArgb));
    }

    void throughCustomColours()
    {
        const Quilt::Color color = Quilt::Color::custom("loompalette", { "active", "tooltip", "background", "normal" });
        QCOMPARE(color.toQColor(), QColor(0xfc, 0xfc, 0xdc));
    }

    void cachedUntilThePaletteChanges()
    {
        const QStringList arguments { "active", "view", "background", "normal" };
        QCOMPARE(hex(m_provider->resolveColor(arguments)), QStringLiteral("#fffcfcfc"));
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, "[Colors:View]\nBackgroundNormal=#101010\n"));
        LoomSharedSettings::openConfig()->reparseConfiguration();
        QCOMPARE(hex(m_provider->resolveColor(arguments)), QStringLiteral("#fffcfcfc"));
        QCOMPARE(hex(m_provider->resolveColor({ "ACTIVE", "view", "background", "normal" })),
                 QStringLiteral("#ff101010"));

        // The palette change reads the file again.
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, "[Colors:View]\nBackgroundNormal=#202020\n"));
        changePalette();
        QCOMPARE(hex(m_provider->resolveColor(arguments)), QStringLiteral("#ff202020"));
    }

    void evictsTheLeastRecentlyUsed()
    {
        const QList<QStringList> lists = distinctLists();
        const QStringList first { "active", "view", "background", "normal" };
        const QStringList second { "ACTIVE", "view", "background", "normal" };
        QCOMPARE(lists.first(), first);

        // 100 entries: `first`, `second`, 98 others.
        m_provider->resolveColor(first);
        m_provider->resolveColor(second);
        for (int i = 1; i < 99; ++i) {
            QVERIFY(m_provider->resolveColor(lists.at(i)));
        }
        // Looking `first` up makes `second` the least recently used.
        m_provider->resolveColor(first);
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, "[Colors:View]\nBackgroundNormal=#101010\n"));
        LoomSharedSettings::openConfig()->reparseConfiguration();
        // The 101st evicts it.
        QVERIFY(m_provider->resolveColor(lists.at(99)));
        QCOMPARE(hex(m_provider->resolveColor(first)), QStringLiteral("#fffcfcfc"));
        QCOMPARE(hex(m_provider->resolveColor(second)), QStringLiteral("#ff101010"));
    }

    void schemeFromTheApplicationProperty()
    {
        const QString scheme = m_xdg.path() + QStringLiteral("/dark.colors");
        QVERIFY(QuiltTest::writeFile(scheme, "[Colors:Window]\nBackgroundNormal=#202326\nForegroundNormal=#fcfcfc\n"));
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, "[Colors:View]\nBackgroundNormal=#111111\n"));
        qApp->setProperty("VYR_COLOR_SCHEME_PATH", scheme);
        changePalette();
        QCOMPARE(hex(m_provider->resolveColor({ "active", "window", "background", "normal" })),
                 QStringLiteral("#ff202326"));
        // What the scheme lacks comes from the desktop's settings beneath.
        QCOMPARE(hex(m_provider->resolveColor({ "active", "view", "background", "normal" })),
                 QStringLiteral("#ff111111"));

        // Empty: the desktop's settings again.
        qApp->setProperty("VYR_COLOR_SCHEME_PATH", QString());
        changePalette();
        QCOMPARE(hex(m_provider->resolveColor({ "active", "window", "background", "normal" })),
                 QStringLiteral("#ffeff0f1"));
    }

private:
    TemporaryXdg m_xdg;
    QPluginLoader m_loader;
    Quilt::ColorProvider* m_provider = nullptr;
};

QTEST_MAIN(TestLoomPaletteProvider)
#include "tst_loompaletteprovider.moc"
