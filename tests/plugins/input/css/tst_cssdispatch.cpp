#include "csstesthelpers.h"
#include "propertyhelpers.h"

#include "element.h"
#include "properties.h"

#include <QTest>

using namespace Quilt;
using namespace Quilt::Css;
using namespace Quilt::Properties;

Q_DECLARE_METATYPE(cssparser::Value)

namespace
{
cssparser::Value px(float number)
{
    return cssparser::Value(cssparser::Dimension { number, cssparser::Unit::Px });
}

cssparser::Value text(const char* t)
{
    return cssparser::Value(cssparser::Text { t });
}

cssparser::Value rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255)
{
    return cssparser::Value(cssparser::Color { cssparser::Rgba { r, g, b, a } });
}

std::shared_ptr<const cssparser::Color> colorPtr(cssparser::Color color)
{
    return std::make_shared<const cssparser::Color>(std::move(color));
}

cssparser::Color modified(cssparser::ModifiedColor modification)
{
    return cssparser::Color { std::move(modification) };
}

const cssparser::Color red { cssparser::Rgba { 255, 0, 0, 255 } };
const cssparser::Color blue { cssparser::Rgba { 0, 0, 255, 255 } };

// Which groups of the style group a property reached.
QStringList reachedGroups(const StylePropertyGroup& group)
{
    QStringList names;
    if (group.display()) {
        names << "display";
    }
    if (group.layout()) {
        names << "layout";
    }
    if (group.text()) {
        names << "text";
    }
    if (group.icon()) {
        names << "icon";
    }
    if (group.background()) {
        names << "background";
    }
    if (group.border()) {
        names << "border";
    }
    if (group.outline()) {
        names << "outline";
    }
    if (group.corners()) {
        names << "corners";
    }
    if (group.shadow()) {
        names << "shadow";
    }
    return names;
}
} // namespace

class TestCssDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matcher_data();
    void matcher();
    void firstCaseActs();
    void dispatch_data();
    void dispatch();
    void laterPropertyOverwrites();
    void emptyNameIsSkipped();
    void enumFromName_data();
    void enumFromName();
    void keyword_data();
    void keyword();
    void colors_data();
    void colors();
    void lengths_data();
    void lengths();
    void unmetReads();
    void guardKeepsExistingGroup();
    void guardHandsOverOnlyGroupsWithValues();
};

void TestCssDispatch::matcher_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("exact, other case") << 0 << QStringLiteral("COLOR") << true;
    QTest::newRow("exact, longer") << 0 << QStringLiteral("color-text") << false;
    QTest::newRow("list, one of them") << 1 << QStringLiteral("Height") << true;
    QTest::newRow("list, not a whole name") << 1 << QStringLiteral("widths") << false;
    QTest::newRow("prefix") << 2 << QStringLiteral("Padding-Left") << true;
    QTest::newRow("prefix, inside") << 2 << QStringLiteral("x-padding") << false;
    QTest::newRow("suffix") << 3 << QStringLiteral("text-alignment-VERTICAL") << true;
    QTest::newRow("suffix, not at the end") << 3 << QStringLiteral("vertical-x") << false;
    QTest::newRow("empty name, prefix") << 2 << QString() << false;
}

void TestCssDispatch::matcher()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    const PropertyMatcher matchers[] = {
        PropertyMatcher::exact(QStringLiteral("color")),
        PropertyMatcher::list({ QStringLiteral("width"), QStringLiteral("height") }),
        PropertyMatcher::prefix(QStringLiteral("padding")),
        PropertyMatcher::suffix(QStringLiteral("vertical")),
    };
    QCOMPARE(matchers[mode].matches(name), accepted);
}

void TestCssDispatch::firstCaseActs()
{
    using Case = PropertyCase<QStringList&>;
    static const std::array<Case, 3> cases { {
        { PropertyMatcher::suffix(QStringLiteral("left")), [](QStringList& log) { log << "left"; } },
        { PropertyMatcher::suffix(QStringLiteral("top")), [](QStringList& log) { log << "top"; } },
        { PropertyMatcher::prefix(QStringLiteral("padding")), [](QStringList& log) { log << "padding"; } },
    } };

    QStringList log;
    QVERIFY(runFirstCase(cases, QStringLiteral("padding-top-left"), log));
    QVERIFY(runFirstCase(cases, QStringLiteral("padding-top"), log));
    QVERIFY(runFirstCase(cases, QStringLiteral("padding"), log));
    QVERIFY(!runFirstCase(cases, QStringLiteral("margin"), log));
    QCOMPARE(log, QStringList({ "left", "top", "padding" }));
}

