// Elements keep what they worked out for a request until something it was
// worked out from changes: every such change must still reach what is
// painted and measured, also when the request comes from the same place with
// the same option object.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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
SpinBox:hover { icon-name: window-close-symbolic; }
SpinBox:pressed { icon-name: window-minimize-symbolic; }
SpinBox:visual-focus { icon-name: no-such-symbol; color: #f0f0f0; }
SmallIconSize { width: 16px; height: 16px; }
ToolBar SmallIconSize { width: 24px; height: 24px; }
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
    void stepButtonsFollowTheirOption_data();
    void stepButtonsFollowTheirOption();
    void fieldIconMetricsFollowTheirWidget();
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

using OptionChange = std::function<void(QStyleOptionSpinBox&)>;
Q_DECLARE_METATYPE(OptionChange)

void tst_ElementReuse::stepButtonsFollowTheirOption_data()
{
    QTest::addColumn<OptionChange>("change");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("looksOther");

    const auto on = [](QStyle::State state) {
        return OptionChange([state](auto& o) { o.state |= state; });
    };
    QTest::newRow("hovered") << on(QStyle::State_MouseOver) << 1.0 << true;
    QTest::newRow("pressed") << on(QStyle::State_Sunken) << 1.0 << true;
    QTest::newRow("disabled") << OptionChange([](auto& o) { o.state &= ~QStyle::State_Enabled; }) << 1.0 << true;
    // The style's own arrows, drawn where no icon resolves.
    const QStyle::State visualFocus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    QTest::newRow("own symbols") << on(visualFocus) << 1.0 << true;
    QTest::newRow("own symbols, ratio 2") << on(visualFocus) << 2.0 << true;
    QTest::newRow("ratio 2") << OptionChange([](auto&) { }) << 2.0 << false;
    QTest::newRow("plus and minus") << OptionChange([](auto& o) { o.buttonSymbols = QAbstractSpinBox::PlusMinus; })
                                    << 1.0 << true;
    QTest::newRow("right to left") << OptionChange([](auto& o) { o.direction = Qt::RightToLeft; }) << 1.0 << true;
    QTest::newRow("taller") << OptionChange([](auto& o) { o.rect.setHeight(40); }) << 1.0 << true;
    QTest::newRow("palette") << OptionChange([](auto& o) {
        o.palette.setColor(QPalette::ButtonText, PaletteTextColor);
        o.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    }) << 1.0 << true;
}

// The step buttons are painted from an image kept between paints: after a
// change of the option object the style was given before, they show what
// their own requests paint, at the device's ratio.
void tst_ElementReuse::stepButtonsFollowTheirOption()
{
    QFETCH(OptionChange, change);
    QFETCH(qreal, ratio);
    QFETCH(bool, looksOther);

    QSpinBox spin;
    spin.ensurePolished();
    QStyleOptionSpinBox option = spinOption(&spin);
    option.rect = QRect(0, 0, 100, 30);
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    QuiltStyle* style = QuiltWidgetTest::style();
    const auto paint = [&](qreal devicePixelRatio, const std::function<void(QPainter*)>& draw) {
        QImage image(QSize(100, 40) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        draw(&painter);
        return image;
    };
    const auto paintControl = [&](qreal devicePixelRatio) {
        return paint(devicePixelRatio, [&](QPainter* painter) {
            style->drawComplexControl(QStyle::CC_SpinBox, &option, painter, &spin);
        });
    };
    // Twice, so that the second paint is served from what the first kept.
    paintControl(1.0);
    const QImage before = paintControl(1.0);

    change(option);
    const QImage after = paintControl(ratio);
    const bool arrows = option.buttonSymbols == QAbstractSpinBox::UpDownArrows;
    const QImage expected = paint(ratio, [&](QPainter* painter) {
        QStyleOptionSpinBox panel(option);
        panel.buttonSymbols = QAbstractSpinBox::NoButtons;
        style->drawComplexControl(QStyle::CC_SpinBox, &panel, painter, &spin);
        QStyleOptionSpinBox button(option);
        button.rect = style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &spin);
        style->drawPrimitive(arrows ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinPlus, &button, painter);
        button.rect = style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, &spin);
        style->drawPrimitive(arrows ? QStyle::PE_IndicatorSpinDown : QStyle::PE_IndicatorSpinMinus, &button, painter);
    });
    QCOMPARE(after, expected);
    if (looksOther) {
        QVERIFY(after.convertToFormat(before.format()).copy(before.rect()) != before);
    }
}

// A text field asks for its side widgets' icon metrics without an option on
// every paint, and is answered from what the last request kept: the answers
// are still those the common style derives, and follow the widget.
void tst_ElementReuse::fieldIconMetricsFollowTheirWidget()
{
    QuiltStyle* style = QuiltWidgetTest::style();
    // Empty where the answers are the expected ones.
    const auto check = [&](const QWidget* field, int iconSize) {
        const int common = style->QCommonStyle::pixelMetric(QStyle::PM_LineEditIconSize, nullptr, field);
        const int commonMargin = style->QCommonStyle::pixelMetric(QStyle::PM_LineEditIconMargin, nullptr, field);
        for (int round = 0; round < 2; ++round) {
            const int size = style->pixelMetric(QStyle::PM_LineEditIconSize, nullptr, field);
            const int margin = style->pixelMetric(QStyle::PM_LineEditIconMargin, nullptr, field);
            if (size != iconSize || common != iconSize || margin != commonMargin) {
                return QStringLiteral("size %1, common style's %2, expected %3; margin %4, common style's %5")
                    .arg(size)
                    .arg(common)
                    .arg(iconSize)
                    .arg(margin)
                    .arg(commonMargin);
            }
        }
        return QString();
    };
#define CHECK_FIELD(field, size)                                                                                       \
    do {                                                                                                               \
        const QString failure = check(field, size);                                                                    \
        QVERIFY2(failure.isEmpty(), qPrintable(failure));                                                              \
    } while (false)

    QToolBar bar;
    QLineEdit plain;
    auto* inBar = new QLineEdit(&bar);
    plain.ensurePolished();
    inBar->ensurePolished();
    CHECK_FIELD(&plain, 16);
    CHECK_FIELD(inBar, 24);
    CHECK_FIELD(&plain, 16);

    plain.setProperty("_quilt_member_list", QStringList { "ToolBar", "TextField" });
    CHECK_FIELD(&plain, 24);
    style->polish(&plain);
    CHECK_FIELD(&plain, 16);

    plain.setEnabled(false);
    CHECK_FIELD(&plain, 16);

    // A widget made where a destroyed one was is asked about anew.
    for (int i = 0; i < 4; ++i) {
        auto field = std::make_unique<QLineEdit>(i % 2 ? static_cast<QWidget*>(&bar) : nullptr);
        field->ensurePolished();
        CHECK_FIELD(field.get(), i % 2 ? 24 : 16);
    }
#undef CHECK_FIELD
}

QUILT_WIDGET_TEST_MAIN(tst_ElementReuse, styleSheet())

#include "tst_elementreuse.moc"
