#include "alignmentpropertygroup.h"
#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "color.h"
#include "cornerpropertygroup.h"
#include "cornerspropertygroup.h"
#include "displaypropertygroup.h"
#include "fontforms.h"
#include "iconpropertygroup.h"
#include "imagepropertygroup.h"
#include "layoutpropertygroup.h"
#include "linepropertygroup.h"
#include "offsetpropertygroup.h"
#include "outlinepropertygroup.h"
#include "pathmetatype.h"
#include "properties.h"
#include "shadowpropertygroup.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

#include <QDataStream>
#include <QDebug>
#include <QMetaEnum>
#include <QTest>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

using namespace Quilt;
using namespace Quilt::Properties;
using Path = std::filesystem::path;

namespace
{

using GroupTypes = std::tuple<SizePropertyGroup, AlignmentPropertyGroup, ImagePropertyGroup, LinePropertyGroup,
                              CornerPropertyGroup, OffsetPropertyGroup, DisplayPropertyGroup, LayoutPropertyGroup,
                              TextPropertyGroup, IconPropertyGroup, BackgroundPropertyGroup, BorderPropertyGroup,
                              OutlinePropertyGroup, CornersPropertyGroup, ShadowPropertyGroup, StylePropertyGroup>;
const char* const groupNames[]
    = { "Size", "Alignment", "Image",      "Line",   "Corner",  "Offset",  "Display", "Layout",
        "Text", "Icon",      "Background", "Border", "Outline", "Corners", "Shadow",  "Style" };
static_assert(std::size(groupNames) == std::tuple_size_v<GroupTypes>);

// Calls f with a std::type_identity of the group type at `index`.
template<typename F> void withGroupType(int index, F&& f)
{
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((int(I) == index ? f(std::type_identity<std::tuple_element_t<I, GroupTypes>> {}) : void()), ...);
    }(std::make_index_sequence<std::tuple_size_v<GroupTypes>> {});
}

template<typename G, typename F> std::unique_ptr<G> make(F&& fill)
{
    auto group = std::make_unique<G>();
    fill(*group);
    return group;
}

// Fixtures with every slot set. Two variants differ in every value, so that a
// merge of one into the other shows which side won.
template<typename G> std::unique_ptr<G> full(int variant);

template<> std::unique_ptr<SizePropertyGroup> full(int v)
{
    return make<SizePropertyGroup>([v](auto& g) {
        g.setLeft(1.5 * v);
        g.setRight(2.0 * v);
        g.setTop(3.25 * v);
        g.setBottom(4.0 * v);
    });
}

template<> std::unique_ptr<AlignmentPropertyGroup> full(int v)
{
    return make<AlignmentPropertyGroup>([v](auto& g) {
        g.setContainer(v == 1 ? AlignmentContainer::Content : AlignmentContainer::Background);
        g.setHorizontal(v == 1 ? Alignment::Center : Alignment::End);
        g.setVertical(v == 1 ? Alignment::StackFill : Alignment::Fill);
        g.setOrder(v * 3);
    });
}

template<> std::unique_ptr<ImagePropertyGroup> full(int v)
{
    return make<ImagePropertyGroup>([v](auto& g) {
        g.setSource(Path(v == 1 ? "/styles/a b/bg.png" : "images/other.svg"));
        g.setWidth(10.0 * v);
        g.setHeight(20.0 * v);
        g.setXOffset(-1.0 * v);
        g.setYOffset(0.25 * v);
        g.setFlags(v == 1 ? ImageFlag::RepeatX | ImageFlag::StretchY : ImageFlags(ImageFlag::Mask));
        g.setMaskColor(Color::rgba(uchar(v), 2, 3, 4));
    });
}

template<> std::unique_ptr<LinePropertyGroup> full(int v)
{
    return make<LinePropertyGroup>([v](auto& g) {
        g.setSize(1.0 * v);
        g.setColor(v == 1 ? Color::add(Color::rgba(10, 20, 30, 255), Color())
                          : Color::subtract(Color::rgba(200, 0, 0, 255), Color::rgba(1, 1, 1, 1)));
        g.setStyle(v == 1 ? LineStyle::Solid : LineStyle::None);
    });
}

template<> std::unique_ptr<CornerPropertyGroup> full(int v)
{
    return make<CornerPropertyGroup>([v](auto& g) { g.setRadius(2.0 * v); });
}

template<> std::unique_ptr<OffsetPropertyGroup> full(int v)
{
    return make<OffsetPropertyGroup>([v](auto& g) {
        g.setHorizontal(1.0 * v);
        g.setVertical(-0.5 * v);
    });
}

template<> std::unique_ptr<DisplayPropertyGroup> full(int v)
{
    return make<DisplayPropertyGroup>([v](auto& g) {
        g.setVisible(v == 1);
        g.setOpacity(0.25 * v);
    });
}

template<> std::unique_ptr<LayoutPropertyGroup> full(int v)
{
    return make<LayoutPropertyGroup>([v](auto& g) {
        g.setAlignment(full<AlignmentPropertyGroup>(v));
        g.setWidth(100.0 * v);
        g.setHeight(30.0 * v);
        g.setSpacing(6.0 * v);
        g.setPadding(full<SizePropertyGroup>(v));
        g.setInset(full<SizePropertyGroup>(v + 2));
        g.setMargins(full<SizePropertyGroup>(v + 4));
    });
}

