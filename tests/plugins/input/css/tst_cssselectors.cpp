#include "csstesthelpers.h"
#include "selectorconversion.h"

#include "color.h"
#include "element.h"
#include "pathmetatype.h"

#include <QDataStream>
#include <QRegularExpression>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Css;

Q_DECLARE_METATYPE(cssparser::Value)

namespace
{
SelectorList convert(const QByteArray& selector)
{
    QStringList errors;
    const std::vector<cssparser::SelectorPart> parts = QuiltCssTest::selectorParts(selector, &errors);
    if (!errors.isEmpty()) {
        qWarning() << "Unexpected parse errors" << errors;
    }
    return CssLoader().parseSelectors(parts);
}

// What a selector stores, as its stream form carries it.
QByteArray storedData(const Selector& selector)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    selector.writeToDataStream(stream);
    return bytes;
}

qint32 storedState(const Selector& selector)
{
    QByteArray bytes = storedData(selector);
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    qint32 kind = 0;
    qint32 state = 0;
    stream >> kind >> state;
    return state;
}

std::shared_ptr<Element> element(const QString& type, Element::States states = {}, const QVariantMap& attributes = {})
{
    auto result = Element::create();
    result->setType(type);
    result->setStates(states);
    result->setAttributes(attributes);
    return result;
}
} // namespace

class TestCssSelectors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversion_data();
    void conversion();
    void states_data();
    void states();
    void unknownStateMatchesAnyState();
    void attributeValues_data();
    void attributeValues();
    void variantFromValue_data();
    void variantFromValue();
    void unconvertiblePartsNeverMatch_data();
    void unconvertiblePartsNeverMatch();
    void partsWithoutTheirData();
};

void TestCssSelectors::conversion_data()
{
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<int>("weight");

    QTest::newRow("type") << QByteArray("Button") << "SelectorList(Type(Button))" << 1;
    QTest::newRow("descendant") << QByteArray("ScrollBar Handle")
                                << "SelectorList(Type(ScrollBar), Descendant, Type(Handle))" << 2;
    QTest::newRow("child") << QByteArray("Menu > MenuItem") << "SelectorList(Type(Menu), Child, Type(MenuItem))" << 2;
    QTest::newRow("any element") << QByteArray("*") << "SelectorList(AnyElement)" << 0;
    QTest::newRow("compound") << QByteArray("Button.flat:hover")
                              << "SelectorList(Type(Button), Hint(flat), State(Hovered))" << 21;
    QTest::newRow("id") << QByteArray("#ok") << "SelectorList(Id(ok))" << 100;
    QTest::newRow("case kept") << QByteArray("toolButton.Flat#OK")
                               << "SelectorList(Type(toolButton), Hint(Flat), Id(OK))" << 111;
    QTest::newRow("attribute exists") << QByteArray("[position]") << "SelectorList(AttributeExists(position))" << 10;
    QTest::newRow("attribute equals") << QByteArray("[position=top]")
                                      << "SelectorList(AttributeEquals(key=position, value=top))" << 10;
    for (const char* op : { "*=", "~=", "|=", "^=", "$=" }) {
        QTest::addRow("attribute %s", op) << (QByteArray("[position") + op + "to]")
                                          << "SelectorList(AttributeSubstringMatch(key=position, value=to))" << 10;
    }
}

void TestCssSelectors::conversion()
{
    QFETCH(QByteArray, selector);
    QFETCH(QString, converted);
    QFETCH(int, weight);

    const SelectorList list = convert(selector);
    QCOMPARE(list.toString(), converted);
    QCOMPARE(list.weight(), weight);
}

void TestCssSelectors::states_data()
{
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<qint32>("state");

    QTest::newRow("hover") << QByteArray(":hover") << qint32(Element::State::Hovered);
    QTest::newRow("hyphens ignored") << QByteArray(":visual-focus") << qint32(Element::State::VisualFocus);
    QTest::newRow("any case") << QByteArray(":ACTIVEFOCUS") << qint32(Element::State::ActiveFocus);
    QTest::newRow("prefix") << QByteArray(":press") << qint32(Element::State::Pressed);
    QTest::newRow("earlier key wins") << QByteArray(":h") << qint32(Element::State::Hovered);
    QTest::newRow("none") << QByteArray(":none") << qint32(Element::State::None);
    QTest::newRow("no such key") << QByteArray(":focus") << qint32(-1);
    QTest::newRow("longer than a key") << QByteArray(":hovered-twice") << qint32(-1);
}

