#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "alignmentpropertygroup.h"
#include "iconpropertygroup.h"
#include "textpropertygroup.h"

#include <QTest>
#include <QUrl>

using namespace Quilt;
using namespace Quilt::Properties;

namespace
{
template<typename T> QVariant variant(const std::optional<T>& value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}
} // namespace

class TestCssIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void icon_data();
    void icon();
    void existingGroupChangesInPlace();
    void propertyWithoutValuesSetsNothing();
};

void TestCssIcon::icon_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QVariant>("width");
    QTest::addColumn<QVariant>("height");
    QTest::addColumn<QVariant>("name");
    QTest::addColumn<QVariant>("source");
    QTest::addColumn<QVariant>("color");

    const QVariant none;
    const QVariant red = QVariant::fromValue(Color::rgba(255, 0, 0, 255));
    const QVariant blue = QVariant::fromValue(Color::rgba(0, 0, 255, 255));

    QTest::newRow("size") << QByteArray("icon-size: 16px") << QVariant(16.0) << QVariant(16.0) << none << none << none;
    QTest::newRow("width in em") << QByteArray("icon-width: 1.5em") << QVariant(0.0) << none << none << none << none;
    QTest::newRow("height, integer") << QByteArray("icon-height: 22") << none << QVariant(0.0) << none << none << none;
    QTest::newRow("later height overwrites size")
        << QByteArray("icon-size: 16px; icon-height: 22px") << QVariant(16.0) << QVariant(22.0) << none << none << none;
    QTest::newRow("name") << QByteArray("icon-name: document-open") << none << none
                          << QVariant(QStringLiteral("document-open")) << none << none;
    QTest::newRow("quoted name") << QByteArray("Icon-Name: 'Go Up'") << none << none
                                 << QVariant(QStringLiteral("Go Up")) << none << none;
    QTest::newRow("name of a length") << QByteArray("icon-name: 12px") << none << none << QVariant(QString()) << none
                                      << none;
    QTest::newRow("name of a url") << QByteArray("icon-name: url(a.svg)") << none << none << QVariant(QString()) << none
                                   << none;
    QTest::newRow("source") << QByteArray("icon-source: 'qrc:/icons/a.svg'") << none << none << none
                            << QVariant(QUrl(QStringLiteral("qrc:/icons/a.svg"))) << none;
    QTest::newRow("relative source is kept") << QByteArray("icon-source: 'icons/a b.svg'") << none << none << none
                                             << QVariant(QUrl(QStringLiteral("icons/a%20b.svg"))) << none;
    QTest::newRow("source of a url") << QByteArray("icon-source: url(a.svg)") << none << none << none
                                     << QVariant(QUrl()) << none;
    QTest::newRow("color") << QByteArray("color: red") << none << none << none << none << red;
    QTest::newRow("icon-color") << QByteArray("icon-color: blue") << none << none << none << none << blue;
    QTest::newRow("ICON-COLOR") << QByteArray("ICON-COLOR: blue") << none << none << none << none << blue;
    QTest::newRow("colour of a length") << QByteArray("icon-color: 3px") << none << none << none << none
                                        << QVariant::fromValue(Color());
    QTest::newRow("icon, no case") << QByteArray("icon: foo") << none << none << none << none << none;
    QTest::newRow("icon-colour, no case") << QByteArray("icon-colour: red") << none << none << none << none << none;
    QTest::newRow("icon-file, no case") << QByteArray("icon-file: 'a.svg'") << none << none << none << none << none;
}

void TestCssIcon::icon()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QVariant, width);
    QFETCH(QVariant, height);
    QFETCH(QVariant, name);
    QFETCH(QVariant, source);
    QFETCH(QVariant, color);

    const auto style = QuiltCssTest::parse(declarations);
    const IconPropertyGroup* icon = style->icon();
    const bool any = width.isValid() || height.isValid() || name.isValid() || source.isValid() || color.isValid();
    QCOMPARE(icon != nullptr, any);
    if (!icon) {
        QVERIFY(!style->hasAnyValue());
        return;
    }
    QCOMPARE(variant(icon->width()), width);
    QCOMPARE(variant(icon->height()), height);
    QCOMPARE(variant(icon->name()), name);
    QCOMPARE(variant(icon->source()), source);
    QCOMPARE(icon->color().has_value(), color.isValid());
    if (color.isValid()) {
        QCOMPARE(*icon->color(), color.value<Color>());
    }
    QVERIFY(!icon->alignment());
    // Only "color" colours the text as well.
    QCOMPARE(style->text() != nullptr, declarations == "color: red");
}

void TestCssIcon::existingGroupChangesInPlace()
{
    StylePropertyGroup style;
    auto icon = std::make_unique<IconPropertyGroup>();
    icon->setName(QStringLiteral("edit-copy"));
    IconPropertyGroup* const before = icon.get();
    style.setIcon(std::move(icon));

    QuiltCssTest::parseInto(style, "icon-width: 8px; icon-alignment-vertical: center");

    QCOMPARE(style.icon(), before);
    QCOMPARE(before->name(), QStringLiteral("edit-copy"));
    QCOMPARE(before->width(), 8.0);
    QVERIFY(!before->height());
    QVERIFY(before->alignment());
    QCOMPARE(before->alignment()->vertical(), Alignment::Center);
}

// No style sheet text gives a property without values; a caller might.
void TestCssIcon::propertyWithoutValuesSetsNothing()
{
    StylePropertyGroup style;
    for (const char* name : { "icon-width", "icon-height", "icon-size", "icon-name", "icon-source", "color",
                              "icon-color", "icon-alignment-order" }) {
        Quilt::Css::parseIconProperty(style, QuiltCssTest::property(name, {}));
    }
    QVERIFY(!style.icon());
}

QTEST_GUILESS_MAIN(TestCssIcon)
#include "tst_cssicon.moc"