template<> std::unique_ptr<TextPropertyGroup> full(int v)
{
    return make<TextPropertyGroup>([v](auto& g) {
        g.setAlignment(full<AlignmentPropertyGroup>(v));
        QFont font(QStringLiteral("DejaVu Sans"), 9 + v);
        font.setBold(v == 2);
        g.setFont(font);
        g.setColor(Color::custom(QStringLiteral("loompalette"),
                                 { QStringLiteral("Active"), QStringLiteral("Window"), QStringLiteral("Normal"),
                                   v == 1 ? QStringLiteral("Foreground") : QStringLiteral("Background") }));
        g.setWrapMode(v == 1 ? TextWrapMode::WordWrap : TextWrapMode::WrapAnywhere);
        g.setElide(v == 1 ? TextElide::Middle : TextElide::Right);
    });
}

template<> std::unique_ptr<IconPropertyGroup> full(int v)
{
    return make<IconPropertyGroup>([v](auto& g) {
        g.setAlignment(full<AlignmentPropertyGroup>(v));
        g.setWidth(16.0 * v);
        g.setHeight(16.0 * v);
        g.setName(v == 1 ? QStringLiteral("go-next") : QStringLiteral("go-up"));
        g.setSource(QUrl(v == 1 ? QStringLiteral("qrc:/icons/a.svg") : QStringLiteral("file:///icons/b.png")));
        g.setColor(Color::mix(Color::rgba(0, 0, 0, 255), Color::custom(QStringLiteral("nobody"), {}), 0.25 * v));
    });
}

template<> std::unique_ptr<BackgroundPropertyGroup> full(int v)
{
    return make<BackgroundPropertyGroup>([v](auto& g) {
        g.setColor(Color::set(Color::rgba(1, 2, 3, 4), uchar(250 + v), std::nullopt, 7, std::nullopt));
        g.setImage(full<ImagePropertyGroup>(v));
    });
}

template<typename G> std::unique_ptr<G> fullEdges(int v)
{
    return make<G>([v](auto& g) {
        g.setLeft(full<LinePropertyGroup>(v));
        g.setRight(full<LinePropertyGroup>(v));
        g.setTop(full<LinePropertyGroup>(v));
        g.setBottom(full<LinePropertyGroup>(v));
        g.left()->setSize(11.0 * v); // edges differ from one another
    });
}

template<> std::unique_ptr<BorderPropertyGroup> full(int v)
{
    return fullEdges<BorderPropertyGroup>(v);
}

template<> std::unique_ptr<OutlinePropertyGroup> full(int v)
{
    return fullEdges<OutlinePropertyGroup>(v);
}

template<> std::unique_ptr<CornersPropertyGroup> full(int v)
{
    return make<CornersPropertyGroup>([v](auto& g) {
        g.setTopLeft(full<CornerPropertyGroup>(v));
        g.setTopRight(full<CornerPropertyGroup>(v + 2));
        g.setBottomLeft(full<CornerPropertyGroup>(v + 4));
        g.setBottomRight(full<CornerPropertyGroup>(v + 6));
    });
}

template<> std::unique_ptr<ShadowPropertyGroup> full(int v)
{
    return make<ShadowPropertyGroup>([v](auto& g) {
        g.setOffset(full<OffsetPropertyGroup>(v));
        g.setColor(Color::multiply(Color::rgba(128, 128, 128, 255), Color::rgba(uchar(v), 0, 0, 128)));
        g.setSize(2.0 * v);
        g.setBlur(4.0 * v);
    });
}

template<> std::unique_ptr<StylePropertyGroup> full(int v)
{
    return make<StylePropertyGroup>([v](auto& g) {
        g.setDisplay(full<DisplayPropertyGroup>(v));
        g.setLayout(full<LayoutPropertyGroup>(v));
        g.setText(full<TextPropertyGroup>(v));
        g.setIcon(full<IconPropertyGroup>(v));
        g.setBackground(full<BackgroundPropertyGroup>(v));
        g.setBorder(full<BorderPropertyGroup>(v));
        g.setOutline(full<OutlinePropertyGroup>(v));
        g.setCorners(full<CornersPropertyGroup>(v));
        g.setShadow(full<ShadowPropertyGroup>(v));
    });
}

template<typename G> QByteArray bytesOf(const G& group)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << &group;
    return bytes;
}

// Reads a group from `bytes` into a new default group; `status` gets the stream's status.
template<typename G>
std::unique_ptr<G> readFrom(const QByteArray& bytes, QDataStream::Status* status = nullptr, bool* atEnd = nullptr)
{
    QDataStream stream(bytes);
    auto group = std::make_unique<G>();
    stream >> group;
    if (status)
        *status = stream.status();
    if (atEnd)
        *atEnd = stream.atEnd();
    return group;
}

template<typename G> void readInto(const QByteArray& bytes, std::unique_ptr<G>& group)
{
    QDataStream stream(bytes);
    stream >> group;
}

QString debugText(const auto* group)
{
    QString text;
    QDebug(&text) << group << 7;
    return text;
}

const ToStringFlags typed = ToStringFlag::IncludeTypeName;
const ToStringFlags multiLine = ToStringFlag::MultiLine;
const ToStringFlags both = ToStringFlag::IncludeTypeName | ToStringFlag::MultiLine;

} // namespace

class TestPropertyGroups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachGroup_data();
    void newAndEmptyGroups_data() { eachGroup_data(); }
    void newAndEmptyGroups();
    void copyAndMove_data() { eachGroup_data(); }
    void copyAndMove();
    void resolveFirstValueWins_data() { eachGroup_data(); }
    void resolveFirstValueWins();
    void streamRoundTrip_data() { eachGroup_data(); }
    void streamRoundTrip();

    void accessors();
    void readingFillsTheHeldGroup();
    void valuePresence_data();
    void valuePresence();
    void resolveSubGroups();
    void equality();
    void copyKeepsAbsentSubGroupsAbsent();
    void textForm_data();
    void textForm();
    void debugForm();
    void streamBytes_data();
    void streamBytes();
    void fullStyleRoundTrip();
    void truncatedStreamIsCorrupt();
    void hostileFont_data();
    void hostileFont();
    void conversions();
    void enumerations_data();
    void enumerations();
    void pathMetaType();
};

