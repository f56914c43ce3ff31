#include "desktopsettings.h"
#include "testfixture.h"

#include <loomdevice.h>
#include <loomsettingsfile.h>
#include <loomsettingsgroup.h>
#include <loomsettingswatcher.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using QuiltTest::TemporaryXdg;

class TestLoomSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_xdg = std::make_unique<TemporaryXdg>();
        QuiltTest::isolateSystemSettings(*m_xdg);
    }
    void cleanup() { m_xdg.reset(); }

    void parsesGroupsKeysAndComments()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg,
                                                "top = level\n"
                                                "# a comment\n"
                                                "; another\n"
                                                "[VYR]\n"
                                                "  SmoothScroll =  false  \n"
                                                "quiltStyle=first\n"
                                                "quiltStyle=second\n"
                                                "not a key line\n"
                                                "=no key\n"
                                                "[ Colors:View ]\n"
                                                "BackgroundNormal=#102030\n"));
        auto settings = LoomSharedSettings::openConfig();
        QCOMPARE(settings->groupList(), QStringList({ QString(), "Colors:View", "VYR" }));
        const LoomSettingsGroup vyr(settings, QStringLiteral("VYR"));
        QCOMPARE(vyr.readEntry("SmoothScroll", true), false);
        QCOMPARE(vyr.readEntry("quiltStyle", "halcyon"), QStringLiteral("second"));
        QCOMPARE(vyr.readEntry("quiltstyle", "halcyon"), QStringLiteral("halcyon"));
        QCOMPARE(vyr.keyList(), QByteArrayList({ "SmoothScroll", "quiltStyle" }));
        QCOMPARE(LoomSettingsGroup(settings, QString()).readEntry("top", ""), QStringLiteral("level"));
        QCOMPARE(LoomSettingsGroup(settings, "Colors:View").readEntry("BackgroundNormal", ""),
                 QStringLiteral("#102030"));
        QVERIFY(!LoomSettingsGroup(settings, "Missing").exists());
    }

    void readsTypedValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("asBool");
        QTest::addColumn<double>("asDouble");

        // Defaults: true and 1.5.
        QTest::newRow("true") << QByteArray("true") << true << 1.5;
        QTest::newRow("FALSE") << QByteArray("FALSE") << false << 1.5;
        QTest::newRow("off") << QByteArray("off") << false << 1.5;
        QTest::newRow("0") << QByteArray("0") << false << 0.0;
        QTest::newRow("1") << QByteArray("1") << true << 1.0;
        QTest::newRow("-2") << QByteArray("-2") << true << -2.0;
        QTest::newRow("0.25") << QByteArray("0.25") << true << 0.25;
        QTest::newRow("garbage") << QByteArray("fast") << true << 1.5;
        QTest::newRow("empty") << QByteArray("") << true << 1.5;
        QTest::newRow("inf") << QByteArray("inf") << true << qInf();
    }

    void readsTypedValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, asBool);
        QFETCH(double, asDouble);
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[G]\nkey=" + text + "\n"));
        const LoomSettingsGroup group(LoomSharedSettings::openConfig(), QStringLiteral("G"));
        QCOMPARE(group.readEntry("key", true), asBool);
        QCOMPARE(group.readEntry("key", 1.5), asDouble);
        QCOMPARE(group.readEntry("absent", 1.5), 1.5);
    }

    void notANumberIsANumber()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[G]\nkey=nan\n"));
        QVERIFY(std::isnan(LoomSettingsGroup(LoomSharedSettings::openConfig(), "G").readEntry("key", 1.0)));
    }

    void cascadesAndIncludesGlobals()
    {
        const QString system = qEnvironmentVariable("XDG_CONFIG_DIRS");
        QVERIFY(QuiltTest::writeFile(system + "/loomglobals", "[G]\nshared=system\nsystemOnly=yes\n"));
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[G]\nshared=user\n"));
        QVERIFY(QuiltTest::writeFile(m_xdg->configHome() + "/scheme", "[G]\nnamed=here\n"));

        auto globals = LoomSharedSettings::openConfig();
        const LoomSettingsGroup group(globals, "G");
        QCOMPARE(group.readEntry("shared", ""), QStringLiteral("user"));
        QCOMPARE(group.readEntry("systemOnly", ""), QStringLiteral("yes"));

        const LoomSettingsGroup named(LoomSharedSettings::openConfig("scheme"), "G");
        QCOMPARE(named.readEntry("named", ""), QStringLiteral("here"));
        QCOMPARE(named.readEntry("shared", ""), QStringLiteral("user"));

        const LoomSettingsGroup simple(LoomSharedSettings::openConfig("scheme", LoomSettingsFile::SimpleConfig), "G");
        QCOMPARE(simple.readEntry("shared", "none"), QStringLiteral("none"));

        // An absolute path is that file, with the globals beneath.
        const LoomSettingsGroup absolute(LoomSharedSettings::openConfig(m_xdg->configHome() + "/scheme"), "G");
        QCOMPARE(absolute.readEntry("named", ""), QStringLiteral("here"));
        QCOMPARE(absolute.readEntry("shared", ""), QStringLiteral("user"));
    }

    void sharedHandlesSeeOneReparse()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[G]\nkey=1\n"));
        auto first = LoomSharedSettings::openConfig();
        auto second = LoomSharedSettings::openConfig();
        QCOMPARE(first, second);
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[G]\nkey=2\n"));
        QCOMPARE(LoomSettingsGroup(second, "G").readEntry("key", 0), 1);
        first->reparseConfiguration();
        QCOMPARE(LoomSettingsGroup(second, "G").readEntry("key", 0), 2);
    }

    void refusesWhatIsNoSettingsFile()
    {
        // A folder of that name, and a file too large to be settings.
        QVERIFY(QDir().mkpath(QuiltTest::desktopSettingsPath(*m_xdg)));
        QVERIFY(LoomSharedSettings::openConfig()->groupList().isEmpty());
        const QString big = m_xdg->configHome() + "/big";
        QVERIFY(QuiltTest::writeFile(big, "[G]\nkey=1\n" + QByteArray(2 * 1024 * 1024, '#')));
        QVERIFY(!LoomSharedSettings::openConfig(big, LoomSettingsFile::SimpleConfig)->hasGroup("G"));
    }

    void watcherReportsChangedKeysPerGroup()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[A]\nsame=1\nchanged=1\nremoved=1\n[B]\nkey=1\n"));
        auto settings = LoomSharedSettings::openConfig();
        auto watcher = LoomSettingsWatcher::create(settings);
        QSignalSpy spy(watcher.get(), &LoomSettingsWatcher::configChanged);

        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[A]\nsame=1\nchanged=2\nadded=1\n[B]\nkey=1\n[C]\nnew=1\n"));
        QTRY_COMPARE(spy.size(), 2);
        QTest::qWait(100);
        QCOMPARE(spy.size(), 2);
        const auto groupA = spy.at(0).at(0).value<LoomSettingsGroup>();
        QCOMPARE(groupA.name(), QStringLiteral("A"));
        QCOMPARE(spy.at(0).at(1).value<QByteArrayList>(), QByteArrayList({ "added", "changed", "removed" }));
        QCOMPARE(groupA.readEntry("changed", 0), 2);
        QCOMPARE(spy.at(1).at(0).value<LoomSettingsGroup>().name(), QStringLiteral("C"));

        // The same contents again: nothing changed.
        spy.clear();
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[A]\nsame=1\nchanged=2\nadded=1\n[B]\nkey=1\n[C]\nnew=1\n"));
        QTest::qWait(300);
        QCOMPARE(spy.size(), 0);
    }

    void watcherFollowsReplacedAndNewFiles()
    {
        auto settings = LoomSharedSettings::openConfig();
        auto watcher = LoomSettingsWatcher::create(settings);
        QSignalSpy spy(watcher.get(), &LoomSettingsWatcher::configChanged);

        // Created after the watcher.
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[VYR]\nkey=1\n"));
        QTRY_COMPARE(spy.size(), 1);

        // Replaced the way editors save: a new file renamed over the old one,
        // twice, so the watch must follow the new file.
        for (int value = 2; value <= 3; ++value) {
            const QString temporary = m_xdg->configHome() + "/loomglobals.new";
            QVERIFY(QuiltTest::writeFile(temporary, "[VYR]\nkey=" + QByteArray::number(value) + "\n"));
            QVERIFY(std::rename(QFile::encodeName(temporary).constData(),
                                QFile::encodeName(QuiltTest::desktopSettingsPath(*m_xdg)).constData())
                    == 0);
            QTRY_COMPARE(spy.size(), value);
            QCOMPARE(spy.last().at(0).value<LoomSettingsGroup>().readEntry("key", 0), value);
        }

        // Removed: every key of the group is gone.
        QVERIFY(QFile::remove(QuiltTest::desktopSettingsPath(*m_xdg)));
        QTRY_COMPARE(spy.size(), 4);
        QCOMPARE(spy.last().at(1).value<QByteArrayList>(), QByteArrayList({ "key" }));
    }

    void runtimePlatformFromTheEnvironment()
    {
        qputenv(LoomDevice::runtimePlatformVariable, "desktop::phone");
        QCOMPARE(LoomDevice::runtimePlatform(), QStringList({ "desktop", "phone" }));
        qunsetenv(LoomDevice::runtimePlatformVariable);
        QVERIFY(LoomDevice::runtimePlatform().isEmpty());
    }

private:
    std::unique_ptr<TemporaryXdg> m_xdg;
};

QTEST_GUILESS_MAIN(TestLoomSettings)
#include "tst_loomsettings.moc"