void TestCssSelectors::states()
{
    QFETCH(QByteArray, selector);
    QFETCH(qint32, state);

    const SelectorList list = convert(selector);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().type(), SelectorType::State);
    QCOMPARE(storedState(list.first()), state);
}

void TestCssSelectors::unknownStateMatchesAnyState()
{
    const SelectorList focus = convert("Button:focus");
    QVERIFY(focus.matches({ element(QStringLiteral("Button"), Element::State::Hovered) }));
    QVERIFY(focus.matches({ element(QStringLiteral("Button"), Element::State::Highlighted) }));
    QVERIFY(!focus.matches({ element(QStringLiteral("Button")) }));

    QVERIFY(!convert("Button:none").matches({ element(QStringLiteral("Button"), Element::State::Pressed) }));
}

void TestCssSelectors::attributeValues_data()
{
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<QVariant>("attribute");
    QTest::addColumn<bool>("matches");

    QTest::newRow("text, other case") << QByteArray("[position=top]") << QVariant(QStringLiteral("TOP")) << true;
    QTest::newRow("text, other text") << QByteArray("[position=top]") << QVariant(QStringLiteral("bottom")) << false;
    QTest::newRow("quoted text") << QByteArray("[tint=\"red\"]") << QVariant(QStringLiteral("red")) << true;
    QTest::newRow("px") << QByteArray("[size=16px]") << QVariant(16.0f) << true;
    QTest::newRow("px, other number") << QByteArray("[size=16px]") << QVariant(15.0f) << false;
    QTest::newRow("em compares with 0") << QByteArray("[size=16em]") << QVariant(0.0f) << true;
    QTest::newRow("em is not its number") << QByteArray("[size=16em]") << QVariant(16.0f) << false;
    QTest::newRow("integer") << QByteArray("[count=2]") << QVariant(2) << true;
    QTest::newRow("colour") << QByteArray("[tint=#ff0000]") << QVariant::fromValue(Color::rgba(255, 0, 0, 255)) << true;
    QTest::newRow("colour, other colour")
        << QByteArray("[tint=red]") << QVariant::fromValue(Color::rgba(0, 0, 255, 255)) << false;
    QTest::newRow("colour, same colour written otherwise")
        << QByteArray("[tint=red]") << QVariant::fromValue(Color::rgba(255, 0, 0, 255)) << true;
    // A colour or a url has no text form: it never equals a text, the empty
    // text included.
    QTest::newRow("colour against empty text") << QByteArray("[tint=red]") << QVariant(QString()) << false;
    QTest::newRow("colour against its name") << QByteArray("[tint=red]") << QVariant(QStringLiteral("red")) << false;
    QTest::newRow("url against empty text") << QByteArray("[file=url(a.png)]") << QVariant(QString()) << false;
    QTest::newRow("url, same path") << QByteArray("[file=url(a.png)]")
                                    << QVariant::fromValue(std::filesystem::path("a.png")) << true;
    QTest::newRow("url, other path") << QByteArray("[file=url(a.png)]")
                                     << QVariant::fromValue(std::filesystem::path("b.png")) << false;
    QTest::newRow("text against a colour")
        << QByteArray("[tint=\"red\"]") << QVariant::fromValue(Color::rgba(255, 0, 0, 255)) << false;
    QTest::newRow("substring anywhere") << QByteArray("[position^=to]") << QVariant(QStringLiteral("bottom")) << true;
    QTest::newRow("substring absent") << QByteArray("[position$=to]") << QVariant(QStringLiteral("left")) << false;
}

void TestCssSelectors::attributeValues()
{
    QFETCH(QByteArray, selector);
    QFETCH(QVariant, attribute);
    QFETCH(bool, matches);

    // Every row tests an attribute whose name is the selector's first word.
    static const QRegularExpression word(QStringLiteral("^\\[(\\w+)"));
    const QString name = word.match(QString::fromLatin1(selector)).captured(1);
    QVERIFY(!name.isEmpty());
    const auto chain = ElementChain { element(QStringLiteral("Item"), {}, { { name, attribute } }) };
    QCOMPARE(convert(selector).matches(chain), matches);
}