void TestPropertyGroups::eachGroup_data()
{
    QTest::addColumn<int>("group");
    for (int i = 0; i < int(std::size(groupNames)); ++i)
        QTest::newRow(groupNames[i]) << i;
}

void TestPropertyGroups::newAndEmptyGroups()
{
    QFETCH(int, group);
    withGroupType(group, []<typename G>(std::type_identity<G>) {
        const G fresh;
        QVERIFY(!fresh.hasAnyValue());
        QVERIFY(fresh.isEmpty());
        QCOMPARE(fresh, G());
        for (int indent : { 0, 4 })
            for (ToStringFlags flags : { ToStringFlags(), typed, multiLine, both })
                QCOMPARE(fresh.toString(indent, flags), QStringLiteral("(empty)"));
        QCOMPARE(debugText(&fresh), QStringLiteral("(empty) 7 "));

        // empty() sets everything, to nothing: it wins a merge yet counts as empty.
        const auto empty = G::empty();
        QVERIFY(empty->hasAnyValue());
        QVERIFY(empty->isEmpty());
        QVERIFY(!(*empty == fresh));

        const auto filled = full<G>(1);
        QVERIFY(filled->hasAnyValue());
        QVERIFY(!filled->isEmpty());
        QVERIFY(!(*filled == *empty));
        QVERIFY(!(*filled == *full<G>(2)));
        QCOMPARE(*filled, *full<G>(1));
    });
}

void TestPropertyGroups::copyAndMove()
{
    QFETCH(int, group);
    withGroupType(group, []<typename G>(std::type_identity<G>) {
        const auto source = full<G>(1);

        G copy(*source);
        QCOMPARE(copy, *source);
        copy = G(); // a deep copy: clearing it leaves the source whole
        QCOMPARE(copy, G());
        QCOMPARE(*source, *full<G>(1));

        G assigned(*G::empty());
        assigned = *source;
        QCOMPARE(assigned, *source);
        const G& alias = assigned;
        assigned = alias;
        QCOMPARE(assigned, *source);
        // Assigning a new group leaves no sub-group behind, not even an empty one.
        assigned = static_cast<const G&>(G());
        QCOMPARE(assigned, G());

        G moved(std::move(copy = *source));
        QCOMPARE(moved, *source);
        G target;
        target = std::move(moved); // swaps: the source gets the target's former state
        QCOMPARE(target, *source);
        QCOMPARE(moved, G());
    });
}

void TestPropertyGroups::resolveFirstValueWins()
{
    QFETCH(int, group);
    withGroupType(group, []<typename G>(std::type_identity<G>) {
        const auto first = full<G>(1);
        const auto second = full<G>(2);

        G resolved;
        G::resolveProperties(first.get(), &resolved);
        QCOMPARE(resolved, *first);
        G::resolveProperties(second.get(), &resolved);
        QCOMPARE(resolved, *first);

        // An empty() group wins where it comes first, and fills nothing that is set.
        G blank;
        G::resolveProperties(G::empty().get(), &blank);
        QCOMPARE(blank, *G::empty());
        G::resolveProperties(first.get(), &blank);
        QCOMPARE(blank, *G::empty());

        G::resolveProperties(nullptr, &resolved);
        G::resolveProperties(first.get(), nullptr);
        QCOMPARE(resolved, *first);
    });
}

void TestPropertyGroups::streamRoundTrip()
{
    QFETCH(int, group);
    withGroupType(group, []<typename G>(std::type_identity<G>) {
        std::vector<std::unique_ptr<G>> cases;
        cases.push_back(std::make_unique<G>());
        cases.push_back(G::empty());
        cases.push_back(full<G>(1));
        cases.push_back(full<G>(2));
        for (const auto& written : cases) {
            const QByteArray bytes = bytesOf(*written);
            QDataStream::Status status;
            bool atEnd = false;
            const auto read = readFrom<G>(bytes, &status, &atEnd);
            QCOMPARE(status, QDataStream::Ok);
            QVERIFY(atEnd);
            QCOMPARE(*read, *written);
            QCOMPARE(bytesOf(*read), bytes);
        }
    });
}

void TestPropertyGroups::accessors()
{
    LayoutPropertyGroup layout;
    layout.setWidth(10.0);
    QCOMPARE(layout.width(), std::optional<double>(10.0));
    layout.setWidth(std::nullopt);
    QCOMPARE(layout.width(), std::nullopt);
    QVERIFY(!layout.hasAnyValue());

    layout.setPadding(full<SizePropertyGroup>(1));
    QCOMPARE(layout.padding()->left(), std::optional<double>(1.5));
    layout.setPadding(std::make_unique<SizePropertyGroup>()); // replaces, and frees, the former one
    QVERIFY(layout.padding());
    QCOMPARE(layout.padding()->left(), std::nullopt);
    layout.setPadding(nullptr);
    QCOMPARE(layout.padding(), nullptr);
}

void TestPropertyGroups::readingFillsTheHeldGroup()
{
    // A clear flag unsets a value but leaves a sub-group alone; a null pointer gets a new group.
    auto display = full<DisplayPropertyGroup>(1);
    readInto(QByteArray::fromHex("00 01 3FE0000000000000"), display);
    QCOMPARE(display->visible(), std::nullopt);
    QCOMPARE(display->opacity(), std::optional<double>(0.5));

    auto style = full<StylePropertyGroup>(1);
    readInto(QByteArray(9, '\0'), style);
    QCOMPARE(*style, *full<StylePropertyGroup>(1));

    std::unique_ptr<DisplayPropertyGroup> none;
    readInto(QByteArray::fromHex("01 01 00"), none);
    QVERIFY(none);
    QCOMPARE(none->visible(), std::optional<bool>(true));
}

