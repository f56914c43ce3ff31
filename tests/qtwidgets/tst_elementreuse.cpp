// Elements keep what they worked out for a request until something it was
// worked out from changes: every such change must still reach what is
// painted and measured, also when the request comes from the same place with
// the same option object.

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOption>
#include <QTest>
#include <QToolBar>

#include "quiltstyle.h"
#include "widgettest.h"

#include <functional>
#include <memory>

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;
using QuiltWidgetTest::describe;

namespace
{
const QColor SpinColor(0x20, 0x50, 0xa0);
const QColor DisabledColor(0xa0, 0x20, 0x50);
const QColor ChangedColor(0x20, 0xa0, 0x50);
const QColor InBarColor(0x90, 0x60, 0x10);
const QColor InactiveColor(0xa0, 0xa0, 0x20);
const QColor ComboTextColor(0x10, 0x60, 0xf0);
const QColor ArrowColor(0xe0, 0x10, 0xe0);
const QColor PaletteTextColor(0xf0, 0x80, 0x10);

QByteArray styleSheet()
{
    return R"(
ApplicationWindow { background-color: #d0d0d0; }
SpinBox { background-color: #2050a0; border: 1px solid #102030; padding: 0px 4px; }
SpinBox Indicator { width: 16px; height: 10px; }
SpinBox:disabled { background-color: #a02050; }
SpinBox.changed { background-color: #20a050; }
ToolBar SpinBox { background-color: #906010; border: 3px solid #102030; }
ApplicationWindow.inactive SpinBox { background-color: #a0a020; }
ComboBox { background-color: #ffffff; color: #1060f0; font-size: 22px; font-weight: bold; padding: 0px 4px; }
ComboBox Indicator { width: 14px; height: 14px; color: #e010e0; layout-alignment-horizontal: end; layout-alignment-vertical: center; }
)";
}

QStyleOptionSpinBox spinOption(const QSpinBox* spin)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.frame = true;
    option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    option.subControls = QStyle::SC_All;
    return option;
}

// Paints the spin box's panel with `option` (the same object each time)
// and returns the colour at its middle.
QColor panelColor(const QStyleOptionSpinBox& option, const QSpinBox* spin)
{
    const QImage image = QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        QuiltWidgetTest::style()->drawComplexControl(QStyle::CC_SpinBox, &option, painter, spin);
    });
    return colorAt(image, option.rect.center());
}

int frameWidth(const QSpinBox* spin)
{
    const QStyleOptionSpinBox option = spinOption(spin);
    return QuiltWidgetTest::style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, spin);
}

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
} // namespace

class tst_ElementReuse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changesReachThePaint_data();
    void changesReachThePaint();
    void sameOptionObjectChanged();
    void windowActivation();
    void metricsFollowTheirWidget();
};

using Change = std::function<void(QWidget*)>;
Q_DECLARE_METATYPE(Change)

void tst_ElementReuse::changesReachThePaint_data()
{
    QTest::addColumn<bool>("combo");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QRect>("probe");
    QTest::addColumn<QColor>("expected");

    const QRect spinMiddle(30, 10, 20, 10);
    QTest::newRow("state") << false << Change([](QWidget* w) { w->setEnabled(false); }) << spinMiddle << DisabledColor;
    QTest::newRow("dynamic property") << false
                                      << Change([](QWidget* w) { w->setProperty("_vyr_highlight_neutral", true); })
                                      << spinMiddle << ChangedColor;
    QTest::newRow("member list property") << false << Change([](QWidget* w) {
        w->setProperty("_quilt_member_list", QStringList { "ToolBar", "SpinBox" });
    }) << spinMiddle << InBarColor;
    QTest::newRow("palette") << true << Change([](QWidget* w) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Text, PaletteTextColor);
        w->setPalette(palette);
    }) << QRect(0, 0, 120, 40)
                             << PaletteTextColor;
    QTest::newRow("direction") << true << Change([](QWidget* w) { w->setLayoutDirection(Qt::RightToLeft); })
                               << QRect(0, 0, 40, 40) << ArrowColor;
    QTest::newRow("text") << true << Change([](QWidget* w) { static_cast<QComboBox*>(w)->setCurrentIndex(1); })
                          << QRect(60, 0, 80, 40) << ComboTextColor;
}