void TestCssSelectors::variantFromValue_data()
{
    QTest::addColumn<cssparser::Value>("value");
    QTest::addColumn<QVariant>("variant");

    using cssparser::Dimension;
    using cssparser::Unit;
    QTest::newRow("px") << cssparser::Value(Dimension { 16.5f, Unit::Px }) << QVariant(16.5f);
    QTest::newRow("pt") << cssparser::Value(Dimension { 16.5f, Unit::Pt }) << QVariant(0.0f);
    QTest::newRow("string") << cssparser::Value(cssparser::Text { "top" }) << QVariant(QStringLiteral("top"));
    QTest::newRow("integer") << cssparser::Value(std::int32_t(-3)) << QVariant(-3);
    QTest::newRow("colour") << cssparser::Value(cssparser::Color { cssparser::Rgba { 1, 2, 3, 4 } })
                            << QVariant::fromValue(Color::rgba(1, 2, 3, 4));
    QTest::newRow("url") << cssparser::Value(cssparser::Url { "images/a.png" })
                         << QVariant::fromValue(std::filesystem::path("images/a.png"));
    QTest::newRow("separator") << cssparser::Value(cssparser::Separator { ',' })
                               << QVariant::fromValue(std::filesystem::path());
    QTest::newRow("empty value") << cssparser::Value() << QVariant();
}

void TestCssSelectors::variantFromValue()
{
    QFETCH(cssparser::Value, value);
    QFETCH(QVariant, variant);

    const QVariant result = Css::variantFromValue(value);
    QCOMPARE(result.metaType(), variant.metaType());
    QCOMPARE(result, variant);
    // The names that the style cache and other readers know these types by.
    if (variant.metaType() == QMetaType::fromType<Color>()) {
        QCOMPARE(QMetaType::fromName("Quilt::Color"), result.metaType());
    } else if (variant.metaType() == QMetaType::fromType<std::filesystem::path>()) {
        QCOMPARE(QMetaType::fromName("std::filesystem::path"), result.metaType());
    }
}

void TestCssSelectors::unconvertiblePartsNeverMatch_data()
{
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<int>("weight");

    QTest::newRow("pseudo-element") << QByteArray("Button::handle") << 1;
    QTest::newRow("function") << QByteArray("Button:not(.flat)") << 1;
    QTest::newRow("next sibling") << QByteArray("Label + Button") << 2;
    QTest::newRow("subsequent sibling") << QByteArray("Label ~ Button") << 2;
}

void TestCssSelectors::unconvertiblePartsNeverMatch()
{
    QFETCH(QByteArray, selector);
    QFETCH(int, weight);

    const SelectorList list = convert(selector);
    QVERIFY(std::any_of(list.cbegin(), list.cend(), [](const Selector& s) { return !s.isValid(); }));
    QCOMPARE(list.weight(), weight);
    const ElementChain chain { element(QStringLiteral("Label")), element(QStringLiteral("Button")) };
    QVERIFY(!list.matches(chain));
    QVERIFY(!list.matches({ element(QStringLiteral("Button")) }));
}

void TestCssSelectors::partsWithoutTheirData()
{
    using cssparser::SelectorKind;
    cssparser::SelectorPart type { SelectorKind::Type, cssparser::Value(std::int32_t(3)), std::nullopt };
    QVERIFY(!convertSelector(type).isValid());

    cssparser::SelectorPart attribute { SelectorKind::Attribute, {}, std::nullopt };
    QVERIFY(!convertSelector(attribute).isValid());

    cssparser::SelectorPart substring { SelectorKind::Attribute,
                                        {},
                                        cssparser::Attribute { "position", cssparser::AttributeOperator::Prefix,
                                                               cssparser::Value(std::int32_t(1)) } };
    QVERIFY(!convertSelector(substring).isValid());

    cssparser::SelectorPart badOperator { SelectorKind::Attribute,
                                          {},
                                          cssparser::Attribute { "position", cssparser::AttributeOperator(9),
                                                                 cssparser::Value(cssparser::Text { "top" }) } };
    QVERIFY(!convertSelector(badOperator).isValid());

    cssparser::SelectorPart badKind { SelectorKind(42), cssparser::Value(cssparser::Text { "Button" }), std::nullopt };
    QVERIFY(!convertSelector(badKind).isValid());
}

QTEST_GUILESS_MAIN(TestCssSelectors)
#include "tst_cssselectors.moc"