void TestPropertyGroups::valuePresence_data()
{
    QTest::addColumn<bool>("hasAnyValue");
    QTest::addColumn<bool>("isEmpty");
    QTest::addColumn<bool>("expectedHasAnyValue");
    QTest::addColumn<bool>("expectedIsEmpty");

    const auto row = [](const char* name, const auto& group, bool hasAnyValue, bool isEmpty) {
        QTest::newRow(name) << group->hasAnyValue() << group->isEmpty() << hasAnyValue << isEmpty;
    };
    row("visible false", make<DisplayPropertyGroup>([](auto& g) { g.setVisible(false); }), true, true);
    row("opacity NaN", make<DisplayPropertyGroup>([](auto& g) { g.setOpacity(std::nan("")); }), true, false);
    row("opacity -0", make<DisplayPropertyGroup>([](auto& g) { g.setOpacity(-0.0); }), true, true);
    row("order 0", make<AlignmentPropertyGroup>([](auto& g) { g.setOrder(0); }), true, true);
    row("container Item", make<AlignmentPropertyGroup>([](auto& g) { g.setContainer(AlignmentContainer::Item); }), true,
        true);
    row("order 1", make<AlignmentPropertyGroup>([](auto& g) { g.setOrder(1); }), true, false);
    row("default font", make<TextPropertyGroup>([](auto& g) { g.setFont(QFont()); }), true, true);
    row("bold font", make<TextPropertyGroup>([](auto& g) {
            QFont font;
            font.setBold(true);
            g.setFont(font);
        }),
        true, false);
    row("empty icon name", make<IconPropertyGroup>([](auto& g) { g.setName(QStringLiteral("")); }), true, true);
    row("empty icon url", make<IconPropertyGroup>([](auto& g) { g.setSource(QUrl(QStringLiteral(""))); }), true, true);
    row("invalid line colour", make<LinePropertyGroup>([](auto& g) { g.setColor(Color()); }), true, true);
    row("transparent line colour", make<LinePropertyGroup>([](auto& g) { g.setColor(Color::rgba(0, 0, 0, 0)); }), true,
        false);
    row("no image flag", make<ImagePropertyGroup>([](auto& g) { g.setFlags(ImageFlags()); }), true, true);
    row("empty path", make<ImagePropertyGroup>([](auto& g) { g.setSource(Path()); }), true, true);
    row("padding left 0", make<LayoutPropertyGroup>([](auto& g) {
            g.setPadding(make<SizePropertyGroup>([](auto& s) { s.setLeft(0.0); }));
        }),
        true, true);
    row("sub-group without values",
        make<StylePropertyGroup>([](auto& g) { g.setDisplay(std::make_unique<DisplayPropertyGroup>()); }), false, true);
    row("deep value", make<StylePropertyGroup>([](auto& g) {
            g.setLayout(make<LayoutPropertyGroup>(
                [](auto& l) { l.setMargins(make<SizePropertyGroup>([](auto& s) { s.setBottom(2.0); })); }));
        }),
        true, false);
    row("empty tree beside a value", make<StylePropertyGroup>([](auto& g) {
            g.setBorder(BorderPropertyGroup::empty());
            g.setShadow(make<ShadowPropertyGroup>([](auto& s) { s.setBlur(1.0); }));
        }),
        true, false);
}

void TestPropertyGroups::valuePresence()
{
    QFETCH(bool, hasAnyValue);
    QFETCH(bool, isEmpty);
    QFETCH(bool, expectedHasAnyValue);
    QFETCH(bool, expectedIsEmpty);
    QCOMPARE(hasAnyValue, expectedHasAnyValue);
    QCOMPARE(isEmpty, expectedIsEmpty);
}

void TestPropertyGroups::resolveSubGroups()
{
    // A source sub-group without values still creates the destination's.
    StylePropertyGroup source;
    source.setDisplay(std::make_unique<DisplayPropertyGroup>());
    StylePropertyGroup destination;
    StylePropertyGroup::resolveProperties(&source, &destination);
    QVERIFY(destination.display());
    QVERIFY(!destination.display()->hasAnyValue());
    QCOMPARE(destination.layout(), nullptr);

    CornersPropertyGroup corners;
    corners.setTopLeft(std::make_unique<CornerPropertyGroup>());
    CornersPropertyGroup resolvedCorners;
    CornersPropertyGroup::resolveProperties(&corners, &resolvedCorners);
    QVERIFY(resolvedCorners.topLeft());
    QCOMPARE(resolvedCorners.topLeft()->radius(), std::nullopt);
    QCOMPARE(resolvedCorners.radii().topLeft, 0.0);

    // Values merge slot by slot inside sub-groups; an absent source sub-group changes nothing.
    LayoutPropertyGroup first;
    first.setPadding(make<SizePropertyGroup>([](auto& s) { s.setLeft(1.0); }));
    LayoutPropertyGroup second;
    second.setWidth(5.0);
    second.setPadding(make<SizePropertyGroup>([](auto& s) {
        s.setLeft(9.0);
        s.setTop(2.0);
    }));
    LayoutPropertyGroup merged;
    LayoutPropertyGroup::resolveProperties(&first, &merged);
    LayoutPropertyGroup::resolveProperties(&second, &merged);
    QCOMPARE(merged.width(), std::optional<double>(5.0));
    QCOMPARE(merged.padding()->left(), std::optional<double>(1.0));
    QCOMPARE(merged.padding()->top(), std::optional<double>(2.0));
    QCOMPARE(merged.margins(), nullptr);
}

