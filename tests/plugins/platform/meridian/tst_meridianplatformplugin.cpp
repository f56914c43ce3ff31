#include "desktopsettings.h"
#include "platformplugin.h"
#include "testfixture.h"

#include <loomdevice.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using QuiltTest::TemporaryXdg;

namespace
{
QString pluginFile()
{
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QString file = QDir(path).filePath(QStringLiteral("quilt/libquilt-meridian.so"));
        if (QFileInfo::exists(file)) {
            return file;
        }
    }
    return QString();
}

// What the plug-in announced, in order.
class Recorder : public QObject
{
public:
    explicit Recorder(Quilt::PlatformPlugin* plugin)
    {
        plugin->installEventFilter(this);
        connect(plugin, &Quilt::PlatformPlugin::smoothScrollChanged, this, [this] { log.append("smooth"); });
        connect(plugin, &Quilt::PlatformPlugin::animationSpeedMultiplierChanged, this, [this] { log.append("speed"); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == Quilt::DefaultStyleChangedEvent::s_type) {
            log.append("style-event");
        } else if (event->type() == Quilt::AnimationSpeedMultiplierChangedEvent::s_type) {
            log.append("speed-event");
        }
        return QObject::eventFilter(watched, event);
    }

    QStringList log;
};
} // namespace

class TestMeridianPlatformPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QuiltTest::isolateSystemSettings(m_xdg);
        if (!qEnvironmentVariableIsSet("QUILT_TEST_NO_BUS")) {
            m_bus = std::make_unique<QuiltTest::PrivateSessionBus>();
            QVERIFY2(m_bus->isRunning(), "dbus-daemon did not start");
        }
        m_loader.setFileName(pluginFile());
        QVERIFY2(!m_loader.fileName().isEmpty(), "quilt-meridian not found");
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    }

    void cleanupTestCase()
    {
        delete m_loader.instance();
        m_loader.unload();
    }

    void init()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, ""));
        qunsetenv("QT_QUICK_CONTROLS_MOBILE");
        qunsetenv(LoomDevice::runtimePlatformVariable);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void metadata()
    {
        const QJsonObject metaData = m_loader.metaData();
        QCOMPARE(metaData.value("IID").toString(), QStringLiteral("org.vyr.quilt.PlatformPlugin"));
        QCOMPARE(metaData.value("className").toString(), QStringLiteral("MeridianPlatformPlugin"));
        const QJsonObject keys = metaData.value("MetaData").toObject();
        QCOMPARE(keys.value("quilt-pluginname").toString(), QStringLiteral("meridian"));
        QCOMPARE(keys.value("quilt-plugintype").toString(), QStringLiteral("platform"));
        QCOMPARE(keys.value("quilt-supported-platforms").toVariant().toStringList(),
                 QStringList({ "wayland", "xcb", "wayland-org.vyr.orbit.qpa", "offscreen" }));
        QCOMPARE(keys.value("quilt-supported-sessions").toVariant().toStringList(), QStringList({ "vyr" }));
        // One object while it lives.
        QCOMPARE(m_loader.instance(), m_loader.instance());
    }

    void defaultsWithoutSettings()
    {
        QFile::remove(QuiltTest::desktopSettingsPath(m_xdg));
        auto* plugin = freshPlugin();
        QVERIFY(plugin->smoothScroll());
        QCOMPARE(plugin->animationSpeedMultiplier(), 1.0);
        QCOMPARE(plugin->defaultStyleName(), QStringLiteral("halcyon"));
    }

    void defaultStyleRule_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("mobile");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("expected");

        const QByteArray unset;
        const QByteArray empty("");
        const struct
        {
            const char* tag;
            QByteArray value;
        } mobiles[] = { { "unset", unset }, { "empty", empty }, { "set", QByteArray("1") } };
        for (const QByteArray& style :
             { QByteArray(), QByteArray("halcyon"), QByteArray("Halcyon"), QByteArray("other") }) {
            for (const QByteArray& platform : { QByteArray(), QByteArray("desktop:phone"), QByteArray("Phone") }) {
                for (const auto& mobile : mobiles) {
                    for (const bool rtl : { false, true }) {
                        const bool halcyon = style.isEmpty() || style == "halcyon";
                        const bool phone = platform.split(':').contains("phone");
                        QString expected = style.isEmpty() ? QStringLiteral("halcyon") : QString::fromUtf8(style);
                        if (halcyon && (phone || !mobile.value.isNull())) {
                            expected = QStringLiteral("halcyon-mobile");
                        } else if (halcyon && rtl) {
                            expected = QStringLiteral("halcyon-rtl");
                        }
                        QTest::addRow("%s/%s/%s/%s", style.isEmpty() ? "absent" : style.constData(),
                                      platform.isEmpty() ? "none" : platform.constData(), mobile.tag,
                                      rtl ? "rtl" : "ltr")
                            << style << platform << mobile.value << rtl << expected;
                    }
                }
            }
        }
    }

    void defaultStyleRule()
    {
        QFETCH(QByteArray, style);
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, mobile);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, expected);

        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg,
                                                style.isNull() ? QByteArray() : "[VYR]\nquiltStyle=" + style + "\n"));
        auto* plugin = freshPlugin();
        if (!platform.isEmpty()) {
            qputenv(LoomDevice::runtimePlatformVariable, platform);
        }
        if (!mobile.isNull()) {
            qputenv("QT_QUICK_CONTROLS_MOBILE", mobile);
        }
        QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(plugin->defaultStyleName(), expected);
    }

    void readsAnimationFactor_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("absent") << QByteArray() << 1.0;
        QTest::newRow("half") << QByteArray("0.5") << 0.5;
        QTest::newRow("large") << QByteArray("20") << 20.0;
        QTest::newRow("zero") << QByteArray("0") << 0.0;
        QTest::newRow("negative") << QByteArray("-2") << 0.0;
        QTest::newRow("nan") << QByteArray("nan") << 0.0;
        QTest::newRow("infinite") << QByteArray("inf") << 0.0;
        QTest::newRow("not a number") << QByteArray("slow") << 1.0;
    }

    void readsAnimationFactor()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QVERIFY(QuiltTest::writeDesktopSettings(
            m_xdg, text.isNull() ? QByteArray() : "[VYR]\nAnimationDurationFactor=" + text + "\nSmoothScroll=false\n"));
        auto* plugin = freshPlugin();
        QCOMPARE(plugin->animationSpeedMultiplier(), expected);
        QCOMPARE(plugin->smoothScroll(), text.isNull());
    }

    void followsSettingsInOrder()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, "[VYR]\nAnimationDurationFactor=0\n"));
        auto* plugin = freshPlugin();
        Recorder recorder(plugin);

        // All three keys at once: the speed first, smooth scrolling second,
        // the style last.
        rewrite("[VYR]\nquiltStyle=other\nSmoothScroll=false\nAnimationDurationFactor=0.5\n");
        QTRY_COMPARE(recorder.log, QStringList({ "speed", "speed-event", "smooth", "style-event" }));
        QCOMPARE(plugin->animationSpeedMultiplier(), 0.5);
        QVERIFY(!plugin->smoothScroll());
        QCOMPARE(plugin->defaultStyleName(), QStringLiteral("other"));

        // A change far below the factor's precision, an unchanged flag, an
        // unchanged style and keys of another group announce nothing.
        recorder.log.clear();
        rewrite("[VYR]\nquiltStyle=other\nSmoothScroll=off\nAnimationDurationFactor=0.5000000000001\n"
                "[Other]\nquiltStyle=third\n");
        QTest::qWait(300);
        QCOMPARE(recorder.log, QStringList());
        QCOMPARE(plugin->animationSpeedMultiplier(), 0.5);

        // Not a number, then infinite: both switch animations off, and the
        // second, equal to the first, announces nothing.
        rewrite("[VYR]\nquiltStyle=other\nSmoothScroll=off\nAnimationDurationFactor=nan\n");
        QTRY_COMPARE(recorder.log, QStringList({ "speed", "speed-event" }));
        QCOMPARE(plugin->animationSpeedMultiplier(), 0.0);
        rewrite("[VYR]\nquiltStyle=other\nSmoothScroll=off\nAnimationDurationFactor=inf\n");
        QTest::qWait(300);
        QCOMPARE(recorder.log, QStringList({ "speed", "speed-event" }));

        // A removed style key returns to "halcyon".
        recorder.log.clear();
        rewrite("[VYR]\nSmoothScroll=off\nAnimationDurationFactor=inf\n");
        QTRY_COMPARE(recorder.log, QStringList({ "style-event" }));
        QCOMPARE(plugin->defaultStyleName(), QStringLiteral("halcyon"));
    }

    // The layout direction and the mobile variable change the name that
    // defaultStyleName() gives; running front ends hear of it.
    void announcesVariantChanges()
    {
        auto* plugin = freshPlugin();
        Recorder recorder(plugin);
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(recorder.log, QStringList({ "style-event" }));
        QCOMPARE(plugin->defaultStyleName(), QStringLiteral("halcyon-rtl"));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(recorder.log, QStringList({ "style-event", "style-event" }));

        // The environment has no notice; the next settings notice finds it.
        qputenv("QT_QUICK_CONTROLS_MOBILE", "1");
        rewrite("[Other]\nkey=1\n");
        QTRY_COMPARE(recorder.log.size(), 3);
        QCOMPARE(plugin->defaultStyleName(), QStringLiteral("halcyon-mobile"));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(recorder.log.size(), 3);
    }

    void smoothScrollFromTheBus()
    {
        if (!m_bus) {
            QSKIP("runs with a session bus");
        }
        auto* plugin = freshPlugin();
        QSignalSpy spy(plugin, &Quilt::PlatformPlugin::smoothScrollChanged);
        QVERIFY(QDBusConnection::sessionBus().isConnected());

        // From another connection of the bus.
        QDBusConnection other = QDBusConnection::connectToBus(m_bus->address(), QStringLiteral("quilt-test-sender"));
        QVERIFY(other.isConnected());
        QVERIFY(other.send(notifyChange(false)));
        QTRY_COMPARE(spy.size(), 1);
        QVERIFY(!plugin->smoothScroll());
        QVERIFY(other.send(notifyChange(false)));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1);

        // From its own connection too.
        QVERIFY(QDBusConnection::sessionBus().send(notifyChange(true)));
        QTRY_COMPARE(spy.size(), 2);
        QVERIFY(plugin->smoothScroll());
        QDBusConnection::disconnectFromBus(QStringLiteral("quilt-test-sender"));

        // The settings override what the bus said.
        QVERIFY(QDBusConnection::sessionBus().send(notifyChange(false)));
        QTRY_COMPARE(spy.size(), 3);
        rewrite("[VYR]\nSmoothScroll=true\n");
        QTRY_COMPARE(spy.size(), 4);
        QVERIFY(plugin->smoothScroll());
    }

    void noBus()
    {
        if (m_bus) {
            QSKIP("runs without a session bus");
        }
        QVERIFY(!QDBusConnection::sessionBus().isConnected());
        auto* plugin = freshPlugin();
        QSignalSpy spy(plugin, &Quilt::PlatformPlugin::smoothScrollChanged);
        rewrite("[VYR]\nSmoothScroll=false\n");
        QTRY_COMPARE(spy.size(), 1);
        QVERIFY(QMetaObject::invokeMethod(plugin, "setSmoothScroll", Q_ARG(bool, true)));
        QCOMPARE(spy.size(), 2);
    }

    void tintedIcons()
    {
        // A theme of one icon: an opaque, a half transparent and a
        // transparent part.
        const QString themes = m_xdg.path() + QStringLiteral("/icons");
        QVERIFY(
            QuiltTest::writeFile(themes + "/fixture/index.theme",
                                 "[Icon Theme]\nName=fixture\nDirectories=16x16\n\n[16x16]\nSize=16\nType=Fixed\n"));
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 8; ++x) {
                image.setPixelColor(x, y, y < 8 ? QColor(0, 0, 255) : QColor(0, 255, 0, 128));
            }
        }
        QVERIFY(QDir().mkpath(themes + "/fixture/16x16"));
        QVERIFY(image.save(themes + "/fixture/16x16/fixture-icon.png"));
        QIcon::setThemeSearchPaths({ themes });
        QIcon::setThemeName(QStringLiteral("fixture"));

        auto* plugin = freshPlugin();
        const QImage plain = plugin->platformIcon("fixture-icon", QColor(Qt::transparent)).pixmap(16).toImage();
        const QImage tinted = plugin->platformIcon("fixture-icon", QColor(255, 0, 0)).pixmap(16).toImage();
        QCOMPARE(plain.pixelColor(2, 2), QColor(0, 0, 255));
        QCOMPARE(tinted.pixelColor(2, 2), QColor(255, 0, 0));
        QCOMPARE(tinted.pixelColor(2, 12).alpha(), plain.pixelColor(2, 12).alpha());
        QCOMPARE(tinted.pixelColor(2, 12).red(), 255);
        QCOMPARE(tinted.pixelColor(2, 12).green(), 0);
        QCOMPARE(tinted.pixelColor(12, 4).alpha(), 0);
        QVERIFY(plugin->platformIcon("no-such-icon", QColor(255, 0, 0)).isNull());
    }

private:
    Quilt::PlatformPlugin* freshPlugin()
    {
        delete m_loader.instance();
        auto* plugin = qobject_cast<Quilt::PlatformPlugin*>(m_loader.instance());
        [&] {
            QVERIFY(plugin);
        }();
        return plugin;
    }

    void rewrite(const QByteArray& contents) { QVERIFY(QuiltTest::writeDesktopSettings(m_xdg, contents)); }

    static QDBusMessage notifyChange(bool enabled)
    {
        QDBusMessage message = QDBusMessage::createSignal(
            QStringLiteral("/SmoothScroll"), QStringLiteral("org.vyr.SmoothScroll"), QStringLiteral("notifyChange"));
        message << enabled;
        return message;
    }

    TemporaryXdg m_xdg;
    std::unique_ptr<QuiltTest::PrivateSessionBus> m_bus;
    QPluginLoader m_loader;
};

QTEST_MAIN(TestMeridianPlatformPlugin)
#include "tst_meridianplatformplugin.moc"
