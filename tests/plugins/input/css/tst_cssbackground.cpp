#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "backgroundpropertygroup.h"
#include "cssloader.h"
#include "imagepropertygroup.h"
#include "properties.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Properties;

using QuiltCssTest::describeColor;
using QuiltCssTest::describeNumber;

namespace
{
// The background group as "color=.. image{source=.. flags=.. mask=..}", with
// only the fields that are set; "image=empty" for the explicitly empty image,
// and "<pkg>" for the package folder in paths. Empty without a group.
QString describe(const StylePropertyGroup& style, const QString& packagePath)
{
    const BackgroundPropertyGroup* background = style.background();
    if (!background) {
        return {};
    }
    QStringList parts;
    if (background->color()) {
        parts << QStringLiteral("color=") + describeColor(*background->color());
    }
    if (const ImagePropertyGroup* image = background->image()) {
        if (*image == *ImagePropertyGroup::empty()) {
            parts << QStringLiteral("image=empty");
        } else {
            QStringList fields;
            if (image->source()) {
                QString source = QFile::decodeName(QByteArray::fromStdString(image->source()->native()));
                source.replace(packagePath, QStringLiteral("<pkg>"));
                fields << QStringLiteral("source=") + source;
            }
            if (image->flags()) {
                fields << QStringLiteral("flags=0x") + QString::number(image->flags()->toInt(), 16);
            }
            if (image->maskColor()) {
                fields << QStringLiteral("mask=") + describeColor(*image->maskColor());
            }
            // Never written by style sheets.
            if (image->width() || image->height() || image->xOffset() || image->yOffset()) {
                fields << QStringLiteral("geometry");
            }
            parts << QStringLiteral("image{%1}").arg(fields.join(u' '));
        }
    }
    return parts.join(u' ');
}
} // namespace