void tst_ElementReuse::changesReachThePaint()
{
    QFETCH(bool, combo);
    QFETCH(Change, change);
    QFETCH(QRect, probe);
    QFETCH(QColor, expected);

    std::unique_ptr<QWidget> widget;
    if (combo) {
        auto* box = new QComboBox;
        box->addItems({ QStringLiteral("I"), QStringLiteral("Wide, wide text") });
        widget.reset(box);
    } else {
        widget = std::make_unique<QSpinBox>();
    }
    widget->setFixedSize(240, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(widget.get()));

    // Twice: the second paint is answered from what the first worked out.
    QImage image = QuiltWidgetTest::grabImage(widget.get());
    image = QuiltWidgetTest::grabImage(widget.get());
    QVERIFY2(!containsColor(image, probe, expected), "the colour is there before the change");

    change(widget.get());
    image = QuiltWidgetTest::grabImage(widget.get());
    QVERIFY2(containsColor(image, probe, expected), qPrintable(describe(colorAt(image, probe.center()))));
}

// A caller that keeps one option object and changes it between requests.
void tst_ElementReuse::sameOptionObjectChanged()
{
    QSpinBox spin;
    spin.ensurePolished();
    QStyleOptionSpinBox option = spinOption(&spin);
    option.rect = QRect(0, 0, 100, 30);
    QuiltStyle* style = QuiltWidgetTest::style();

    const QRect narrow = style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &spin);
    QCOMPARE(narrow.right(), 99);
    option.rect = QRect(0, 0, 160, 30);
    QCOMPARE(style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &spin).right(), 159);
    option.direction = Qt::RightToLeft;
    QCOMPARE(style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &spin).left(), 0);
    option.direction = Qt::LeftToRight;

    QUILT_COMPARE_COLOR(panelColor(option, &spin), SpinColor);
    option.state &= ~QStyle::State_Enabled;
    QUILT_COMPARE_COLOR(panelColor(option, &spin), DisabledColor);
    option.state |= QStyle::State_Enabled;
    QUILT_COMPARE_COLOR(panelColor(option, &spin), SpinColor);
    option.buttonSymbols = QAbstractSpinBox::NoButtons;
    QCOMPARE(style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &spin), QRect());
}

// Activation reaches the option's state only where the caller filled it in
// again: with one option kept, only the style's own count of such changes
// tells the element to describe the window anew.
void tst_ElementReuse::windowActivation()
{
    QMainWindow window;
    auto* spin = new QSpinBox;
    window.setCentralWidget(spin);
    window.resize(200, 60);
    QWidget other;
    other.resize(100, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    QVERIFY(QuiltWidgetTest::showAndWait(&other));
    QVERIFY(activate(&window));

    QStyleOptionSpinBox option = spinOption(spin);
    option.rect = QRect(0, 0, 100, 30);
    QUILT_COMPARE_COLOR(panelColor(option, spin), SpinColor);
    QUILT_COMPARE_COLOR(panelColor(option, spin), SpinColor);

    QVERIFY(activate(&other));
    QUILT_COMPARE_COLOR(panelColor(option, spin), InactiveColor);
    QVERIFY(activate(&window));
    QUILT_COMPARE_COLOR(panelColor(option, spin), SpinColor);
}

// One element answers the metrics of every spin box; each answer is its
// widget's own, and follows a change of the widget's properties.
void tst_ElementReuse::metricsFollowTheirWidget()
{
    QSpinBox plain;
    QToolBar bar;
    auto* inBar = new QSpinBox(&bar);
    plain.ensurePolished();
    inBar->ensurePolished();

    for (int round = 0; round < 2; ++round) {
        QCOMPARE(frameWidth(&plain), 1);
        QCOMPARE(frameWidth(inBar), 3);
    }

    plain.setProperty("_quilt_member_list", QStringList { "ToolBar", "SpinBox" });
    QCOMPARE(frameWidth(&plain), 3);
    QCOMPARE(frameWidth(inBar), 3);
    plain.setProperty("_quilt_member_list", QVariant());
    QCOMPARE(frameWidth(&plain), 1);

    // Polishing writes the list again.
    plain.setProperty("_quilt_member_list", QStringList { "ToolBar", "SpinBox" });
    QCOMPARE(frameWidth(&plain), 3);
    QuiltWidgetTest::style()->polish(&plain);
    QCOMPARE(frameWidth(&plain), 1);
}

QUILT_WIDGET_TEST_MAIN(tst_ElementReuse, styleSheet())

#include "tst_elementreuse.moc"