void TestCssDispatch::dispatch_data()
{
    QTest::addColumn<QByteArray>("declaration");
    QTest::addColumn<QStringList>("groups");

    QTest::newRow("color: text and icon") << QByteArray("COLOR: red") << QStringList { "text", "icon" };
    QTest::newRow("color-text: no case") << QByteArray("color-text: red") << QStringList();
    QTest::newRow("text-color: text only") << QByteArray("text-color: red") << QStringList { "text" };
    QTest::newRow("prefix in any case") << QByteArray("Padding-Left: 2px") << QStringList { "layout" };
    QTest::newRow("list needs the whole name") << QByteArray("widths: 2px") << QStringList();
    QTest::newRow("list") << QByteArray("SPACING: 2px") << QStringList { "layout" };
    QTest::newRow("display") << QByteArray("opacity: 0.5") << QStringList { "display" };
    QTest::newRow("background") << QByteArray("background-color: red") << QStringList { "background" };
    QTest::newRow("border") << QByteArray("border-width: 1px") << QStringList { "border" };
    QTest::newRow("radius") << QByteArray("border-radius: 1px") << QStringList { "corners" };
    QTest::newRow("outline") << QByteArray("outline-width: 1px") << QStringList { "outline" };
    QTest::newRow("font") << QByteArray("font-weight: 600") << QStringList { "text" };
    QTest::newRow("icon") << QByteArray("icon-size: 16px") << QStringList { "icon" };
    QTest::newRow("box-shadow") << QByteArray("box-shadow: 1px 1px 1px 1px red") << QStringList { "shadow" };
    QTest::newRow("shadow prefix, acts on nothing") << QByteArray("shadow-color: red") << QStringList();
    QTest::newRow("unknown") << QByteArray("cursor: pointer") << QStringList();
}

void TestCssDispatch::dispatch()
{
    QFETCH(QByteArray, declaration);
    QFETCH(QStringList, groups);

    const auto group = QuiltCssTest::parse(declaration);
    QCOMPARE(reachedGroups(*group), groups);
}

void TestCssDispatch::laterPropertyOverwrites()
{
    const auto group = QuiltCssTest::parse("width: 10px; height: 4px; width: 20px");
    QVERIFY(group->layout());
    QCOMPARE(group->layout()->width(), 20.0);
    QCOMPARE(group->layout()->height(), 4.0);
}

void TestCssDispatch::emptyNameIsSkipped()
{
    StylePropertyGroup group;
    CssLoader loader;
    loader.parseProperties(group,
                           { QuiltCssTest::property("", { px(2) }), QuiltCssTest::property("width", { px(3) }) });
    QCOMPARE(reachedGroups(group), QStringList { "layout" });
    QCOMPARE(group.layout()->width(), 3.0);
}

void TestCssDispatch::enumFromName_data()
{
    QTest::addColumn<QString>("enumeration");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("value");

    QTest::newRow("full key") << "States" << QByteArray("Hovered") << int(Element::State::Hovered);
    QTest::newRow("prefix") << "States" << QByteArray("hover") << int(Element::State::Hovered);
    QTest::newRow("hyphens removed") << "States" << QByteArray("visual-focus") << int(Element::State::VisualFocus);
    QTest::newRow("hyphens anywhere") << "States" << QByteArray("-c-h-e-c-k") << int(Element::State::Checked);
    QTest::newRow("earlier key wins") << "States" << QByteArray("h") << int(Element::State::Hovered);
    QTest::newRow("no key") << "States" << QByteArray("focus") << -1;
    QTest::newRow("empty: first key") << "States" << QByteArray() << int(Element::State::None);
    QTest::newRow("longer than every key") << "States" << QByteArray("highlightedx") << -1;
    QTest::newRow("alignment, stack") << "Alignment" << QByteArray("stack") << int(Alignment::StackCenter);
    QTest::newRow("alignment, sta") << "Alignment" << QByteArray("sta") << int(Alignment::Start);
    QTest::newRow("alignment, centre") << "Alignment" << QByteArray("centre") << -1;
    QTest::newRow("container") << "AlignmentContainer" << QByteArray("BACK") << int(AlignmentContainer::Background);
    QTest::newRow("line style") << "LineStyle" << QByteArray("so-lid") << int(LineStyle::Solid);
    QTest::newRow("wrap mode") << "TextWrapMode" << QByteArray("wrap") << int(TextWrapMode::WrapAnywhere);
    QTest::newRow("elide") << "TextElide" << QByteArray("mid") << int(TextElide::Middle);
}

