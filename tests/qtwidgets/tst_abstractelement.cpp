#include <QDialog>
#include <QGroupBox>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>
#include <QVBoxLayout>

#include "abstractelement.h"
#include "conversions.h"
#include "elementquery.h"
#include "quiltstyle.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"
#include "textpropertygroup.h"
#include "widgettest.h"

using Quilt::Element;
using State = Quilt::Element::State;

namespace
{
const QColor ProbeTextColor(0xe0, 0x10, 0x30);
const QColor PaletteTextColor(0x10, 0xd0, 0x40);

// The fixture: types made for this test, each with the values one case reads.
QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
SizeProbe { padding: 4px; inset-left: 6px; }
WideProbe { padding: 4px; inset-left: 6px; width: 200px; }
HalfProbe { padding: 2px 4px 4px 8px; }
TextProbe { color: #e01030; text-elide: right; font-size: 40px; font-weight: bold; }
Button { icon-width: 18px; }
PlaceProbe { padding: 2px; }
PlaceProbe Widget { width: 30px; height: 12px; }
)";
}

// The base class with a type of the test's choosing and its internals in reach.
class ProbeElement : public AbstractElement
{
public:
    ProbeElement(const QStyleOption* option, const QWidget* widget, const QString& type = QString())
        : AbstractElement(option, QuiltWidgetTest::style(), widget)
        , m_type(type)
    { }

    QString elementType(const QStyleOption* option) const override
    {
        return m_type.isEmpty() ? AbstractElement::elementType(option) : m_type;
    }
    void update() override { query(); }

    const Properties* ownProperties() const { return m_properties; }

private:
    QString m_type;
};

// Other test programs share the X server and activate windows of their own:
// ask again until this one holds the focus.
bool activate(QWidget* window)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        window->activateWindow();
        if (QTest::qWaitForWindowActive(window, 1000)) {
            return true;
        }
    }
    return false;
}

QStringList typesOf(const Quilt::ElementChain& chain)
{
    QStringList types;
    for (const auto& element : chain) {
        types.append(element->type());
    }
    return types;
}
} // namespace

// What every element shares: chains, states, sizes, text and kept results.
class tst_AbstractElement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chains();
    void inactiveWindow();
    void changedHint();
    void states_data();
    void states();
    void zeroStateOfADisabledWidget();
    void sizeFromContents_data();
    void sizeFromContents();
    void placeholderPart();
    void textColour();
    void elisionBoundedByOption();
    void keptResults();
};

void tst_AbstractElement::chains()
{
    QStyleOptionButton button;

    // Not polished: the member list comes from the style's walk.
    QDialog dialog;
    auto* group = new QGroupBox(&dialog);
    auto* push = new QPushButton(group);
    ProbeElement inDialog(&button, push);
    QCOMPARE(typesOf(inDialog.elementList(&button, push, {})), QStringList({ "Dialog", "GroupBox", "Button" }));

    // A stored member list is taken as it is.
    QWidget plain;
    plain.setProperty("_quilt_member_list", QStringList { "ApplicationWindow", "Frame" });
    ProbeElement inFrame(&button, &plain);
    QCOMPARE(typesOf(inFrame.elementList(&button, &plain, {})),
             QStringList({ "ApplicationWindow", "Frame", "Button" }));

    // The own type is not repeated after a list that ends in it; extra names
    // repeated in a row are added once.
    plain.setProperty("_quilt_member_list", QStringList { "Dialog", "Button" });
    inFrame.refresh();
    QCOMPARE(typesOf(inFrame.elementList(&button, &plain, { "Button", "Indicator", "Indicator", "Text" })),
             QStringList({ "Dialog", "Button", "Indicator", "Text" }));

    // Without widget and option: the plain type alone.
    ProbeElement bare(nullptr, nullptr);
    QCOMPARE(typesOf(bare.elementList(nullptr, nullptr, {})), QStringList({ "Widget" }));
}