void TestPropertyGroups::equality()
{
    StylePropertyGroup withEmptyDisplay;
    withEmptyDisplay.setDisplay(std::make_unique<DisplayPropertyGroup>());
    QVERIFY(!(withEmptyDisplay == StylePropertyGroup()));

    // Values compare by their own equality: structural colours, paths element by element.
    const auto line = [](const Color& color) {
        return make<LinePropertyGroup>([&](auto& g) { g.setColor(color); });
    };
    QCOMPARE(*line(Color::rgba(1, 2, 3, 4)), *line(Color::rgba(1, 2, 3, 4)));
    QVERIFY(!(*line(Color::rgba(255, 0, 0, 255)) == *line(Color::add(Color::rgba(255, 0, 0, 255), Color()))));
    const auto image = [](const Path& path) {
        return make<ImagePropertyGroup>([&](auto& g) { g.setSource(path); });
    };
    QCOMPARE(*image(Path("a//b")), *image(Path("a/b")));
    QVERIFY(!(*image(Path("a/b")) == *image(Path("a/c"))));
}

void TestPropertyGroups::copyKeepsAbsentSubGroupsAbsent()
{
    StylePropertyGroup source;
    source.setDisplay(full<DisplayPropertyGroup>(1));

    const StylePropertyGroup copy(source);
    QCOMPARE(copy, source);
    QVERIFY(copy.display() && copy.display() != source.display());
    QCOMPARE(copy.layout(), nullptr);
    QCOMPARE(copy.shadow(), nullptr);

    auto target = StylePropertyGroup::empty();
    DisplayPropertyGroup* const targetDisplay = target->display();
    *target = source;
    QCOMPARE(*target, source);
    QCOMPARE(target->display(), targetDisplay); // assigned into the existing sub-group
    QCOMPARE(target->layout(), nullptr);
    QCOMPARE(target->corners(), nullptr);

    StylePropertyGroup sparse;
    sparse = *StylePropertyGroup::empty();
    QCOMPARE(sparse, *StylePropertyGroup::empty());
    QVERIFY(sparse.border()->left());
}