void TestCssDispatch::enumFromName()
{
    QFETCH(QString, enumeration);
    QFETCH(QByteArray, name);
    QFETCH(int, value);

    const std::string_view view(name.constData(), size_t(name.size()));
    int result = -2;
    if (enumeration == "States") {
        result = Css::enumFromName<Element::States>(view);
    } else if (enumeration == "Alignment") {
        result = Css::enumFromName<Alignment>(view);
    } else if (enumeration == "AlignmentContainer") {
        result = Css::enumFromName<AlignmentContainer>(view);
    } else if (enumeration == "LineStyle") {
        result = Css::enumFromName<LineStyle>(view);
    } else if (enumeration == "TextWrapMode") {
        result = Css::enumFromName<TextWrapMode>(view);
    } else if (enumeration == "TextElide") {
        result = Css::enumFromName<TextElide>(view);
    }
    QCOMPARE(result, value);
}

void TestCssDispatch::keyword_data()
{
    QTest::addColumn<cssparser::Value>("value");
    QTest::addColumn<bool>("isNone");

    QTest::newRow("string") << text("none") << true;
    QTest::newRow("other case") << text("NoNe") << true;
    QTest::newRow("other word") << text("nonE-") << false;
    QTest::newRow("url of the word") << cssparser::Value(cssparser::Url { "none" }) << false;
    QTest::newRow("dimension") << px(0) << false;
    QTest::newRow("empty value") << cssparser::Value() << false;
}

void TestCssDispatch::keyword()
{
    QFETCH(cssparser::Value, value);
    QFETCH(bool, isNone);

    QCOMPARE(isKeyword(value, QStringLiteral("none")), isNone);
}

void TestCssDispatch::colors_data()
{
    QTest::addColumn<cssparser::Value>("value");
    QTest::addColumn<Color>("color");

    using cssparser::ColorOperation;
    const Color qred = Color::rgba(255, 0, 0, 255);
    const Color qblue = Color::rgba(0, 0, 255, 255);

    QTest::newRow("rgba") << rgba(1, 2, 3, 4) << Color::rgba(1, 2, 3, 4);
    QTest::newRow("custom") << cssparser::Value(
        cssparser::Color { cssparser::CustomColor { "loompalette", { "active", "view", "background", "normal" } } })
                            << Color::custom(QStringLiteral("loompalette"),
                                             { "active", "view", "background", "normal" });
    QTest::newRow("custom without arguments")
        << cssparser::Value(cssparser::Color { cssparser::CustomColor { "ä", {} } })
        << Color::custom(QStringLiteral("ä"), {});
    QTest::newRow("set, alpha only") << cssparser::Value(
        modified({ ColorOperation::Set, colorPtr(red), nullptr, std::nullopt, std::nullopt, std::nullopt, 128 }))
                                     << Color::set(qred, std::nullopt, std::nullopt, std::nullopt, 128);
    QTest::newRow("add") << cssparser::Value(modified({ ColorOperation::Add, colorPtr(red), colorPtr(blue) }))
                         << Color::add(qred, qblue);
    QTest::newRow("subtract") << cssparser::Value(modified({ ColorOperation::Subtract, colorPtr(red), colorPtr(blue) }))
                              << Color::subtract(qred, qblue);
    QTest::newRow("multiply") << cssparser::Value(modified({ ColorOperation::Multiply, colorPtr(red), colorPtr(blue) }))
                              << Color::multiply(qred, qblue);
    cssparser::ModifiedColor mix { ColorOperation::Mix, colorPtr(red), colorPtr(blue) };
    mix.amount = 0.25f;
    QTest::newRow("mix") << cssparser::Value(modified(mix)) << Color::mix(qred, qblue, 0.25);
    const cssparser::Color inner = modified({ ColorOperation::Add, colorPtr(red), colorPtr(blue) });
    QTest::newRow("nested") << cssparser::Value(modified({ ColorOperation::Multiply, colorPtr(inner), colorPtr(blue) }))
                            << Color::multiply(Color::add(qred, qblue), qblue);
    QTest::newRow("operation none") << cssparser::Value(modified({ ColorOperation::None, colorPtr(red) })) << Color();
    QTest::newRow("colour of kind none") << cssparser::Value(cssparser::Color {}) << Color();
    QTest::newRow("not a colour") << px(4) << Color();
    QTest::newRow("word") << text("red") << Color();
}

