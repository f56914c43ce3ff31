#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "borderpropertygroup.h"
#include "cornerpropertygroup.h"
#include "cornerspropertygroup.h"
#include "linepropertygroup.h"
#include "outlinepropertygroup.h"
#include "properties.h"

#include <QLoggingCategory>
#include <QMetaEnum>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Properties;

using QuiltCssTest::describeColor;
using QuiltCssTest::describeNumber;

namespace
{
// "size style colour", "-" for an unset field; a style that names no key is
// written as its number.
QString describeLine(const LinePropertyGroup& line)
{
    QString style = QStringLiteral("-");
    if (const std::optional<LineStyle> value = line.style()) {
        const char* key = QMetaEnum::fromType<LineStyle>().valueToKey(int(*value));
        style = key ? QString::fromLatin1(key) : QString::number(int(*value));
    }
    return QStringLiteral("%1 %2 %3")
        .arg(describeNumber(line.size()), style, line.color() ? describeColor(*line.color()) : QStringLiteral("-"));
}

// "name{left[..] right[..] top[..] bottom[..]}" with the sides present, or
// "name{all[..]}" when all four are present and alike; empty without a group.
template<typename Lines> QString describeLines(const QString& name, const Lines* group)
{
    if (!group) {
        return {};
    }
    const std::array<std::pair<const char*, LinePropertyGroup*>, 4> sides { {
        { "left", group->left() },
        { "right", group->right() },
        { "top", group->top() },
        { "bottom", group->bottom() },
    } };
    QStringList texts;
    QStringList parts;
    for (const auto& [side, line] : sides) {
        if (line) {
            texts << describeLine(*line);
            parts << QStringLiteral("%1[%2]").arg(QLatin1StringView(side), texts.constLast());
        }
    }
    if (texts.size() == 4 && texts.count(texts.constFirst()) == 4) {
        parts = QStringList { QStringLiteral("all[%1]").arg(texts.constFirst()) };
    }
    return QStringLiteral("%1{%2}").arg(name, parts.join(u' '));
}

QString describeCorners(const CornersPropertyGroup* corners)
{
    if (!corners) {
        return {};
    }
    const std::array<std::pair<const char*, CornerPropertyGroup*>, 4> all { {
        { "tl", corners->topLeft() },
        { "tr", corners->topRight() },
        { "br", corners->bottomRight() },
        { "bl", corners->bottomLeft() },
    } };
    QStringList parts;
    for (const auto& [name, corner] : all) {
        if (corner) {
            parts << QStringLiteral("%1 %2").arg(QLatin1StringView(name), describeNumber(corner->radius()));
        }
    }
    return QStringLiteral("corners{%1}").arg(parts.join(u' '));
}

// The border, outline and corner groups of a style group, in that order.
QString describe(const StylePropertyGroup& style)
{
    QStringList parts { describeLines(QStringLiteral("border"), style.border()),
                        describeLines(QStringLiteral("outline"), style.outline()), describeCorners(style.corners()) };
    parts.removeAll(QString());
    return parts.join(u' ');
}
} // namespace

