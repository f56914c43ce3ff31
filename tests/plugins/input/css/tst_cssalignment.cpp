#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "alignmentpropertygroup.h"
#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "textpropertygroup.h"

#include <QTest>

using namespace Quilt::Properties;

namespace
{
// "container horizontal vertical order" as ints, "-" for an unset field;
// "none" without an alignment group.
QString fields(const AlignmentPropertyGroup* alignment)
{
    if (!alignment) {
        return QStringLiteral("none");
    }
    const auto field = [](const auto& value) {
        return value ? QString::number(int(*value)) : QStringLiteral("-");
    };
    return QStringList { field(alignment->container()), field(alignment->horizontal()), field(alignment->vertical()),
                         field(alignment->order()) }
        .join(u' ');
}

const AlignmentPropertyGroup* alignmentOf(const StylePropertyGroup& style, const QString& owner)
{
    if (owner == u"layout") {
        return style.layout() ? style.layout()->alignment() : nullptr;
    }
    if (owner == u"text") {
        return style.text() ? style.text()->alignment() : nullptr;
    }
    return style.icon() ? style.icon()->alignment() : nullptr;
}
} // namespace

class TestCssAlignment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alignment_data();
    void alignment();
    void ownerKeepsOtherFields();
    void missingValueSetsNothing();
};

void TestCssAlignment::alignment_data()
{
    QTest::addColumn<QByteArray>("declarations");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("expected");

    // Alignment: Unspecified 0, Start 1, Center 2, End 3, Fill 4, StackCenter 5, StackFill 6.
    // Container: Item 0, Content 1, Background 2.
    QTest::newRow("horizontal") << QByteArray("layout-alignment-horizontal: center") << "layout"
                                << "- 2 - -";
    QTest::newRow("vertical, keyword in capitals") << QByteArray("text-alignment-vertical: END") << "text"
                                                   << "- - 3 -";
    QTest::newRow("container") << QByteArray("icon-alignment-container: background") << "icon"
                               << "2 - - -";
    QTest::newRow("suffix in capitals") << QByteArray("ICON-ALIGNMENT-VERTICAL: fill") << "icon"
                                        << "- - 4 -";
    QTest::newRow("hyphenated key") << QByteArray("layout-alignment-horizontal: stack-center") << "layout"
                                    << "- 5 - -";
    QTest::newRow("key without hyphen") << QByteArray("layout-alignment-horizontal: stackcenter") << "layout"
                                        << "- 5 - -";
    QTest::newRow("prefix of a key") << QByteArray("layout-alignment-horizontal: stack") << "layout"
                                     << "- 5 - -";
    QTest::newRow("earlier key wins") << QByteArray("layout-alignment-horizontal: sta") << "layout"
                                      << "- 1 - -";
    QTest::newRow("longer prefix") << QByteArray("layout-alignment-horizontal: stackf") << "layout"
                                   << "- 6 - -";
    QTest::newRow("container prefix") << QByteArray("text-alignment-container: cont") << "text"
                                      << "1 - - -";
    QTest::newRow("quoted empty text is the first key") << QByteArray("text-alignment-horizontal: ''") << "text"
                                                        << "- 0 - -";
    QTest::newRow("unknown keyword is kept") << QByteArray("text-alignment-horizontal: middle") << "text"
                                             << "- -1 - -";
    QTest::newRow("text that only begins with a key") << QByteArray("icon-alignment-vertical: centered") << "icon"
                                                      << "- - -1 -";
    QTest::newRow("keyword without text") << QByteArray("layout-alignment-vertical: 2px") << "layout"
                                          << "none";
    QTest::newRow("order") << QByteArray("layout-alignment-order: 2") << "layout"
                           << "- - - 2";
    QTest::newRow("order, negative") << QByteArray("text-alignment-order: -3") << "text"
                                     << "- - - -3";
    QTest::newRow("order of the wrong kind") << QByteArray("layout-alignment-order: 2px") << "layout"
                                             << "none";
    QTest::newRow("only the end of the name counts")
        << QByteArray("layout-alignment-horizontal-vertical: end") << "layout"
        << "- - 3 -";
    QTest::newRow("suffix case reads the first value") << QByteArray("icon-alignment-horizontal: end start") << "icon"
                                                       << "- 3 - -";
    QTest::newRow("four values") << QByteArray("text-alignment: content center start 1") << "text"
                                 << "1 2 1 1";
    QTest::newRow("four values, other ending") << QByteArray("layout-alignment-all: item fill end 0") << "layout"
                                               << "0 4 3 0";
    QTest::newRow("four values, unknown keyword") << QByteArray("icon-alignment: content middle start 1") << "icon"
                                                  << "1 -1 1 1";
    QTest::newRow("one value") << QByteArray("text-alignment: center") << "text"
                               << "none";
    QTest::newRow("two values") << QByteArray("icon-alignment: start end") << "icon"
                                << "none";
    QTest::newRow("five values") << QByteArray("layout-alignment: item start start 1 2") << "layout"
                                 << "none";
    // A half-read alignment would leave the rest to weaker rules, unlike what was written.
    QTest::newRow("four values, order of the wrong kind")
        << QByteArray("text-alignment: content center start 1px") << "text"
        << "none";
    QTest::newRow("four values, keyword without text") << QByteArray("text-alignment: content 2px start 1") << "text"
                                                       << "none";
    QTest::newRow("later property overwrites")
        << QByteArray("layout-alignment: item start start 1; layout-alignment-vertical: end") << "layout"
        << "0 1 3 1";
}

void TestCssAlignment::alignment()
{
    QFETCH(QByteArray, declarations);
    QFETCH(QString, owner);
    QFETCH(QString, expected);

    const auto style = QuiltCssTest::parse(declarations);
    QCOMPARE(fields(alignmentOf(*style, owner)), expected);
    // An owner that gets no alignment is not created for nothing either.
    if (expected == u"none") {
        QVERIFY(!style->hasAnyValue());
    }
    for (const QString& other : { QStringLiteral("layout"), QStringLiteral("text"), QStringLiteral("icon") }) {
        if (other != owner) {
            QCOMPARE(fields(alignmentOf(*style, other)), QStringLiteral("none"));
        }
    }
}

void TestCssAlignment::ownerKeepsOtherFields()
{
    TextPropertyGroup text;
    auto alignment = std::make_unique<AlignmentPropertyGroup>();
    alignment->setContainer(AlignmentContainer::Content);
    alignment->setOrder(7);
    AlignmentPropertyGroup* const before = alignment.get();
    text.setAlignment(std::move(alignment));

    Quilt::Css::parseAlignmentProperty(text, QuiltCssTest::properties("text-alignment-horizontal: end").front());

    QCOMPARE(text.alignment(), before);
    QCOMPARE(fields(before), QStringLiteral("1 3 - 7"));
}

// No style sheet text gives a property without values; a caller might.
void TestCssAlignment::missingValueSetsNothing()
{
    LayoutPropertyGroup layout;
    for (const char* name : { "layout-alignment-container", "layout-alignment-horizontal", "layout-alignment-vertical",
                              "layout-alignment-order", "layout-alignment" }) {
        Quilt::Css::parseAlignmentProperty(layout, QuiltCssTest::property(name, {}));
    }
    QVERIFY(!layout.alignment());
}

QTEST_GUILESS_MAIN(TestCssAlignment)
#include "tst_cssalignment.moc"
