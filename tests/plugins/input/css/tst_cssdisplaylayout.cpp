#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "displaypropertygroup.h"
#include "layoutpropertygroup.h"
#include "sizepropertygroup.h"

#include <QTest>

using namespace Quilt::Properties;

namespace
{
QVariant variant(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant();
}

// "top right bottom left", "-" for a side that is not set; "none" without a group.
QString sides(const SizePropertyGroup* size)
{
    if (!size) {
        return QStringLiteral("none");
    }
    QStringList parts;
    for (const std::optional<double>& side : { size->top(), size->right(), size->bottom(), size->left() }) {
        parts.append(side ? QString::number(*side) : QStringLiteral("-"));
    }
    return parts.join(u' ');
}
} // namespace

class TestCssDisplayLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void display_data();
    void display();
    void lengths_data();
    void lengths();
    void boxes_data();
    void boxes();
    void existingGroupsChangeInPlace();
    void propertyWithoutValuesSetsNothing();
};

void TestCssDisplayLayout::display_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QVariant>("visible");
    QTest::addColumn<QVariant>("opacity");

    QTest::newRow("visible") << QByteArray("visibility: visible") << QVariant(true) << QVariant();
    QTest::newRow("hidden, any case") << QByteArray("visibility: HIDDEN") << QVariant(false) << QVariant();
    QTest::newRow("quoted keyword") << QByteArray("visibility: 'hidden'") << QVariant(false) << QVariant();
    QTest::newRow("other keyword") << QByteArray("visibility: collapse") << QVariant() << QVariant();
    QTest::newRow("no text") << QByteArray("visibility: 3px") << QVariant() << QVariant();
    QTest::newRow("later one wins") << QByteArray("visibility: hidden; visibility: visible") << QVariant(true)
                                    << QVariant();
    QTest::newRow("opacity") << QByteArray("opacity: 0.5") << QVariant() << QVariant(0.5);
    QTest::newRow("opacity not clamped") << QByteArray("opacity: 1.5") << QVariant() << QVariant(1.5);
    QTest::newRow("opacity in percent") << QByteArray("opacity: 50%") << QVariant() << QVariant(0.0);
    QTest::newRow("opacity in px") << QByteArray("opacity: 5px") << QVariant() << QVariant(0.0);
    QTest::newRow("opacity integer") << QByteArray("opacity: 1") << QVariant() << QVariant(0.0);
    QTest::newRow("opacity keyword") << QByteArray("opacity: half") << QVariant() << QVariant(0.0);
    QTest::newRow("both") << QByteArray("Visibility: hidden; OPACITY: 0.25") << QVariant(false) << QVariant(0.25);
}

void TestCssDisplayLayout::display()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QVariant, visible);
    QFETCH(QVariant, opacity);

    const auto style = QuiltCssTest::parse(declarations);
    const DisplayPropertyGroup* display = style->display();
    QCOMPARE(display != nullptr, visible.isValid() || opacity.isValid());
    if (!display) {
        return;
    }
    QCOMPARE(display->visible() ? QVariant(*display->visible()) : QVariant(), visible);
    QCOMPARE(variant(display->opacity()), opacity);
}

void TestCssDisplayLayout::lengths_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QVariant>("width");
    QTest::addColumn<QVariant>("height");
    QTest::addColumn<QVariant>("spacing");

    QTest::newRow("px") << QByteArray("width: 12px; height: 3.5px; spacing: 4px") << QVariant(12.0) << QVariant(3.5)
                        << QVariant(4.0);
    QTest::newRow("percent") << QByteArray("width: 50%") << QVariant(0.0) << QVariant() << QVariant();
    QTest::newRow("em") << QByteArray("height: 2em") << QVariant() << QVariant(0.0) << QVariant();
    QTest::newRow("integer") << QByteArray("spacing: 3") << QVariant() << QVariant() << QVariant(0.0);
    QTest::newRow("first value only") << QByteArray("width: 12px 30px") << QVariant(12.0) << QVariant() << QVariant();
    QTest::newRow("any case") << QByteArray("WIDTH: 7px") << QVariant(7.0) << QVariant() << QVariant();
}

void TestCssDisplayLayout::lengths()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QVariant, width);
    QFETCH(QVariant, height);
    QFETCH(QVariant, spacing);

    const auto style = QuiltCssTest::parse(declarations);
    const LayoutPropertyGroup* layout = style->layout();
    QVERIFY(layout);
    QCOMPARE(variant(layout->width()), width);
    QCOMPARE(variant(layout->height()), height);
    QCOMPARE(variant(layout->spacing()), spacing);
    QVERIFY(!layout->padding() && !layout->inset() && !layout->margins() && !layout->alignment());
}

