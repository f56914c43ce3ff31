#include <QGuiApplication>
#include <QJSValue>
#include <QPalette>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtCore/private/qhooks_p.h>
#include <QTest>

#include "elementquery.h"
#include "quickelement.h"
#include "quickstyle.h"
#include "quicktestfixture.h"
#include "style.h"
#include "styleregistry.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
const QByteArray Css = R"(
Button {
    width: 80px;
    padding: 4px 8px;
    text-color: #00ff00;
    background-color: custom(testcolors, red);
    border: 1px solid blue;
    text-alignment-horizontal: center;
    text-alignment-container: background;
}
Button:hovered { width: 90px; }
Button.shadowed { box-shadow: 1px 2px 3px 4px #800000ff; }
Label { width: 5px; }
.placeholder { width: 3px; }
Filler { height: 1px; }
)";

// QObjects alive in the process, counted through Qt's object hooks.
int liveObjects = 0;
void countObjects()
{
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++liveObjects; });
    qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(+[](QObject*) { --liveObjects; });
}

// Records the events that reach an object.
class EventRecorder : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QuickStyleUpdatedEvent::s_type) {
            log << "updated-event";
        } else if (event->type() == QuickStyleColorsChangedEvent::s_type) {
            log << "colors-event";
        }
        return false;
    }
    QStringList log;
};
} // namespace

class tst_QuickStyle : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void leaves_data();
    void leaves();
    void enumerationLeavesAreNumbers();
    void unmatchedElementReadsUndefined();
    void sameResultEmitsNoLeafSignal();
    void childSignalsBeforeParentUpdated();
    void paletteChangeEmitsColourLeaves();
    void itemWithoutElementShowsEnclosingResult();
    void enclosedStylesFollowOnlyNewResults();
    void hintsOnlyElementShowsOwnResult();
    void requeryWithoutMatchesKeepsValues();
    void resultsEvictedBetweenRequeries();
    void wrappersMadeOnFirstRead();
    void paletteChangeReachesEveryElement();
    void wrapperMadeLateShowsCurrentResult();
};

void tst_QuickStyle::leaves_data()
{
    QTest::addColumn<QByteArray>("expression");
    QTest::addColumn<QVariant>("expected");

    const QVariant undefined;
    QTest::newRow("layout.width") << QByteArray("layout.width") << QVariant(80.0);
    QTest::newRow("layout.padding.left") << QByteArray("layout.padding.left") << QVariant(8.0);
    QTest::newRow("layout.padding.top") << QByteArray("layout.padding.top") << QVariant(4.0);
    QTest::newRow("layout.height unset") << QByteArray("layout.height") << undefined;
    QTest::newRow("layout.margins.left unset") << QByteArray("layout.margins.left") << undefined;
    QTest::newRow("text.color") << QByteArray("text.color") << QVariant(QColor(0, 255, 0));
    QTest::newRow("custom background colour") << QByteArray("background.color") << QVariant(QColor(Qt::red));
    QTest::newRow("border.left.size") << QByteArray("border.left.size") << QVariant(1.0);
    QTest::newRow("border.bottom.color") << QByteArray("border.bottom.color") << QVariant(QColor(Qt::blue));
    QTest::newRow("border.top.style") << QByteArray("border.top.style") << QVariant(1);
    QTest::newRow("outline unset") << QByteArray("outline.left.size") << undefined;
    QTest::newRow("no shadow group") << QByteArray("shadow.color") << undefined;
    QTest::newRow("no shadow offset") << QByteArray("shadow.offset.horizontal") << undefined;
    QTest::newRow("?? default applies") << QByteArray("layout.height ?? 17") << QVariant(17);
    QTest::newRow("image unset") << QByteArray("background.image.source") << undefined;
}

