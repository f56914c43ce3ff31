#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "alignmentpropertygroup.h"
#include "iconpropertygroup.h"
#include "textpropertygroup.h"

#include <QFont>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Properties;

namespace
{
QFont withPointSize(qreal size, QFont font = QFont())
{
    font.setPointSizeF(size);
    return font;
}

QFont withPixelSize(int size, QFont font = QFont())
{
    font.setPixelSize(size);
    return font;
}

QFont withWeight(int weight, QFont font = QFont())
{
    font.setWeight(QFont::Weight(weight));
    return font;
}

QFont withFamily(const QString& family, QFont font = QFont())
{
    font.setFamily(family);
    return font;
}
} // namespace

class TestCssText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void font_data();
    void font();
    void unmetFontReadsStoreNothing_data();
    void unmetFontReadsStoreNothing();
    void fontBuildsOnExistingFont();
    void emRelativeToStoredFont();
    void textFields_data();
    void textFields();
    void namesWithoutCaseSetNothing();
};

void TestCssText::font_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QFont>("expected");
    QTest::addColumn<bool>("warns");

    const QFont base;
    const int weight = int(base.weight());

    QTest::newRow("family") << QByteArray("font-family: serif") << withFamily(QStringLiteral("serif")) << false;
    QTest::newRow("quoted family") << QByteArray("Font-Family: \"DejaVu Sans\"")
                                   << withFamily(QStringLiteral("DejaVu Sans")) << false;
    QTest::newRow("pt") << QByteArray("font-size: 12pt") << withPointSize(12) << false;
    QTest::newRow("px") << QByteArray("font-size: 16px") << withPixelSize(16) << false;
    QTest::newRow("px truncated") << QByteArray("font-size: 12.7px") << withPixelSize(12) << false;
    QTest::newRow("em") << QByteArray("font-size: 10pt; font-size: 1.5em") << withPointSize(15) << false;
    QTest::newRow("em twice") << QByteArray("font-size: 10pt; font-size: 2em; font-size: 0.5em") << withPointSize(10)
                              << false;
    QTest::newRow("em after px keeps px")
        << QByteArray("font-size: 12px; font-size: 2em") << withPixelSize(12) << false;
    QTest::newRow("negative em after px keeps px")
        << QByteArray("font-size: 12px; font-size: -2em") << withPixelSize(12) << false;
    QTest::newRow("plain number") << QByteArray("font-size: 1.5") << base << true;
    QTest::newRow("percent") << QByteArray("font-size: 12pt; font-size: 120%") << withPointSize(12) << true;
    // Sizes a font cannot have leave it as it was.
    QTest::newRow("0px") << QByteArray("font-size: 0px") << base << false;
    QTest::newRow("below one px") << QByteArray("font-size: 0.5px") << base << false;
    QTest::newRow("negative px") << QByteArray("font-size: 12px; font-size: -3px") << withPixelSize(12) << false;
    QTest::newRow("0pt") << QByteArray("font-size: 0pt") << base << false;
    QTest::newRow("huge px") << QByteArray("font-size: 3e38px") << withPixelSize(10000) << false;
    QTest::newRow("huge pt") << QByteArray("font-size: 3e38pt") << withPointSize(10000) << false;
    QTest::newRow("huge em") << QByteArray("font-size: 10pt; font-size: 3e38em") << withPointSize(10000) << false;
    QTest::newRow("bold") << QByteArray("font-weight: bold") << withWeight(700) << false;
    QTest::newRow("BOLD") << QByteArray("font-weight: BOLD") << withWeight(700) << false;
    QTest::newRow("normal") << QByteArray("font-weight: bold; font-weight: normal") << withWeight(400) << false;
    QTest::newRow("integer") << QByteArray("font-weight: 600") << withWeight(600) << false;
    QTest::newRow("bolder") << QByteArray("font-weight: bolder") << withWeight(weight + 100) << false;
    QTest::newRow("lighter") << QByteArray("font-weight: lighter") << withWeight(weight - 100) << false;
    QTest::newRow("bolder than bold") << QByteArray("font-weight: bold; font-weight: bolder") << withWeight(800)
                                      << false;
    QTest::newRow("unknown keyword") << QByteArray("font-weight: heavy") << base << false;
    QTest::newRow("weight above the range") << QByteArray("font-weight: 5000") << withWeight(1000) << false;
    QTest::newRow("weight below the range") << QByteArray("font-weight: -7") << withWeight(1) << false;
    QTest::newRow("shorthand parses nothing") << QByteArray("font: bold 12px serif") << base << false;
    QTest::newRow("other font name") << QByteArray("font-style: italic") << base << false;
    QTest::newRow("one font from three properties")
        << QByteArray("font-family: serif; font-size: 10pt; font-weight: bold")
        << withWeight(700, withPointSize(10, withFamily(QStringLiteral("serif")))) << false;
}