void TestPropertyGroups::textForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const auto display = make<DisplayPropertyGroup>([](auto& g) {
        g.setVisible(true);
        g.setOpacity(0.5);
    });
    const auto sizeLeft4 = make<SizePropertyGroup>([](auto& g) { g.setLeft(4.0); });
    const auto rootDisplay = make<StylePropertyGroup>(
        [](auto& g) { g.setDisplay(make<DisplayPropertyGroup>([](auto& d) { d.setVisible(true); })); });
    const auto rootWidth = make<StylePropertyGroup>(
        [](auto& g) { g.setLayout(make<LayoutPropertyGroup>([](auto& l) { l.setWidth(10.0); })); });
    const auto layoutEmptyPadding = make<LayoutPropertyGroup>([](auto& g) {
        g.setWidth(10.0);
        g.setPadding(std::make_unique<SizePropertyGroup>());
    });
    const auto redLine = [] {
        return make<LinePropertyGroup>([](auto& g) {
            g.setSize(1.0);
            g.setColor(Color::rgba(255, 0, 0, 255));
            g.setStyle(LineStyle::Solid);
        });
    };
    const auto edges = [&](auto& g) {
        g.setLeft(redLine());
        g.setBottom(std::make_unique<LinePropertyGroup>());
    };
    const QString edgeSlots = QStringLiteral(
        " left: LinePropertyGroup( size: 1, color: Color(RGBA, 255, 0, 0, 255), style: Solid ), right: (empty), "
        "top: (empty), bottom: (empty) )");

    QTest::newRow("size, single line") << sizeLeft4->toString(0, typed)
                                       << "SizePropertyGroup( left: 4, right: (empty), top: (empty), bottom: (empty) )";
    QTest::newRow("size, no type name") << sizeLeft4->toString(0, {})
                                        << " left: 4, right: (empty), top: (empty), bottom: (empty)";
    QTest::newRow("size, typed multi-line")
        << sizeLeft4->toString(0, both)
        << "SizePropertyGroup(\nleft: 4\nright: (empty)\ntop: (empty)\nbottom: (empty)\n)\n";
    QTest::newRow("display, typed") << display->toString(0, typed)
                                    << "DisplayPropertyGroup( visible: 1, opacity: 0.5 )";
    QTest::newRow("display, multi-line") << display->toString(0, multiLine) << "visible: 1\nopacity: 0.5\n\n";
    QTest::newRow("display, multi-line indent 2")
        << display->toString(2, multiLine) << "\n  visible: 1\n  opacity: 0.5\n\n";
    QTest::newRow("display, visible false")
        << make<DisplayPropertyGroup>([](auto& g) { g.setVisible(false); })->toString(0, typed)
        << "DisplayPropertyGroup( visible: 0, opacity: (empty) )";
    QTest::newRow("shadow, blur only")
        << make<ShadowPropertyGroup>([](auto& g) { g.setBlur(4.0); })->toString(0, typed)
        << "ShadowPropertyGroup( offset: (empty), color: (empty), size: (empty), blur: 4 )";
    QTest::newRow("alignment, order 0")
        << make<AlignmentPropertyGroup>([](auto& g) { g.setOrder(0); })->toString(0, typed)
        << "AlignmentPropertyGroup( container: (empty), horizontal: (empty), vertical: (empty), order: 0 )";
    QTest::newRow("root, nested single line")
        << rootDisplay->toString(0, typed)
        << "StylePropertyGroup( display: DisplayPropertyGroup( visible: 1, opacity: (empty) ), layout: (empty), "
           "text: (empty), icon: (empty), background: (empty), border: (empty), outline: (empty), corners: (empty), "
           "shadow: (empty) )";
    QTest::newRow("root, nested typed multi-line")
        << rootDisplay->toString(0, both)
        << "StylePropertyGroup(\ndisplay: DisplayPropertyGroup(\n  visible: 1\n  opacity: (empty)\n)\nlayout: (empty)\n"
           "text: (empty)\nicon: (empty)\nbackground: (empty)\nborder: (empty)\noutline: (empty)\ncorners: (empty)\n"
           "shadow: (empty)\n)\n";
    QTest::newRow("root, multi-line as the query tool prints")
        << rootWidth->toString(0, multiLine)
        << "display: (empty)\nlayout: \n  alignment: (empty)\n  width: 10\n  height: (empty)\n  spacing: (empty)\n"
           "  padding: (empty)\n  inset: (empty)\n  margins: (empty)\n\ntext: (empty)\nicon: (empty)\n"
           "background: (empty)\nborder: (empty)\noutline: (empty)\ncorners: (empty)\nshadow: (empty)\n\n";
    QTest::newRow("layout, padding without values")
        << layoutEmptyPadding->toString(0, multiLine)
        << "alignment: (empty)\nwidth: 10\nheight: (empty)\nspacing: (empty)\npadding: (empty)\ninset: (empty)\n"
           "margins: (empty)\n\n";
    QTest::newRow("border") << make<BorderPropertyGroup>(edges)->toString(0, typed)
                            << "BorderPropertyGroup(" + edgeSlots;
    QTest::newRow("outline") << make<OutlinePropertyGroup>(edges)->toString(0, typed)
                             << "OutlinePropertyGroup(" + edgeSlots;
    QTest::newRow("image flags RepeatX|StretchY")
        << make<ImagePropertyGroup>([](auto& g) {
               g.setFlags(ImageFlag::RepeatX | ImageFlag::StretchY);
           })->toString(0, {})
        << " source: (empty), width: (empty), height: (empty), xOffset: (empty), yOffset: (empty), "
           "flags: RepeatX|StretchY, maskColor: (empty)";
    QTest::newRow("image flags RepeatX|StretchX, path, mask colour")
        << make<ImagePropertyGroup>([](auto& g) {
               g.setSource(Path("/styles/a b.png"));
               g.setFlags(ImageFlag::RepeatX | ImageFlag::StretchX);
               g.setMaskColor(Color::rgba(0, 0, 0, 128));
           })->toString(0, {})
        << " source: /styles/a b.png, width: (empty), height: (empty), xOffset: (empty), yOffset: (empty), "
           "flags: RepeatX|StretchX, maskColor: Color(RGBA, 0, 0, 0, 128)";
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    QTest::newRow("text, enumerations and font")
        << make<TextPropertyGroup>([&](auto& g) {
               g.setAlignment(make<AlignmentPropertyGroup>([](auto& a) {
                   a.setContainer(AlignmentContainer::Background);
                   a.setHorizontal(Alignment::StackCenter);
                   a.setVertical(Alignment::End);
               }));
               g.setFont(font);
               g.setWrapMode(TextWrapMode::WrapAtWordBoundaryOrAnywhere);
               g.setElide(TextElide::None);
           })->toString(0, typed)
        << "TextPropertyGroup( alignment: AlignmentPropertyGroup( container: Background, horizontal: StackCenter, "
           "vertical: End, order: (empty) ), font: "
            + font.toString() + ", color: (empty), wrapMode: WrapAtWordBoundaryOrAnywhere, elide: None )";
    // Values that no key spells (the -1 of "not set", a value out of range,
    // a flag bit without a key) print as numbers, not as some real key.
    QTest::newRow("enumerations without a key")
        << make<TextPropertyGroup>([](auto& g) {
               g.setWrapMode(TextWrapMode(-1));
               g.setElide(TextElide(57));
           })->toString(0, {})
        << " alignment: (empty), font: (empty), color: (empty), wrapMode: -1, elide: 57";
    QTest::newRow("flags without a key")
        << make<ImagePropertyGroup>([](auto& g) { g.setFlags(ImageFlags::fromInt(-1)); })->toString(0, {})
        << " source: (empty), width: (empty), height: (empty), xOffset: (empty), yOffset: (empty), "
           "flags: -1, maskColor: (empty)";
    QTest::newRow("icon, numbers, name and source")
        << make<IconPropertyGroup>([](auto& g) {
               g.setWidth(1234567.0);
               g.setHeight(0.125);
               g.setName(QStringLiteral("go-next"));
               g.setSource(QUrl(QStringLiteral("file:///icons/a%20b.svg")));
               g.setColor(Color::custom(QStringLiteral("loompalette"), { QStringLiteral("Active") }));
           })->toString(0, {})
        << " alignment: (empty), width: 1.23457e+06, height: 0.125, name: go-next, source: file:///icons/a b.svg, "
           "color: Color(Custom, source: loompalette, arguments: Active)";
}

void TestPropertyGroups::textForm()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestPropertyGroups::debugForm()
{
    const auto display = make<DisplayPropertyGroup>([](auto& g) { g.setVisible(false); });
    QCOMPARE(debugText(display.get()), QStringLiteral("DisplayPropertyGroup( visible: 0, opacity: (empty) ) 7 "));

    QString text;
    QDebug(&text).nospace() << display.get() << 7;
    QCOMPARE(text, QStringLiteral("DisplayPropertyGroup( visible: 0, opacity: (empty) )7"));

    const IconPropertyGroup* none = nullptr;
    QCOMPARE(debugText(none), QStringLiteral("(empty) 7 "));
}

