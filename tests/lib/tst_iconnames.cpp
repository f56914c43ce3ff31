// The icons that both front ends ask the platform for: the style's own
// symbols, which ship in one fixed grey, take the element's colour where the
// platform leaves them as they are; a platform's colouring, the desktop
// theme's own icons and pictures of several colours stay untouched.

#include "fallbackplatformplugin_p.h"
#include "iconnames_p.h"
#include "platformplugin.h"
#include "testfixture.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace QuiltTest;

namespace
{
const QColor FileGrey(0x4d, 0x50, 0x54);

// A platform that colours every icon it hands out in the colour asked for.
class ColouringPlatform : public Quilt::PlatformPlugin
{
public:
    QString defaultStyleName() const override { return QStringLiteral("fixture"); }
    QIcon platformIcon(const QString& name, const QColor& color) const override
    {
        const QIcon icon = QIcon::fromTheme(name);
        if (icon.isNull() || !color.isValid() || color.alpha() == 0) {
            return icon;
        }
        QImage image = icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
        painter.end();
        return QIcon(QPixmap::fromImage(image));
    }
};

QByteArray square(const QByteArray& fill, const QByteArray& second = QByteArray())
{
    QByteArray svg
        = R"(<svg width="16" height="16" viewBox="0 0 16 16"><path fill=")" + fill + R"(" d="M2 2h12v12H2z"/>)";
    if (!second.isEmpty()) {
        svg += R"(<path fill=")" + second + R"(" d="M6 6h4v4H6z"/>)";
    }
    return svg + "</svg>";
}
} // namespace

class tst_IconNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_themes.isValid());
        const QString actions = m_themes.filePath(QStringLiteral("hicolor/scalable/actions/"));
        QVERIFY(writeFile(m_themes.filePath(QStringLiteral("hicolor/index.theme")),
                          "[Icon Theme]\nName=Hicolor\nDirectories=scalable/actions\n\n"
                          "[scalable/actions]\nSize=16\nMinSize=8\nMaxSize=512\nType=Scalable\n"));
        QVERIFY(writeFile(actions + QStringLiteral("quilt-test-symbolic.svg"), square("#4d5054")));
        QVERIFY(writeFile(actions + QStringLiteral("quilt-test-shape.svg"), square("#4d5054")));
        QVERIFY(writeFile(actions + QStringLiteral("quilt-test-picture.svg"), square("#4d5054", "#d02030")));
        QVERIFY(writeFile(actions + QStringLiteral("quilt-test-own-symbolic.svg"), square("#4d5054")));
        // The desktop's theme has a symbol of its own for one of the names.
        QVERIFY(writeFile(m_themes.filePath(QStringLiteral("desktop/index.theme")),
                          "[Icon Theme]\nName=desktop\nInherits=hicolor\nDirectories=16x16/actions\n\n"
                          "[16x16/actions]\nSize=16\nType=Fixed\n"));
        QImage own(16, 16, QImage::Format_ARGB32);
        own.fill(Qt::transparent);
        // Its own drawing: another shape than the style's, in the same grey.
        for (int y = 4; y < 12; ++y) {
            for (int x = 4; x < 12; ++x) {
                own.setPixelColor(x, y, FileGrey);
            }
        }
        QVERIFY(QDir().mkpath(m_themes.filePath(QStringLiteral("desktop/16x16/actions"))));
        QVERIFY(own.save(m_themes.filePath(QStringLiteral("desktop/16x16/actions/quilt-test-own-symbolic.png"))));
        QIcon::setThemeSearchPaths({ m_themes.path() });
        QIcon::setThemeName(QStringLiteral("desktop"));
    }

    void tintsOnlyTheStyleOwnSymbols_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("colouringPlatform");
        QTest::addColumn<QColor>("color"); // handed to the platform
        QTest::addColumn<QColor>("tint");
        QTest::addColumn<QColor>("expected"); // in the middle of the symbol

        const QColor blue(0x20, 0x40, 0xd0);
        const QColor green(0x20, 0xa0, 0x40);
        const QColor red(0xd0, 0x20, 0x30);
        const QColor none;
        QTest::newRow("own symbolic, plain platform") << "quilt-test-symbolic" << false << blue << blue << blue;
        QTest::newRow("own symbolic, no colour asked") << "quilt-test-symbolic" << false << none << blue << blue;
        QTest::newRow("own one-colour shape") << "quilt-test-shape" << false << blue << blue << blue;
        QTest::newRow("own picture of two colours") << "quilt-test-picture" << false << blue << blue << red;
        QTest::newRow("the desktop theme's own") << "quilt-test-own-symbolic" << false << blue << blue << FileGrey;
        QTest::newRow("platform colours") << "quilt-test-symbolic" << true << green << blue << green;
        QTest::newRow("platform asked no colour") << "quilt-test-symbolic" << true << none << blue << blue;
        QTest::newRow("transparent tint")
            << "quilt-test-symbolic" << false << none << QColor(Qt::transparent) << FileGrey;
        QTest::newRow("no tint") << "quilt-test-symbolic" << false << none << none << FileGrey;
    }

    void tintsOnlyTheStyleOwnSymbols()
    {
        QFETCH(QString, name);
        QFETCH(bool, colouringPlatform);
        QFETCH(QColor, color);
        QFETCH(QColor, tint);
        QFETCH(QColor, expected);
        const Quilt::FallbackPlatformPlugin plain;
        const ColouringPlatform colouring;
        const Quilt::PlatformPlugin* platform
            = colouringPlatform ? static_cast<const Quilt::PlatformPlugin*>(&colouring) : &plain;
        const QIcon icon = Quilt::platformSymbolOrTwin(platform, name, color, tint);
        QVERIFY(!icon.isNull());
        const QColor middle = icon.pixmap(QSize(16, 16), 1.0).toImage().pixelColor(8, 8);
        QVERIFY2(std::abs(middle.red() - expected.red()) <= 4 && std::abs(middle.green() - expected.green()) <= 4
                     && std::abs(middle.blue() - expected.blue()) <= 4 && middle.alpha() == 255,
                 qPrintable(middle.name(QColor::HexArgb) + QStringLiteral(" != ") + expected.name()));
        // The edge of the shape keeps its place: only the colour changes.
        QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage().pixelColor(0, 0).alpha(), 0);
    }

    void disabledSymbolFollowsTheTint()
    {
        const Quilt::FallbackPlatformPlugin plain;
        const QColor tint(0xe0, 0xe0, 0xe0);
        const QIcon icon = Quilt::platformSymbolOrTwin(&plain, QStringLiteral("quilt-test-symbolic"), tint, tint);
        const QColor middle = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage().pixelColor(8, 8);
        QVERIFY2(middle.alpha() > 0, qPrintable(middle.name(QColor::HexArgb)));
        QVERIFY2(std::abs(middle.red() - tint.red()) <= 4, qPrintable(middle.name(QColor::HexArgb)));
    }

private:
    QTemporaryDir m_themes;
};

QTEST_MAIN(tst_IconNames)
#include "tst_iconnames.moc"