void TestCssText::font()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QFont, expected);
    QFETCH(bool, warns);

    if (warns) {
        QTest::ignoreMessage(QtWarningMsg, "Invalid unit for font-size");
    }
    const auto style = QuiltCssTest::parse(declarations);
    QVERIFY(style->text());
    QVERIFY(style->text()->font());
    QCOMPARE(*style->text()->font(), expected);
    QVERIFY(!style->text()->color() && !style->text()->wrapMode() && !style->text()->elide());
}

void TestCssText::unmetFontReadsStoreNothing_data()
{
    QTest::addColumn<QByteArray>("declarations");

    QTest::newRow("size of a colour") << QByteArray("font-size: red");
    QTest::newRow("size of an integer") << QByteArray("font-size: 12");
    QTest::newRow("family of a length") << QByteArray("font-family: 12px");
    QTest::newRow("weight of a length") << QByteArray("font-weight: 2px");
}

void TestCssText::unmetFontReadsStoreNothing()
{
    QFETCH(QByteArray, declarations);

    const auto style = QuiltCssTest::parse(declarations);
    QVERIFY(!style->text());
}

void TestCssText::fontBuildsOnExistingFont()
{
    StylePropertyGroup style;
    auto text = std::make_unique<TextPropertyGroup>();
    const QFont existing = withPixelSize(11, withFamily(QStringLiteral("monospace")));
    text->setFont(existing);
    style.setText(std::move(text));

    QuiltCssTest::parseInto(style, "font-style: italic");
    QCOMPARE(*style.text()->font(), existing);
    QuiltCssTest::parseInto(style, "font-weight: bold");
    QCOMPARE(*style.text()->font(), withWeight(700, existing));
    // A property without values sets nothing, not even the font it would have kept.
    auto keep = std::make_unique<StylePropertyGroup>();
    Quilt::Css::parseTextProperty(*keep, QuiltCssTest::property("font-style", {}));
    QVERIFY(!keep->text());
}

void TestCssText::emRelativeToStoredFont()
{
    StylePropertyGroup style;
    auto text = std::make_unique<TextPropertyGroup>();
    text->setFont(withPointSize(8));
    style.setText(std::move(text));

    QuiltCssTest::parseInto(style, "font-size: 2em");
    QCOMPARE(style.text()->font()->pointSizeF(), 16.0);
}