void TestCssDisplayLayout::boxes_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QString>("padding");
    QTest::addColumn<QString>("inset");
    QTest::addColumn<QString>("margins");

    const QString none = QStringLiteral("none");
    QTest::newRow("one value") << QByteArray("padding: 4px") << "4 4 4 4" << none << none;
    QTest::newRow("two values") << QByteArray("padding: 1px 2px") << "1 2 1 2" << none << none;
    QTest::newRow("three values") << QByteArray("margin: 1px 2px 3px") << none << none << "1 2 3 2";
    QTest::newRow("four values") << QByteArray("inset: 1px 2px 3px 4px") << none << "1 2 3 4" << none;
    QTest::newRow("five values") << QByteArray("padding: 1px 2px 3px 4px 5px") << none << none << none;
    QTest::newRow("each value converted") << QByteArray("padding: 1px 2em 3 4px") << "1 0 0 4" << none << none;
    QTest::newRow("one side") << QByteArray("padding-left: 2px") << "- - - 2" << none << none;
    QTest::newRow("side, other unit") << QByteArray("padding-left: 2em") << "- - - 0" << none << none;
    QTest::newRow("side, first value only") << QByteArray("inset-bottom: 2px 5px") << none << "- - 2 -" << none;
    QTest::newRow("side, any case") << QByteArray("Margin-Top: 3px") << none << none << "3 - - -";
    QTest::newRow("margins, side") << QByteArray("margins-top: 3px") << none << none << "3 - - -";
    QTest::newRow("margins") << QByteArray("margins: 2px") << none << none << "2 2 2 2";
    QTest::newRow("unknown ending is the shorthand") << QByteArray("padding-all: 5px") << "5 5 5 5" << none << none;
    QTest::newRow("left is tested before top") << QByteArray("padding-top-left: 3px") << "- - - 3" << none << none;
    QTest::newRow("side after shorthand") << QByteArray("padding: 4px; padding-left: 0px") << "4 4 4 0" << none << none;
    QTest::newRow("shorthand after side") << QByteArray("padding-left: 0px; padding: 4px") << "4 4 4 4" << none << none;
    QTest::newRow("layout, no case") << QByteArray("layout: 3px") << none << none << none;
    QTest::newRow("layout-direction, no case") << QByteArray("layout-direction: rtl") << none << none << none;
    QTest::newRow("all three") << QByteArray("padding: 1px; inset-right: 2px; margin: 3px 4px") << "1 1 1 1"
                               << "- 2 - -"
                               << "3 4 3 4";
}

void TestCssDisplayLayout::boxes()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QString, padding);
    QFETCH(QString, inset);
    QFETCH(QString, margins);

    const auto style = QuiltCssTest::parse(declarations);
    const LayoutPropertyGroup* layout = style->layout();
    QCOMPARE(layout != nullptr, padding != u"none" || inset != u"none" || margins != u"none");
    if (!layout) {
        return;
    }
    QCOMPARE(sides(layout->padding()), padding);
    QCOMPARE(sides(layout->inset()), inset);
    QCOMPARE(sides(layout->margins()), margins);
    QVERIFY(!layout->width() && !layout->height() && !layout->spacing());
}

void TestCssDisplayLayout::existingGroupsChangeInPlace()
{
    StylePropertyGroup style;
    auto layout = std::make_unique<LayoutPropertyGroup>();
    auto padding = std::make_unique<SizePropertyGroup>();
    padding->setTop(9.0);
    SizePropertyGroup* const paddingBefore = padding.get();
    layout->setPadding(std::move(padding));
    layout->setWidth(100.0);
    LayoutPropertyGroup* const layoutBefore = layout.get();
    style.setLayout(std::move(layout));

    QuiltCssTest::parseInto(style, "padding-left: 2px; height: 5px; visibility: hidden");

    QCOMPARE(style.layout(), layoutBefore);
    QCOMPARE(style.layout()->padding(), paddingBefore);
    QCOMPARE(sides(paddingBefore), QStringLiteral("9 - - 2"));
    QCOMPARE(layoutBefore->width(), 100.0);
    QCOMPARE(layoutBefore->height(), 5.0);
    QVERIFY(style.display());
    QCOMPARE(style.display()->visible(), false);
}

// No style sheet text gives a property without values; a caller might.
void TestCssDisplayLayout::propertyWithoutValuesSetsNothing()
{
    StylePropertyGroup style;
    for (const char* name : { "visibility", "opacity" }) {
        Quilt::Css::parseDisplayProperty(style, QuiltCssTest::property(name, {}));
    }
    for (const char* name : { "width", "height", "spacing", "padding", "padding-left", "inset", "margin-top" }) {
        Quilt::Css::parseLayoutProperty(style, QuiltCssTest::property(name, {}));
    }
    QVERIFY(!style.display());
    QVERIFY(!style.layout());
}

QTEST_GUILESS_MAIN(TestCssDisplayLayout)
#include "tst_cssdisplaylayout.moc"