void TestCssDispatch::colors()
{
    QFETCH(cssparser::Value, value);
    QFETCH(Color, color);

    const Color result = colorFromValue(value);
    QCOMPARE(result, color);
    QCOMPARE(result.isValid(), color.isValid());
}

void TestCssDispatch::lengths_data()
{
    QTest::addColumn<cssparser::Value>("value");
    QTest::addColumn<double>("pixels");
    QTest::addColumn<double>("number");

    using cssparser::Dimension;
    using cssparser::Unit;
    QTest::newRow("px") << px(12.5f) << 12.5 << 0.0;
    QTest::newRow("em") << cssparser::Value(Dimension { 2, Unit::Em }) << 0.0 << 0.0;
    QTest::newRow("plain number") << cssparser::Value(Dimension { 0.5f, Unit::Number }) << 0.0 << 0.5;
    QTest::newRow("integer") << cssparser::Value(std::int32_t(3)) << 0.0 << 0.0;
    QTest::newRow("string") << text("3px") << 0.0 << 0.0;
}

void TestCssDispatch::lengths()
{
    QFETCH(cssparser::Value, value);
    QFETCH(double, pixels);
    QFETCH(double, number);

    QCOMPARE(pixelLength(value), pixels);
    QCOMPARE(dimensionIn(value, cssparser::Unit::Number), number);
}

void TestCssDispatch::unmetReads()
{
    const cssparser::Property property = QuiltCssTest::property(
        "x", { text("word"), cssparser::Value(cssparser::Url { "a.png" }), cssparser::Value(std::int32_t(7)), px(2) });

    QCOMPARE(textAt(property, 0), std::optional<QString>(QStringLiteral("word")));
    QCOMPARE(textAt(property, 1), std::optional<QString>(QStringLiteral("a.png")));
    QCOMPARE(textAt(property, 2), std::nullopt);
    QCOMPARE(textAt(property, 4), std::nullopt);
    QCOMPARE(integerAt(property, 2), std::optional<std::int32_t>(7));
    QCOMPARE(integerAt(property, 3), std::nullopt);
    QCOMPARE(integerAt(property, 9), std::nullopt);
    QVERIFY(dimensionAt(property, 3));
    QVERIFY(!dimensionAt(property, 0));
    QVERIFY(valueAt(property, 3));
    QVERIFY(!valueAt(property, 4));
    QVERIFY(!valueAt(QuiltCssTest::property("x", {}), 0));
}

void TestCssDispatch::guardKeepsExistingGroup()
{
    StylePropertyGroup style;
    auto layout = std::make_unique<LayoutPropertyGroup>();
    layout->setHeight(5.0);
    LayoutPropertyGroup* existing = layout.get();
    style.setLayout(std::move(layout));

    {
        GroupGuard guard(style, &StylePropertyGroup::layout, &StylePropertyGroup::setLayout);
        QCOMPARE(guard.get(), existing);
        guard->setWidth(3.0);
    }
    QCOMPARE(style.layout(), existing);
    QCOMPARE(style.layout()->width(), 3.0);
    QCOMPARE(style.layout()->height(), 5.0);

    // An existing group stays even when the guard set nothing in it.
    style.setBorder(std::make_unique<BorderPropertyGroup>());
    {
        GroupGuard guard(style, &StylePropertyGroup::border, &StylePropertyGroup::setBorder);
    }
    QVERIFY(style.border());
}

void TestCssDispatch::guardHandsOverOnlyGroupsWithValues()
{
    StylePropertyGroup style;
    {
        GroupGuard border(style, &StylePropertyGroup::border, &StylePropertyGroup::setBorder);
        GroupGuard left(*border, &BorderPropertyGroup::left, &BorderPropertyGroup::setLeft);
        QVERIFY(left.get());
    }
    QVERIFY(!style.border());

    {
        GroupGuard layout(style, &StylePropertyGroup::layout, &StylePropertyGroup::setLayout);
        GroupGuard padding(*layout, &LayoutPropertyGroup::padding, &LayoutPropertyGroup::setPadding);
        GroupGuard margins(*layout, &LayoutPropertyGroup::margins, &LayoutPropertyGroup::setMargins);
        padding->setTop(1.0);
    }
    QVERIFY(style.layout());
    QVERIFY(style.layout()->padding());
    QCOMPARE(style.layout()->padding()->top(), 1.0);
    QVERIFY(!style.layout()->margins());
}

QTEST_MAIN(TestCssDispatch)
#include "tst_cssdispatch.moc"