class TestCssBorder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void properties_data()
    {
        QTest::addColumn<QByteArray>("declarations");
        QTest::addColumn<QString>("expected");

        // The length-style-colour forms.
        QTest::newRow("border") << QByteArray("border: 1px solid red") << "border{all[1 Solid #ff0000]}";
        QTest::newRow("border none") << QByteArray("border: none") << "border{all[0 None invalid]}";
        QTest::newRow("border style alone") << QByteArray("border: solid") << "border{all[0 Solid invalid]}";
        QTest::newRow("border extra values ignored")
            << QByteArray("border: 2px solid red 9px") << "border{all[2 Solid #ff0000]}";
        QTest::newRow("border two values") << QByteArray("border: 1px solid") << "";
        QTest::newRow("border single length") << QByteArray("border: 1px") << "";
        QTest::newRow("border style not a word") << QByteArray("border: 1px 2px red") << "";
        QTest::newRow("border style as url")
            << QByteArray("border: 1px url(solid) red") << "border{all[1 Solid #ff0000]}";
        QTest::newRow("side") << QByteArray("border-left: 2px solid blue") << "border{left[2 Solid #0000ff]}";
        QTest::newRow("side none") << QByteArray("border-left: none") << "border{left[0 None invalid]}";
        QTest::newRow("side style alone is not enough") << QByteArray("border-left: solid") << "";
        QTest::newRow("unknown side") << QByteArray("border-middle: 1px solid red") << "";

        // One attribute on all sides, or on one.
        QTest::newRow("width") << QByteArray("border-width: 2px") << "border{all[2 - -]}";
        QTest::newRow("color") << QByteArray("border-color: red") << "border{all[- - #ff0000]}";
        QTest::newRow("style unknown is kept") << QByteArray("border-style: dotted") << "border{all[- -1 -]}";
        QTest::newRow("style prefix") << QByteArray("border-style: so-lid") << "border{all[- Solid -]}";
        QTest::newRow("size needs a side") << QByteArray("border-size: 2px") << "";
        QTest::newRow("side size") << QByteArray("border-top-size: 3px") << "border{top[3 - -]}";
        QTest::newRow("side width") << QByteArray("border-top-width: 3px") << "border{top[3 - -]}";
        QTest::newRow("em is no pixel length") << QByteArray("border-left-width: 2em") << "border{left[0 - -]}";
        QTest::newRow("integer is no pixel length") << QByteArray("border-left-width: 2") << "border{left[0 - -]}";
        QTest::newRow("side style any case") << QByteArray("border-left-style: SOLID") << "border{left[- Solid -]}";
        QTest::newRow("side style not a word") << QByteArray("border-left-style: 1px") << "";
        QTest::newRow("side colour not a colour")
            << QByteArray("border-left-color: 1px") << "border{left[- - invalid]}";
        QTest::newRow("unknown side attribute") << QByteArray("border-middle-width: 1px") << "";
        QTest::newRow("unknown attribute") << QByteArray("border-left-depth: 1px") << "";
        QTest::newRow("parts after the third") << QByteArray("border-left-width-extra: 1px") << "border{left[1 - -]}";
        QTest::newRow("empty part") << QByteArray("border--width: 1px") << "";

        // Later properties of a rule overwrite earlier ones.
        QTest::newRow("later side colour")
            << QByteArray("border: 1px solid red; border-left-color: blue")
            << "border{left[1 Solid #0000ff] right[1 Solid #ff0000] top[1 Solid #ff0000] bottom[1 Solid #ff0000]}";

        // Corners.
        QTest::newRow("radius") << QByteArray("border-radius: 4px") << "corners{tl 4 tr 4 br 4 bl 4}";
        QTest::newRow("radius four") << QByteArray("border-radius: 1px 2px 3px 4px") << "corners{tl 1 tr 2 br 3 bl 4}";
        QTest::newRow("radius two") << QByteArray("border-radius: 1px 2px") << "";
        QTest::newRow("radius five") << QByteArray("border-radius: 1px 2px 3px 4px 5px") << "";
        QTest::newRow("radius in pt") << QByteArray("border-radius: 4pt") << "corners{tl 0 tr 0 br 0 bl 0}";
        QTest::newRow("top left") << QByteArray("border-top-left-radius: 5px") << "corners{tl 5}";
        QTest::newRow("top left any case") << QByteArray("BORDER-TOP-LEFT-radius: 5px") << "corners{tl 5}";
        QTest::newRow("top right") << QByteArray("border-top-right-radius: 5px 6px") << "corners{tr 5}";
        QTest::newRow("bottom left") << QByteArray("border-bottom-left-radius: 5px") << "corners{bl 5}";
        QTest::newRow("bottom right") << QByteArray("border-bottom-right-radius: 5px") << "corners{br 5}";
        QTest::newRow("other radius name is the shorthand")
            << QByteArray("border-left-radius: 3px") << "corners{tl 3 tr 3 br 3 bl 3}";
        QTest::newRow("radius ending compares bytes") << QByteArray("border-RADIUS: 3px") << "";

        // Outline: the same line grammar, no corners.
        QTest::newRow("outline") << QByteArray("outline: 2px solid red") << "outline{all[2 Solid #ff0000]}";
        QTest::newRow("outline side attribute")
            << QByteArray("outline-bottom-color: blue") << "outline{bottom[- - #0000ff]}";
        QTest::newRow("outline radius is a side") << QByteArray("outline-radius: 2px 2px 2px") << "";
        QTest::newRow("outline and border apart")
            << QByteArray("border-width: 1px; outline-width: 2px") << "border{all[1 - -]} outline{all[2 - -]}";
    }

    void properties()
    {
        QFETCH(QByteArray, declarations);
        QFETCH(QString, expected);

        QCOMPARE(describe(*QuiltCssTest::parse(declarations)), expected);
    }

    // Names are lower case only: another spelling or another word sets
    // nothing and says so on the debug channel.
    void wrongWord_data()
    {
        QTest::addColumn<QByteArray>("declaration");
        QTest::addColumn<QString>("message");

        QTest::newRow("capital")
            << QByteArray("Border-left: 1px solid red")
            << R"(Ignoring invalid property assignment of QList("Border", "left") expected "border")";
        QTest::newRow("longer word") << QByteArray("borders: 1px solid red")
                                     << R"(Ignoring invalid property assignment of QList("borders") expected "border")";
        QTest::newRow("outline") << QByteArray("OUTLINE: 1px solid red")
                                 << R"(Ignoring invalid property assignment of QList("OUTLINE") expected "outline")";
    }

    void wrongWord()
    {
        QFETCH(QByteArray, declaration);
        QFETCH(QString, message);

        QLoggingCategory::setFilterRules(QStringLiteral("quilt.css.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, message.toUtf8().constData());
        const auto style = QuiltCssTest::parse(declaration);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(describe(*style), QString());
    }

    // Existing groups are changed in place and keep what the property does not set.
    void changesExistingGroups()
    {
        StylePropertyGroup style;
        QuiltCssTest::parseInto(style, "border-top: 1px solid red; border-radius: 2px");
        const BorderPropertyGroup* border = style.border();
        const LinePropertyGroup* top = border ? border->top() : nullptr;
        const CornerPropertyGroup* topLeft = style.corners() ? style.corners()->topLeft() : nullptr;
        QVERIFY(top);
        QVERIFY(topLeft);

        QuiltCssTest::parseInto(style, "border-top-color: blue; border-top-left-radius: 5px; border-color: red");
        QCOMPARE(style.border(), border);
        QCOMPARE(border->top(), top);
        QCOMPARE(style.corners()->topLeft(), topLeft);
        QCOMPARE(describe(style),
                 "border{left[- - #ff0000] right[- - #ff0000] top[1 Solid #ff0000] bottom[- - #ff0000]} "
                 "corners{tl 5 tr 2 br 2 bl 2}");
    }

    // Values no style sheet text yields: none at all, and the empty value.
    void handBuiltValues()
    {
        StylePropertyGroup style;
        for (const char* name : { "border", "border-left", "border-width", "border-left-width", "border-radius",
                                  "border-top-left-radius" }) {
            Css::parseBorderProperty(style, QuiltCssTest::property(name, {}));
        }
        Css::parseOutlineProperty(style, QuiltCssTest::property("outline", {}));
        QCOMPARE(describe(style), QString());

        Css::parseBorderProperty(style, QuiltCssTest::property("border-left-color", { cssparser::Value() }));
        QCOMPARE(describe(style), "border{left[- - invalid]}");
    }
};

QTEST_GUILESS_MAIN(TestCssBorder)
#include "tst_cssborder.moc"