void tst_QuickStyle::leaves()
{
    QFETCH(QByteArray, expression);
    QFETCH(QVariant, expected);

    auto object = createObject(&m_engine,
                               R"(
Item {
    Quilt.Element.type: "Button"
    property var value: Quilt.Style.properties.)"
                                   + expression + R"(
    property bool isUndefined: Quilt.Style.properties.)"
                                   + expression + R"( === undefined
})");
    QVERIFY(object);
    QCOMPARE(object->property("isUndefined").toBool(), !expected.isValid());
    if (expected.isValid()) {
        QVariant value = object->property("value");
        if (expected.typeId() == QMetaType::QColor) {
            QCOMPARE(value.value<QColor>(), expected.value<QColor>());
        } else {
            QCOMPARE(value.toDouble(), expected.toDouble());
        }
    }
}

void tst_QuickStyle::enumerationLeavesAreNumbers()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    property bool center: Quilt.Style.properties.text.alignment.horizontal === Quilt.Alignment.Center
    property bool number: typeof Quilt.Style.properties.text.alignment.container === "number"
    property int container: Quilt.Style.properties.text.alignment.container
    property int qtAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
})");
    QVERIFY(object);
    QVERIFY(object->property("center").toBool());
    QVERIFY(object->property("number").toBool());
    QCOMPARE(object->property("container").toInt(), int(Quilt::Properties::AlignmentContainer::Background));
    QCOMPARE(object->property("qtAlignment").toInt(), int(Qt::AlignHCenter));
}

void tst_QuickStyle::unmatchedElementReadsUndefined()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Nothing"
    property bool allUndefined: Quilt.Style.properties.layout.width === undefined
        && Quilt.Style.properties.display.opacity === undefined
        && Quilt.Style.properties.text.color === undefined
    property real styledWidth: Quilt.Style.properties.layout.width ?? 12
})");
    QVERIFY(object);
    QVERIFY(object->property("allUndefined").toBool());
    QCOMPARE(object->property("styledWidth").toDouble(), 12.0);
}

void tst_QuickStyle::sameResultEmitsNoLeafSignal()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    auto* element = attached<QuickElement>(object.get());
    auto* style = attached<QuickStyle>(object.get());
    QVERIFY(style);
    EventRecorder recorder;
    object->installEventFilter(&recorder);
    QSignalSpy width(style->properties()->layout(), &LayoutPropertyGroupQuick::widthChanged);
    QSignalSpy rootUpdated(style->properties(), &StylePropertyGroupQuick::updated);
    QSignalSpy styleUpdated(style, &QuickStyle::updated);

    element->update();
    QCOMPARE(width.size(), 0);
    QCOMPARE(rootUpdated.size(), 0);
    QCOMPARE(styleUpdated.size(), 1);
    QCOMPARE(recorder.log, QStringList { "updated-event" });
}

void tst_QuickStyle::childSignalsBeforeParentUpdated()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    auto* element = attached<QuickElement>(object.get());
    auto* style = attached<QuickStyle>(object.get());
    QStringList order;
    QObject context;
    StylePropertyGroupQuick* root = style->properties();
    connect(root->layout()->padding(), &SizePropertyGroupQuick::leftChanged, &context,
            [&] { order << "padding.left"; });
    connect(root->layout()->padding(), &PropertyGroupQuick::updated, &context, [&] { order << "padding"; });
    connect(root->layout(), &LayoutPropertyGroupQuick::widthChanged, &context, [&] { order << "layout.width"; });
    connect(root->layout(), &PropertyGroupQuick::updated, &context, [&] { order << "layout"; });
    // Absent in both results: nothing changes there.
    connect(root->shadow(), &PropertyGroupQuick::updated, &context, [&] { order << "shadow"; });
    connect(root, &PropertyGroupQuick::updated, &context, [&] { order << "root"; });
    connect(style, &QuickStyle::updated, &context, [&] {
        // The new values are readable once the Style announces them.
        QCOMPARE(root->layout()->width().toNumber(), 90.0);
        order << "style";
    });

    element->states()->setHovered(true);
    // Hovering changes the width only: padding.left, equal in both results,
    // announces nothing, though its group passes the update on.
    QCOMPARE(order, (QStringList { "padding", "layout.width", "layout", "root", "style" }));
}