void TestPropertyGroups::streamBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expectedHex");

    const auto edges = [](auto& g) {
        g.setLeft(make<LinePropertyGroup>([](auto& l) {
            l.setSize(1.0);
            l.setStyle(LineStyle::Solid);
        }));
    };
    const QByteArray edgesHex = "01 01 3FF0000000000000 00 01 00000001  00 00 00";

    QTest::newRow("size, left 4") << bytesOf(*make<SizePropertyGroup>([](auto& g) { g.setLeft(4.0); }))
                                  << QByteArray("01 4010000000000000 00 00 00");
    QTest::newRow("display, visible and opacity") << bytesOf(*make<DisplayPropertyGroup>([](auto& g) {
        g.setVisible(true);
        g.setOpacity(0.5);
    })) << QByteArray("01 01 01 3FE0000000000000");
    QTest::newRow("display, new") << bytesOf(DisplayPropertyGroup()) << QByteArray("00 00");
    QTest::newRow("border, new") << bytesOf(BorderPropertyGroup()) << QByteArray("00 00 00 00");
    QTest::newRow("border, line without values")
        << bytesOf(*make<BorderPropertyGroup>([](auto& g) { g.setTop(std::make_unique<LinePropertyGroup>()); }))
        << QByteArray("00 00 01 000000 00");
    QTest::newRow("border") << bytesOf(*make<BorderPropertyGroup>(edges)) << edgesHex;
    QTest::newRow("outline, as the border") << bytesOf(*make<OutlinePropertyGroup>(edges)) << edgesHex;
    QTest::newRow("alignment, enumerations and order") << bytesOf(*make<AlignmentPropertyGroup>([](auto& g) {
        g.setContainer(AlignmentContainer::Background);
        g.setHorizontal(Alignment::Center);
        g.setOrder(-1);
    })) << QByteArray("01 00000002 01 00000002 00 01 FFFFFFFF");
    QTest::newRow("image, empty path set") << bytesOf(*make<ImagePropertyGroup>([](auto& g) { g.setSource(Path()); }))
                                           << QByteArray("01 00000000 00 00 00 00 00 00");
    QTest::newRow("image, path and flags") << bytesOf(*make<ImagePropertyGroup>([](auto& g) {
        g.setSource(Path("/a b"));
        g.setFlags(ImageFlag::RepeatX | ImageFlag::StretchY);
    })) << QByteArray("01 00000004 2F612062 00 00 00 00 01 00000009 00");
    QTest::newRow("line, custom colour unresolved") << bytesOf(*make<LinePropertyGroup>([](auto& g) {
        g.setColor(Color::custom(QStringLiteral("p"), { QStringLiteral("x") }));
    })) << QByteArray("00 01 00000002 00000002 0070 00000001 00000002 0078 00");
    QTest::newRow("text, wrap mode and elide") << bytesOf(*make<TextPropertyGroup>([](auto& g) {
        g.setWrapMode(TextWrapMode::WrapAnywhere);
        g.setElide(TextElide::Middle);
    })) << QByteArray("00 00 00 01 00000003 01 00000002");
    QTest::newRow("root, display only") << bytesOf(*make<StylePropertyGroup>([](auto& g) {
        g.setDisplay(make<DisplayPropertyGroup>([](auto& d) { d.setVisible(true); }));
    })) << QByteArray("01 01 01 00  00 00 00 00 00 00 00 00");
}

void TestPropertyGroups::streamBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expectedHex);
    QCOMPARE(bytes.toHex(' '), QByteArray::fromHex(expectedHex).toHex(' '));
}

void TestPropertyGroups::fullStyleRoundTrip()
{
    const auto written = full<StylePropertyGroup>(1);
    QVERIFY(written->text()->font());
    QCOMPARE(written->text()->color()->type(), Color::Custom);
    QCOMPARE(written->icon()->color()->type(), Color::Mix);

    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_6_7); // the style cache's format
        stream << written.get() << full<StylePropertyGroup>(2).get();
    }
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_6_7);
    auto first = std::make_unique<StylePropertyGroup>();
    auto second = std::make_unique<StylePropertyGroup>();
    stream >> first >> second;
    QCOMPARE(stream.status(), QDataStream::Ok);
    QVERIFY(stream.atEnd());
    QCOMPARE(*first, *written);
    QCOMPARE(*second, *full<StylePropertyGroup>(2));
    QCOMPARE(first->toString(0, both), written->toString(0, both));
    QCOMPARE(*first->background()->image()->source(), Path("/styles/a b/bg.png"));
}

void TestPropertyGroups::truncatedStreamIsCorrupt()
{
    const QByteArray bytes = bytesOf(*full<StylePropertyGroup>(1));
    QVERIFY(bytes.size() > 100);
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        QDataStream::Status status;
        readFrom<StylePropertyGroup>(bytes.left(size), &status);
        if (status == QDataStream::Ok)
            QFAIL(qPrintable(QStringLiteral("a stream cut at byte %1 read as whole").arg(size)));
    }
}

void TestPropertyGroups::hostileFont_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QDataStream::Status>("status");

    const QFont font(QStringLiteral("DejaVu Sans"), 11);
    QTest::newRow("as written") << FontForms::written(font) << QDataStream::Ok;
    QTest::newRow("family of odd length") << FontForms::oddFamily(font) << QDataStream::ReadCorruptData;
    QTest::newRow("style name of odd length") << FontForms::oddStyleName(font) << QDataStream::ReadCorruptData;
    // Reads as a font that Qt cannot write again.
    QTest::newRow("no family") << FontForms::noFamily(font) << QDataStream::ReadCorruptData;
}

// A stored font that Qt would misread, or could not write back, fails the
// stream of the cache's version before Qt reads it.
void TestPropertyGroups::hostileFont()
{
    QFETCH(QByteArray, form);
    QFETCH(QDataStream::Status, status);

    const QFont font(QStringLiteral("DejaVu Sans"), 11);
    auto text = std::make_unique<TextPropertyGroup>();
    text->setFont(font);
    StylePropertyGroup written;
    written.setText(std::move(text));
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_6_7);
        stream << &written;
    }
    const QByteArray sound = FontForms::written(font);
    const qsizetype at = bytes.indexOf(sound);
    QVERIFY(at >= 0);
    bytes.replace(at, sound.size(), form);

    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_6_7);
    std::unique_ptr<StylePropertyGroup> read;
    stream >> read;
    QCOMPARE(stream.status(), status);
    if (status == QDataStream::Ok) {
        QVERIFY(stream.atEnd());
        QCOMPARE(*read, written);
    }
}