void tst_AbstractElement::inactiveWindow()
{
    QMainWindow first;
    auto* inside = new QWidget;
    first.setCentralWidget(inside);
    QWidget second;
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    QVERIFY(activate(&second));

    QStyleOptionButton option;
    option.state = QStyle::State_Enabled;
    ProbeElement element(&option, inside);
    element.refresh();
    Quilt::ElementChain chain = element.elementChain();
    QCOMPARE(typesOf(chain), QStringList({ "ApplicationWindow", "Button" }));
    QCOMPARE(chain.first()->hints(), QStringList({ "inactive" }));
    QCOMPARE(chain.last()->hints(), QStringList());

    QVERIFY(activate(&first));
    element.refresh();
    QCOMPARE(element.elementChain().first()->hints(), QStringList());
}

void tst_AbstractElement::changedHint()
{
    QWidget widget;
    widget.setProperty("_quilt_member_list", QStringList { "Dialog", "Frame" });
    widget.setProperty("_vyr_highlight_neutral", true);
    QStyleOptionButton option;
    ProbeElement element(&option, &widget);
    element.refresh();
    for (const auto& chainElement : element.subElementChain()) {
        QCOMPARE(chainElement->hints(), QStringList({ "changed" }));
    }
    QCOMPARE(typesOf(element.subElementChain()), QStringList({ "Dialog", "Frame", "Button" }));
}

void tst_AbstractElement::states_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("expected");

    using S = QStyle::StateFlag;
    QTest::newRow("zero") << int(S::State_None) << int(State::None);
    QTest::newRow("enabled only") << int(S::State_Enabled) << int(State::None);
    QTest::newRow("disabled") << int(S::State_Raised) << int(State::Disabled);
    QTest::newRow("hover") << int(S::State_Enabled | S::State_MouseOver) << int(State::Hovered);
    QTest::newRow("focus") << int(S::State_Enabled | S::State_HasFocus) << int(State::ActiveFocus);
    QTest::newRow("keyboard focus") << int(S::State_Enabled | S::State_HasFocus | S::State_KeyboardFocusChange)
                                    << int(State::ActiveFocus | State::VisualFocus);
    QTest::newRow("sunken") << int(S::State_Enabled | S::State_Sunken) << int(State::Pressed);
    QTest::newRow("sunken and raised") << int(S::State_Enabled | S::State_Sunken | S::State_Raised) << int(State::None);
    QTest::newRow("on") << int(S::State_Enabled | S::State_On) << int(State::Checked);
    QTest::newRow("on and off") << int(S::State_Enabled | S::State_On | S::State_Off) << int(State::None);
    QTest::newRow("selected") << int(S::State_Enabled | S::State_Selected) << int(State::Highlighted);
}

void tst_AbstractElement::states()
{
    QFETCH(int, state);
    QFETCH(int, expected);

    QStyleOption option;
    option.state = QStyle::State(state);
    ProbeElement element(&option, nullptr);
    QCOMPARE(int(element.states()), expected);
    QCOMPARE(int(ProbeElement(nullptr, nullptr).states()), int(State::None));
}

void tst_AbstractElement::zeroStateOfADisabledWidget()
{
    // A disabled widget without focus or hover describes itself with a zero
    // state; its widget tells it apart from a caller that filled in none.
    QWidget widget;
    QStyleOption option;
    option.initFrom(&widget);
    option.state = QStyle::State_None;
    QCOMPARE(int(ProbeElement(&option, &widget).states()), int(State::None));
    widget.setEnabled(false);
    QCOMPARE(int(ProbeElement(&option, &widget).states()), int(State::Disabled));
}

void tst_AbstractElement::sizeFromContents_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QSizeF>("expected");

    QTest::newRow("padding and inset") << "SizeProbe" << 0 << true << QSizeF(110, 28);
    QTest::newRow("layout width") << "WideProbe" << 0 << true << QSizeF(200, 28);
    // Half of each axis' own padding comes off that axis: 6 across, 3 down.
    QTest::newRow("half padding off") << "HalfProbe" << int(AbstractElement::SubtractHalfPadding) << true
                                      << QSizeF(106, 23);
    QTest::newRow("not valid") << "SizeProbe" << 0 << false << QSizeF(100, 20);
}

void tst_AbstractElement::sizeFromContents()
{
    QFETCH(QString, type);
    QFETCH(int, flags);
    QFETCH(bool, valid);
    QFETCH(QSizeF, expected);

    QStyleOption option;
    ProbeElement element(&option, nullptr, type);
    element.setFlags(flags);
    if (valid) {
        element.refresh();
    }
    QCOMPARE(element.isValid(), valid);
    QCOMPARE(element.sizeFromContents(QSizeF(100, 20)), expected);
}