void tst_QuickStyle::paletteChangeEmitsColourLeaves()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    auto* style = attached<QuickStyle>(object.get());
    EventRecorder recorder;
    object->installEventFilter(&recorder);
    StylePropertyGroupQuick* root = style->properties();
    QSignalSpy textColor(root->text(), &TextPropertyGroupQuick::colorChanged);
    QSignalSpy backgroundColor(root->background(), &BackgroundPropertyGroupQuick::colorChanged);
    QSignalSpy borderColor(root->border()->bottom(), &LinePropertyGroupQuick::colorChanged);
    QSignalSpy shadowColor(root->shadow(), &ShadowPropertyGroupQuick::colorChanged);
    QSignalSpy width(root->layout(), &LayoutPropertyGroupQuick::widthChanged);
    QSignalSpy font(root->text(), &TextPropertyGroupQuick::fontChanged);
    QSignalSpy textUpdated(root->text(), &PropertyGroupQuick::updated);
    QSignalSpy styleUpdated(style, &QuickStyle::updated);

    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    QGuiApplication::setPalette(palette);
    QCOMPARE(textColor.size(), 1);
    QCOMPARE(backgroundColor.size(), 1);
    QCOMPARE(borderColor.size(), 1);
    QCOMPARE(shadowColor.size(), 1);
    QCOMPARE(width.size(), 0);
    QCOMPARE(font.size(), 0);
    QCOMPARE(textUpdated.size(), 0);
    QCOMPARE(styleUpdated.size(), 0);
    QCOMPARE(recorder.log, QStringList { "colors-event" });
    // The custom colour is resolved again on reading.
    QCOMPARE(root->background()->color().toVariant().value<QColor>(), QColor(Qt::red));
}

void tst_QuickStyle::itemWithoutElementShowsEnclosingResult()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    Item {
        Item {
            objectName: "inner"
            property real styledWidth: Quilt.Style.properties.layout.width ?? -1
        }
    }
})");
    auto* inner = object->findChild<QObject*>("inner");
    QCOMPARE(inner->property("styledWidth").toDouble(), 80.0);
    attached<QuickElement>(object.get())->states()->setHovered(true);
    QCOMPARE(inner->property("styledWidth").toDouble(), 90.0);
    QCOMPARE(attached<QuickStyle>(inner)->element(), attached<QuickElement>(object.get()));
}

void tst_QuickStyle::enclosedStylesFollowOnlyNewResults()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    Item {
        objectName: "inner"
        property real styledWidth: Quilt.Style.properties.layout.width ?? -1
    }
})");
    auto* element = attached<QuickElement>(object.get());
    auto* inner = object->findChild<QObject*>("inner");
    auto* innerStyle = attached<QuickStyle>(inner);
    QVERIFY(innerStyle);
    EventRecorder recorder;
    inner->installEventFilter(&recorder);
    QSignalSpy innerUpdated(innerStyle, &QuickStyle::updated);

    // The same result again: the enclosed Style hears of the query from the
    // element it reads, once; the Style above has nothing new to pass on.
    element->update();
    QCOMPARE(innerUpdated.size(), 1);
    QCOMPARE(recorder.log, QStringList { "updated-event" });

    // No match, then the very result it had before: the enclosed Style and
    // its item are told again, and show the values.
    element->setType("Nothing");
    recorder.log.clear();
    innerUpdated.clear();
    element->setType("Button");
    QVERIFY(!innerUpdated.isEmpty());
    QVERIFY(recorder.log.contains("updated-event"));
    QCOMPARE(inner->property("styledWidth").toDouble(), 80.0);

    // A new result reaches it at once.
    innerUpdated.clear();
    element->setType("Label");
    QCOMPARE(inner->property("styledWidth").toDouble(), 5.0);
    QVERIFY(!innerUpdated.isEmpty());
}