class TestCssBackground : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_package;

    QString packagePath() const { return m_package.path(); }
    std::filesystem::path mainStyleSheetPath() const
    {
        return std::filesystem::path(QFile::encodeName(m_package.filePath("contents/css/style.css")).toStdString());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_package.isValid());
        QVERIFY(QDir(packagePath()).mkpath("contents/css"));
        QVERIFY(QDir(packagePath()).mkpath("contents/images"));
        for (const char* name : { "contents/css/a.png", "contents/images/b.png", "contents/css/with space.png" }) {
            QFile file(m_package.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("Could not load image"))); }

    void properties_data()
    {
        QTest::addColumn<QByteArray>("declarations");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("warns");

        // "background" picks by the kind of its first value.
        QTest::newRow("none") << QByteArray("background: none") << "color=invalid image=empty" << false;
        QTest::newRow("colour") << QByteArray("background: #ff0000") << "color=#ff0000" << false;
        QTest::newRow("other word") << QByteArray("background: inherit") << "" << false;
        QTest::newRow("length") << QByteArray("background: 4px") << "" << false;
        QTest::newRow("url") << QByteArray("background: url(a.png)") << "image{source=<pkg>/contents/css/a.png}"
                             << false;
        QTest::newRow("url, inverted mask and colour")
            << QByteArray("background: url(a.png) inverted-mask #000000")
            << "image{source=<pkg>/contents/css/a.png flags=0x20 mask=#000000}" << false;
        QTest::newRow("url and mask") << QByteArray("background: url(a.png) MASK")
                                      << "image{source=<pkg>/contents/css/a.png flags=0x10}" << false;
        QTest::newRow("unknown mode still takes the colour")
            << QByteArray("background: url(a.png) repeat #000000")
            << "image{source=<pkg>/contents/css/a.png mask=#000000}" << false;
        QTest::newRow("mask colour not a colour")
            << QByteArray("background: url(a.png) mask 3px")
            << "image{source=<pkg>/contents/css/a.png flags=0x10 mask=invalid}" << false;
        QTest::newRow("missing image") << QByteArray("background: url(missing.png) mask red") << "" << true;

        QTest::newRow("color") << QByteArray("background-color: red") << "color=#ff0000" << false;
        QTest::newRow("color any case") << QByteArray("Background-Color: red") << "color=#ff0000" << false;
        QTest::newRow("color not a colour") << QByteArray("background-color: 4px") << "color=invalid" << false;
        QTest::newRow("color none is no colour") << QByteArray("background-color: none") << "color=invalid" << false;

        // Images resolve against the main style sheet's folder, lexically.
        QTest::newRow("image") << QByteArray("background-image: url(a.png)") << "image{source=<pkg>/contents/css/a.png}"
                               << false;
        QTest::newRow("image in a sibling folder") << QByteArray("background-image: url(../images/b.png)")
                                                   << "image{source=<pkg>/contents/css/../images/b.png}" << false;
        QTest::newRow("image quoted with a space") << QByteArray("background-image: url(\"with space.png\")")
                                                   << "image{source=<pkg>/contents/css/with space.png}" << false;
        QTest::newRow("absolute image") << QByteArray("background-image: url(<pkg>/contents/images/b.png)")
                                        << "image{source=<pkg>/contents/images/b.png}" << false;
        QTest::newRow("image none") << QByteArray("background-image: none") << "image=empty" << false;
        QTest::newRow("image missing") << QByteArray("background-image: url(b.png)") << "" << true;
        QTest::newRow("image url empty") << QByteArray("background-image: url()") << "" << true;
        QTest::newRow("image not a url") << QByteArray("background-image: \"a.png\"") << "" << true;
        QTest::newRow("image of another scheme")
            << QByteArray("background-image: url(https://example.org/a.png)") << "" << true;
        QTest::newRow("image as file url")
            << QByteArray("background-image: url(file://<pkg>/contents/css/a.png)") << "" << true;
        QTest::newRow("image naming a folder")
            << QByteArray("background-image: url(../images)") << "image{source=<pkg>/contents/css/../images}" << false;

        QTest::newRow("mask colour alone")
            << QByteArray("background-image-mask-color: red") << "image{mask=#ff0000}" << false;
        QTest::newRow("later mask colour wins")
            << QByteArray("background: url(a.png) mask red; background-image-mask-color: blue")
            << "image{source=<pkg>/contents/css/a.png flags=0x10 mask=#0000ff}" << false;
        QTest::newRow("none after an image")
            << QByteArray("background-image: url(a.png); background: none") << "color=invalid image=empty" << false;
        QTest::newRow("unknown name") << QByteArray("background-size: 4px") << "" << false;
    }

    void properties()
    {
        QFETCH(QByteArray, declarations);
        QFETCH(QString, expected);
        QFETCH(bool, warns);

        if (warns) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^Could not load image \"%1/contents/css/.*\"$")
                                                        .arg(QRegularExpression::escape(packagePath()))));
        }
        declarations.replace("<pkg>", QFile::encodeName(packagePath()));
        QCOMPARE(describe(*QuiltCssTest::parse(declarations, mainStyleSheetPath()), packagePath()), expected);
    }

    // A url that no style sheet text yields: a byte 0 would make the
    // existence test look at a.png while the stored path names another file.
    void urlWithByteZero()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Could not load image ")));
        Css::CssLoader loader;
        loader.setMainStyleSheetPath(mainStyleSheetPath());
        StylePropertyGroup style;
        const cssparser::Url url { std::string("a.png\0.txt", 10) };
        Css::parseBackgroundProperty(loader, style,
                                     QuiltCssTest::property("background-image", { cssparser::Value(url) }));
        QVERIFY(!style.background());
    }

    void noValues()
    {
        Css::CssLoader loader;
        loader.setMainStyleSheetPath(mainStyleSheetPath());
        StylePropertyGroup style;
        for (const char* name :
             { "background", "background-color", "background-image", "background-image-mask-color" }) {
            Css::parseBackgroundProperty(loader, style, QuiltCssTest::property(name, {}));
        }
        QVERIFY(!style.background());
    }

    // An existing image group is changed in place; "none" replaces it.
    void changesExistingGroups()
    {
        StylePropertyGroup style;
        QuiltCssTest::parseInto(style, "background: url(a.png) mask red", mainStyleSheetPath());
        const BackgroundPropertyGroup* background = style.background();
        const ImagePropertyGroup* image = background ? background->image() : nullptr;
        QVERIFY(image);

        QuiltCssTest::parseInto(style, "background-image: url(../images/b.png); background-color: blue",
                                mainStyleSheetPath());
        QCOMPARE(style.background(), background);
        QCOMPARE(background->image(), image);
        QCOMPARE(describe(style, packagePath()),
                 "color=#0000ff image{source=<pkg>/contents/css/../images/b.png flags=0x10 mask=#ff0000}");
    }
};

QTEST_GUILESS_MAIN(TestCssBackground)
#include "tst_cssbackground.moc"