void tst_AbstractElement::placeholderPart()
{
    // An element without part names lays out the placeholder "Widget", sized
    // by the chain extended by it.
    QStyleOption option;
    option.rect = QRect(0, 0, 100, 40);
    ProbeElement element(&option, nullptr, QStringLiteral("PlaceProbe"));
    element.refresh();
    const SubElementLayout layout = element.subElementLayout();
    QCOMPARE(layout.keys(), QStringList({ "Widget" }));
    QCOMPARE(layout.value("Widget").rect, QRectF(2, 2, 30, 12));
}

void tst_AbstractElement::textColour()
{
    QStyleOption option;
    option.state = QStyle::State_Enabled;
    option.rect = QRect(0, 0, 120, 60);
    ProbeElement element(&option, nullptr, QStringLiteral("TextProbe"));
    element.refresh();
    QVERIFY(element.ownProperties());

    auto paint = [&] {
        return QuiltWidgetTest::paintImage(QSize(120, 60), [&](QPainter* painter) {
            element.drawText(painter, QStringLiteral("MM"), QRectF(0, 0, 120, 60), element.ownProperties());
        });
    };
    const QRect area(0, 0, 120, 60);

    // The palette leaves the text colour to the style...
    option.palette = QPalette();
    option.palette.setResolveMask(0);
    QImage image = paint();
    QVERIFY(QuiltWidgetTest::containsColor(image, area, ProbeTextColor, 2));

    // ...unless the application set a role on purpose.
    option.palette.setColor(QPalette::Text, PaletteTextColor);
    image = paint();
    QVERIFY(QuiltWidgetTest::containsColor(image, area, PaletteTextColor, 2));
    QVERIFY(!QuiltWidgetTest::containsColor(image, area, ProbeTextColor, 2));
}

void tst_AbstractElement::elisionBoundedByOption()
{
    QStyleOption option;
    option.rect = QRect(0, 0, 50, 20);
    ProbeElement element(&option, nullptr, QStringLiteral("TextProbe"));
    element.refresh();

    const QString text = QStringLiteral("A text much wider than fifty pixels");
    const QString elided = element.elidedText(text, QRectF(0, 0, 1000, 20), element.ownProperties());
    QVERIFY(elided != text);
    // In the style's font, which it is drawn in.
    QVERIFY(QFontMetrics(*element.ownProperties()->text()->font()).horizontalAdvance(elided) <= 50);
    // A mnemonic's ampersand takes no room.
    const QFontMetrics metrics(*element.ownProperties()->text()->font());
    option.rect = QRect(0, 0, metrics.horizontalAdvance(QStringLiteral("Open")) + 1, 20);
    QCOMPARE(element.elidedText(QStringLiteral("&Open"), QRectF(option.rect), element.ownProperties()),
             QStringLiteral("&Open"));

    // Asked again at other widths, the same text follows each width: no
    // earlier answer stands in for another width's.
    option.rect = QRect(0, 0, 1000, 20);
    QCOMPARE(element.elidedText(text, QRectF(option.rect), element.ownProperties()), text);
    option.rect = QRect(0, 0, 50, 20);
    QCOMPARE(element.elidedText(text, QRectF(0, 0, 1000, 20), element.ownProperties()), elided);
}

void tst_AbstractElement::keptResults()
{
    // With a text, the element's last query is for its "Text" chain: the own
    // result is held by nothing else.
    QStyleOptionButton option;
    option.text = QStringLiteral("Kept");
    QStyle* style = QuiltWidgetTest::style();
    QCOMPARE(style->pixelMetric(QStyle::PM_ButtonIconSize, &option), 18);

    // More distinct questions than the engine's result cache holds: the
    // element's own answer must outlive its eviction there.
    Quilt::ElementQuery query(Quilt::StyleRegistry::instance()->defaultStyle());
    for (int i = 0; i < 600; ++i) {
        auto element = Element::create();
        element->setType(QStringLiteral("Filler%1").arg(i));
        query.setElements({ element });
        query.execute();
    }
    QCOMPARE(style->pixelMetric(QStyle::PM_ButtonIconSize, &option), 18);
}

QUILT_WIDGET_TEST_MAIN(tst_AbstractElement, styleSheet())

#include "tst_abstractelement.moc"