void tst_QuickStyle::hintsOnlyElementShowsOwnResult()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    Item {
        objectName: "placeholder"
        Quilt.Element.hints: [ Quilt.ElementHint { name: "placeholder" } ]
        property var styledWidth: Quilt.Style.properties.layout.width
    }
    Item {
        objectName: "unmatched"
        Quilt.Element.hints: [ Quilt.ElementHint { name: "nothing" } ]
        property var styledWidth: Quilt.Style.properties.layout.width
        property var color: Quilt.Style.properties.text.color
    }
})");
    auto* placeholder = object->findChild<QObject*>("placeholder");
    auto* unmatched = object->findChild<QObject*>("unmatched");
    QCOMPARE(placeholder->property("styledWidth").toDouble(), 3.0);
    QCOMPARE(attached<QuickElement>(placeholder)->type(), QString());
    QCOMPARE(attached<QuickElement>(placeholder)->query()->elements().size(), 2);
    QVERIFY(!unmatched->property("styledWidth").isValid());
    QVERIFY(!unmatched->property("color").isValid());
}

void tst_QuickStyle::requeryWithoutMatchesKeepsValues()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    property var styledWidth: Quilt.Style.properties.layout.width
})");
    auto* element = attached<QuickElement>(object.get());
    auto* style = attached<QuickStyle>(object.get());
    EventRecorder recorder;
    object->installEventFilter(&recorder);
    QSignalSpy width(style->properties()->layout(), &LayoutPropertyGroupQuick::widthChanged);
    QSignalSpy styleUpdated(style, &QuickStyle::updated);

    element->setType("Nothing");
    QVERIFY(!element->query()->hasMatches());
    QCOMPARE(object->property("styledWidth").toDouble(), 80.0);
    QCOMPARE(width.size(), 0);
    QCOMPARE(styleUpdated.size(), 0);
    // Whoever paints from the query learns that it matches nothing now.
    QCOMPARE(recorder.log, QStringList { "updated-event" });

    element->setType("Label");
    QCOMPARE(object->property("styledWidth").toDouble(), 5.0);
    QCOMPARE(width.size(), 1);
}

void tst_QuickStyle::resultsEvictedBetweenRequeries()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    property var styledWidth: Quilt.Style.properties.layout.width
    property var padding: Quilt.Style.properties.layout.padding.left
})");
    auto* element = attached<QuickElement>(object.get());
    auto* style = attached<QuickStyle>(object.get());
    QSignalSpy width(style->properties()->layout(), &LayoutPropertyGroupQuick::widthChanged);
    auto fillCache = [] {
        // More distinct results than the result cache holds.
        auto registryStyle = Quilt::StyleRegistry::instance()->defaultStyle();
        auto filler = Quilt::Element::create();
        filler->setType("Filler");
        for (int i = 0; i < 600; ++i) {
            filler->setId(QString::number(i));
            Quilt::ElementQuery query(registryStyle);
            query.setElements({ filler });
            query.execute();
        }
    };

    for (int round = 0; round < 4; ++round) {
        const bool hovered = round % 2 == 0;
        fillCache();
        element->states()->setHovered(hovered);
        QCOMPARE(width.size(), round + 1);
        QCOMPARE(object->property("styledWidth").toDouble(), hovered ? 90.0 : 80.0);
        QCOMPARE(object->property("padding").toDouble(), 8.0);
    }

    // A Style that keeps showing a result its element let go of.
    element->setType("Nothing");
    fillCache();
    QCOMPARE(style->properties()->layout()->width().toNumber(), 80.0);
    QCOMPARE(style->properties()->layout()->padding()->left().toNumber(), 8.0);
    element->setType("Button");
    QCOMPARE(object->property("styledWidth").toDouble(), 80.0);
}