void TestPropertyGroups::conversions()
{
    QCOMPARE(SizePropertyGroup().toMargins(), QMarginsF(0, 0, 0, 0));
    const auto size = make<SizePropertyGroup>([](auto& g) {
        g.setLeft(1.0);
        g.setBottom(4.0);
    });
    QCOMPARE(size->toMargins(), QMarginsF(1, 0, 0, 4));
    QCOMPARE(full<SizePropertyGroup>(2)->toMargins(), QMarginsF(3, 6.5, 4, 8));

    const auto offset = make<OffsetPropertyGroup>([](auto& g) { g.setHorizontal(0.1); });
    QCOMPARE(offset->toVector2D(), QVector2D(0.1f, 0.0f));

    QCOMPARE(BorderPropertyGroup().sizes(), QMarginsF(0, 0, 0, 0));
    const auto line = [](std::optional<double> width) {
        return make<LinePropertyGroup>([&](auto& g) { g.setSize(width); });
    };
    const auto partial = make<BorderPropertyGroup>([&](auto& g) {
        g.setLeft(line(1.0));
        g.setTop(line(std::nullopt));
    });
    QCOMPARE(partial->sizes(), QMarginsF(1, 0, 0, 0));
    const auto border = make<BorderPropertyGroup>([&](auto& g) {
        g.setLeft(line(1.0));
        g.setRight(line(2.0));
        g.setTop(line(3.0));
        g.setBottom(line(4.0));
    });
    QCOMPARE(border->sizes(), QMarginsF(1, 3, 2, 4));

    const auto radii = full<CornersPropertyGroup>(1)->radii(); // 2, 6, 10, 14 by corner
    QCOMPARE(radii.topLeft, 2.0);
    QCOMPARE(radii.topRight, 6.0);
    QCOMPARE(radii.bottomLeft, 10.0);
    QCOMPARE(radii.bottomRight, 14.0);
    const auto sparse = make<CornersPropertyGroup>([](auto& g) {
                            g.setTopRight(make<CornerPropertyGroup>([](auto& c) { c.setRadius(3.0); }));
                            g.setBottomLeft(std::make_unique<CornerPropertyGroup>());
                        })->radii();
    QCOMPARE(sparse.topLeft, 0.0);
    QCOMPARE(sparse.topRight, 3.0);
    QCOMPARE(sparse.bottomLeft, 0.0);
    QCOMPARE(sparse.bottomRight, 0.0);
}

void TestPropertyGroups::enumerations_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("keys");

    QTest::newRow("ImageFlag") << QByteArray("ImageFlag")
                               << QByteArray("RepeatX=1 RepeatY=2 RepeatBoth=3 StretchX=4 StretchY=8 StretchBoth=12 "
                                             "Mask=16 InvertedMask=32");
    QTest::newRow("LineStyle") << QByteArray("LineStyle") << QByteArray("None=0 Solid=1");
    QTest::newRow("AlignmentContainer") << QByteArray("AlignmentContainer")
                                        << QByteArray("Item=0 Content=1 Background=2");
    QTest::newRow("Alignment") << QByteArray("Alignment")
                               << QByteArray("Unspecified=0 Start=1 Center=2 End=3 Fill=4 StackCenter=5 StackFill=6");
    QTest::newRow("TextWrapMode") << QByteArray(
        "TextWrapMode") << QByteArray("NoWrap=0 WordWrap=1 ManualWrap=2 WrapAnywhere=3 WrapAtWordBoundaryOrAnywhere=4");
    QTest::newRow("TextElide") << QByteArray("TextElide") << QByteArray("None=0 Left=1 Middle=2 Right=3");
}

void TestPropertyGroups::enumerations()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, keys);

    const QMetaObject& meta = Quilt::Properties::staticMetaObject;
    QCOMPARE(QByteArray(meta.className()), QByteArray("Quilt::Properties"));
    QCOMPARE(meta.indexOfEnumerator("ToStringFlag"), -1);
    const int index = meta.indexOfEnumerator(name.constData());
    QVERIFY(index >= 0);
    const QMetaEnum enumerator = meta.enumerator(index);
    QVERIFY(enumerator.isScoped());
    QVERIFY(!enumerator.isFlag());
    QByteArrayList actual;
    for (int i = 0; i < enumerator.keyCount(); ++i)
        actual << QByteArray(enumerator.key(i)) + '=' + QByteArray::number(enumerator.value(i));
    QCOMPARE(actual.join(' '), keys);
}

void TestPropertyGroups::pathMetaType()
{
    const QMetaType type = QMetaType::fromName("std::filesystem::path");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<Path>());
    QVERIFY(type.hasRegisteredDataStreamOperators());

    const Path path("/usr/share/quilt/a b.png");
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << QVariant::fromValue(path) << path;
    }
    QVERIFY(bytes.endsWith(QByteArray::fromHex("00000018") + "/usr/share/quilt/a b.png"));
    QDataStream stream(bytes);
    QVariant variant;
    Path plain;
    stream >> variant >> plain;
    QCOMPARE(stream.status(), QDataStream::Ok);
    QCOMPARE(variant.metaType(), type);
    QCOMPARE(variant.value<Path>(), path);
    QCOMPARE(plain, path);
}

QTEST_MAIN(TestPropertyGroups)
#include "tst_propertygroups.moc"