void TestCssText::textFields_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QVariant>("color");
    QTest::addColumn<int>("wrapMode"); // -2: not set
    QTest::addColumn<int>("elide"); // -2: not set
    QTest::addColumn<bool>("iconColored");

    const QVariant red = QVariant::fromValue(Color::rgba(255, 0, 0, 255));
    const QVariant invalid = QVariant::fromValue(Color());

    QTest::newRow("color") << QByteArray("color: red") << red << -2 << -2 << true;
    QTest::newRow("text-color") << QByteArray("text-color: red") << red << -2 << -2 << false;
    QTest::newRow("Text-Color") << QByteArray("Text-Color: red") << red << -2 << -2 << false;
    QTest::newRow("color of a length") << QByteArray("text-color: 3px") << invalid << -2 << -2 << false;
    QTest::newRow("custom colour") << QByteArray("text-color: custom(loompalette, active, view, foreground, normal)")
                                   << QVariant::fromValue(
                                          Color::custom(QStringLiteral("loompalette"),
                                                        { QStringLiteral("active"), QStringLiteral("view"),
                                                          QStringLiteral("foreground"), QStringLiteral("normal") }))
                                   << -2 << -2 << false;
    // TextWrapMode: NoWrap 0, WordWrap 1, ManualWrap 2, WrapAnywhere 3, WrapAtWordBoundaryOrAnywhere 4.
    QTest::newRow("wrap") << QByteArray("text-wrap-mode: wrap") << QVariant() << 4 << -2 << false;
    QTest::newRow("WRAP") << QByteArray("text-wrap-mode: WRAP") << QVariant() << 4 << -2 << false;
    QTest::newRow("quoted wrap") << QByteArray("text-wrap-mode: 'wrap'") << QVariant() << 4 << -2 << false;
    QTest::newRow("no-wrap") << QByteArray("text-wrap-mode: no-wrap") << QVariant() << 0 << -2 << false;
    QTest::newRow("word-wrap") << QByteArray("text-wrap-mode: word-wrap") << QVariant() << 1 << -2 << false;
    QTest::newRow("w") << QByteArray("text-wrap-mode: w") << QVariant() << 1 << -2 << false;
    QTest::newRow("wrap-anywhere") << QByteArray("text-wrap-mode: wrap-anywhere") << QVariant() << 3 << -2 << false;
    QTest::newRow("anywhere") << QByteArray("text-wrap-mode: anywhere") << QVariant() << -1 << -2 << false;
    QTest::newRow("wrap mode of a length") << QByteArray("text-wrap-mode: 1px") << QVariant() << -2 << -2 << false;
    // TextElide: None 0, Left 1, Middle 2, Right 3.
    QTest::newRow("right") << QByteArray("text-elide: right") << QVariant() << -2 << 3 << false;
    QTest::newRow("mid") << QByteArray("text-elide: mid") << QVariant() << -2 << 2 << false;
    QTest::newRow("none") << QByteArray("TEXT-ELIDE: none") << QVariant() << -2 << 0 << false;
    QTest::newRow("end") << QByteArray("text-elide: end") << QVariant() << -2 << -1 << false;
    QTest::newRow("elide of an integer") << QByteArray("text-elide: 2") << QVariant() << -2 << -2 << false;
    QTest::newRow("together") << QByteArray("text-elide: left; text-wrap-mode: no-wrap; color: red") << red << 0 << 1
                              << true;
}

void TestCssText::textFields()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QVariant, color);
    QFETCH(int, wrapMode);
    QFETCH(int, elide);
    QFETCH(bool, iconColored);

    const auto style = QuiltCssTest::parse(declarations);
    const TextPropertyGroup* text = style->text();
    QCOMPARE(text != nullptr, color.isValid() || wrapMode != -2 || elide != -2);
    if (!text) {
        return;
    }
    QCOMPARE(text->color().has_value(), color.isValid());
    if (color.isValid()) {
        QCOMPARE(*text->color(), color.value<Color>());
    }
    QCOMPARE(text->wrapMode() ? int(*text->wrapMode()) : -2, wrapMode);
    QCOMPARE(text->elide() ? int(*text->elide()) : -2, elide);
    QVERIFY(!text->font() && !text->alignment());

    // Only the property "color" reaches the icon too.
    QCOMPARE(style->icon() != nullptr, iconColored);
}

void TestCssText::namesWithoutCaseSetNothing()
{
    for (const QByteArray declarations :
         { "text: bold", "text-decoration: underline", "text-transform: none", "text-colour: red" }) {
        const auto style = QuiltCssTest::parse(declarations);
        QVERIFY2(!style->hasAnyValue(), declarations.constData());
        QVERIFY2(!style->text(), declarations.constData());
    }
    const auto aligned = QuiltCssTest::parse("text-alignment-horizontal: center");
    QVERIFY(aligned->text() && aligned->text()->alignment());
    QCOMPARE(aligned->text()->alignment()->horizontal(), Alignment::Center);
    QVERIFY(!aligned->text()->font());
}

QTEST_MAIN(TestCssText)
#include "tst_csstext.moc"