void tst_QuickStyle::wrappersMadeOnFirstRead()
{
    countObjects();
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    auto* style = attached<QuickStyle>(object.get());
    QVERIFY(style);
    // The states group is made on first read; made here, it is not counted.
    StatesGroup* states = attached<QuickElement>(object.get())->states();
    const int before = liveObjects;
    auto made = [&] {
        return liveObjects - before;
    };

    StylePropertyGroupQuick* root = style->properties();
    QCOMPARE(made(), 1);
    QCOMPARE(root->icon()->name().isUndefined(), true);
    QCOMPARE(made(), 2);
    QCOMPARE(root->layout()->padding()->left().toNumber(), 8.0);
    QCOMPARE(made(), 4);
    QCOMPARE(root->border()->left()->size().toNumber(), 1.0);
    QCOMPARE(made(), 6);
    // Read again: nothing new. Another side is one more object.
    root->layout()->padding();
    root->border()->left();
    QCOMPARE(made(), 6);
    QCOMPARE(root->border()->top()->color().toVariant().value<QColor>(), QColor(Qt::blue));
    QCOMPARE(made(), 7);

    // A hover re-query reaches the wrappers that exist and makes no others.
    states->setHovered(true);
    QCOMPARE(made(), 7);
    QCOMPARE(root->layout()->width().toNumber(), 90.0);

    // In QML: an item binding one icon leaf makes the tree's root and the
    // icon group, nothing else.
    // (A matching element makes its item's Style in either case.)
    const QByteArray plain = R"(Item { Quilt.Element.type: "Button" })";
    const QByteArray binding = R"(Item {
        Quilt.Element.type: "Button"
        property var name: Quilt.Style.properties.icon.name
    })";
    int counts[2] = {};
    for (int i = 0; i < 2; ++i) {
        const int start = liveObjects;
        auto item = createObject(&m_engine, i == 0 ? plain : binding);
        QVERIFY(item);
        counts[i] = liveObjects - start;
    }
    QCOMPARE(counts[1] - counts[0], 2);
}

void tst_QuickStyle::paletteChangeReachesEveryElement()
{
    // Elements hear their shared style through one relay: each still hears
    // it, one that went is not told, and one made afterwards is.
    std::vector<std::unique_ptr<QObject>> objects;
    std::vector<std::unique_ptr<EventRecorder>> recorders;
    for (int i = 0; i < 3; ++i) {
        objects.push_back(createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })"));
        recorders.push_back(std::make_unique<EventRecorder>());
        objects.back()->installEventFilter(recorders.back().get());
    }
    objects[1].reset();
    auto late = createObject(&m_engine, R"(Item { Quilt.Element.type: "Label" })");
    EventRecorder lateRecorder;
    late->installEventFilter(&lateRecorder);

    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Window, QColor(7, 8, 9));
    QGuiApplication::setPalette(palette);
    QCOMPARE(recorders[0]->log, QStringList { "colors-event" });
    QCOMPARE(recorders[2]->log, QStringList { "colors-event" });
    QCOMPARE(lateRecorder.log, QStringList { "colors-event" });
}

void tst_QuickStyle::wrapperMadeLateShowsCurrentResult()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    auto* style = attached<QuickStyle>(object.get());
    StylePropertyGroupQuick* root = style->properties();
    QSignalSpy padding(root->layout()->padding(), &SizePropertyGroupQuick::leftChanged);
    attached<QuickElement>(object.get())->states()->setHovered(true);
    // The padding reads the same hovered: no change to announce.
    QCOMPARE(padding.size(), 0);
    // Made after the re-query: shows the hovered result and follows the next.
    LayoutPropertyGroupQuick* layout = root->layout();
    QCOMPARE(layout->width().toNumber(), 90.0);
    QSignalSpy width(layout, &LayoutPropertyGroupQuick::widthChanged);
    attached<QuickElement>(object.get())->states()->setHovered(false);
    QCOMPARE(width.size(), 1);
    QCOMPARE(layout->width().toNumber(), 80.0);
}

QUILT_QUICK_TEST_MAIN(tst_QuickStyle, Css)

#include "tst_quickstyle.moc"
