#include "desktopsettings.h"
#include "testfixture.h"

#include <loompalette.h>
#include <loomsettingsfile.h>
#include <loomtints.h>

#include <QTest>

using QuiltTest::TemporaryXdg;

class TestLoomPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_xdg = std::make_unique<TemporaryXdg>();
        QuiltTest::isolateSystemSettings(*m_xdg);
    }
    void cleanup() { m_xdg.reset(); }

    // Without settings of its own the desktop looks like halcyon.
    void defaultsAreHalcyonsColours_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("text");

        QTest::newRow("window") << int(QPalette::Active) << int(LoomPalette::Window) << "#eff0f1"
                                << "#232629";
        QTest::newRow("view") << int(QPalette::Active) << int(LoomPalette::View) << "#fcfcfc"
                              << "#232629";
        QTest::newRow("button") << int(QPalette::Active) << int(LoomPalette::Button) << "#fcfcfc"
                                << "#232629";
        QTest::newRow("selection") << int(QPalette::Active) << int(LoomPalette::Selection) << "#3daee9"
                                   << "#ffffff";
        QTest::newRow("tooltip") << int(QPalette::Active) << int(LoomPalette::Tooltip) << "#fcfcdc"
                                 << "#232629";
        QTest::newRow("disabled view") << int(QPalette::Disabled) << int(LoomPalette::View) << "#fcfcfc"
                                       << "#a0a2a4";
        QTest::newRow("inactive view") << int(QPalette::Inactive) << int(LoomPalette::View) << "#fcfcfc"
                                       << "#232629";
    }

    void defaultsAreHalcyonsColours()
    {
        QFETCH(int, group);
        QFETCH(int, set);
        QFETCH(QString, background);
        QFETCH(QString, text);
        for (const auto& settings : { std::shared_ptr<const LoomSettingsFile>(),
                                      std::shared_ptr<const LoomSettingsFile>(LoomSharedSettings::openConfig()) }) {
            const LoomPalette palette(QPalette::ColorGroup(group), LoomPalette::ColorSet(set), settings);
            QCOMPARE(palette.background().color().name(), background);
            QCOMPARE(palette.foreground().color().name(), text);
        }
        QCOMPARE(LoomPalette().decoration(LoomPalette::FocusColor).color().name(), QStringLiteral("#3daee9"));
        QCOMPARE(LoomPalette::frameContrast(LoomSharedSettings::openConfig()), 0.28);
    }

    void schemeFromSettings()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg,
                                                "[Colors:View]\n"
                                                "BackgroundNormal=#202326\n"
                                                "ForegroundNormal=252,252,252\n"
                                                "DecorationHover=not a colour\n"
                                                "[Colors:View:Disabled]\n"
                                                "ForegroundNormal=#6e7175\n"
                                                "[Colors:View:Inactive]\n"
                                                "BackgroundNormal=#1b1e20\n"
                                                "[Scheme]\n"
                                                "FrameContrast=0.5\n"));
        const auto settings = LoomSharedSettings::openConfig();
        const LoomPalette active(QPalette::Active, LoomPalette::View, settings);
        QCOMPARE(active.background().color().name(), QStringLiteral("#202326"));
        QCOMPARE(active.foreground().color().name(), QStringLiteral("#fcfcfc"));
        QCOMPARE(active.decoration(LoomPalette::HoverColor).color().name(), QStringLiteral("#93cee9"));

        const LoomPalette disabled(QPalette::Disabled, LoomPalette::View, settings);
        QCOMPARE(disabled.foreground().color().name(), QStringLiteral("#6e7175"));
        QCOMPARE(disabled.background().color().name(), QStringLiteral("#202326"));

        const LoomPalette inactive(QPalette::Inactive, LoomPalette::View, settings);
        QCOMPARE(inactive.background().color().name(), QStringLiteral("#1b1e20"));
        QCOMPARE(inactive.foreground().color().name(), QStringLiteral("#fcfcfc"));

        // Other sets keep the defaults.
        QCOMPARE(LoomPalette(QPalette::Active, LoomPalette::Window, settings).background().color().name(),
                 QStringLiteral("#eff0f1"));
        QCOMPARE(LoomPalette::frameContrast(settings), 0.5);
    }

    void outOfRangeValues()
    {
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[Scheme]\nFrameContrast=7\n"));
        QCOMPARE(LoomPalette::frameContrast(LoomSharedSettings::openConfig()), 1.0);
        QVERIFY(QuiltTest::writeDesktopSettings(*m_xdg, "[Scheme]\nFrameContrast=nan\n"));
        LoomSharedSettings::openConfig()->reparseConfiguration();
        QCOMPARE(LoomPalette::frameContrast(LoomSharedSettings::openConfig()), 0.28);

        const LoomPalette palette(QPalette::ColorGroup(42), LoomPalette::ColorSet(-1));
        QCOMPARE(palette.background(LoomPalette::BackgroundRole(99)).color().name(), QStringLiteral("#fcfcfc"));
        QCOMPARE(palette.foreground(LoomPalette::ForegroundRole(-3)).color().name(), QStringLiteral("#232629"));
    }

    void mixesColours_data()
    {
        QTest::addColumn<double>("bias");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("0") << 0.0 << QColor(0, 0, 0, 0);
        QTest::newRow("1") << 1.0 << QColor(200, 100, 50, 255);
        QTest::newRow("half") << 0.5 << QColor(100, 50, 25, 128);
        QTest::newRow("below") << -1.0 << QColor(0, 0, 0, 0);
        QTest::newRow("above") << 3.0 << QColor(200, 100, 50, 255);
        QTest::newRow("nan") << qQNaN() << QColor(0, 0, 0, 0);
    }

    void mixesColours()
    {
        QFETCH(double, bias);
        QFETCH(QColor, expected);
        const QColor mixed = LoomTints::mix(QColor(0, 0, 0, 0), QColor(200, 100, 50, 255), bias).toRgb();
        QCOMPARE(mixed.rgba(), expected.rgba());
    }

private:
    std::unique_ptr<TemporaryXdg> m_xdg;
};

QTEST_GUILESS_MAIN(TestLoomPalette)
#include "tst_loompalette.moc"
