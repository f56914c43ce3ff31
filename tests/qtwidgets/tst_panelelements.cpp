#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyleOption>
#include <QTest>
#include <QToolBox>
#include <QVBoxLayout>

#include "abstractelement.h"
#include "elementcache.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;
using namespace ElementDispatch;

namespace
{
const QColor TextColor(0xf0, 0xb0, 0x10);
const QColor BorderColor(0xc0, 0x20, 0x80);
const QColor TabColor(0x20, 0xc0, 0xb0);
const QColor ItemColor(0x90, 0x50, 0xf0);
const QColor IndicatorColor(0x30, 0xd0, 0x50);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
GroupBox {
    padding: 4px 6px 8px 10px;
    spacing: 4px;
    border: 2px solid #c02080;
    color: #f0b010;
    font-size: 24px;
    text-alignment-horizontal: start;
    icon-size: 16px;
    icon-alignment-horizontal: start;
}
ToolBox TabButton, ToolBox TabButton:highlighted, ToolBox TabButton:hover {
    background-color: #20c0b0;
    color: #f0b010;
    padding: 2px;
    spacing: 4px;
    icon-size: 16px;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
Label StatusBar Item { border: 1px solid #9050f0; }
CheckBox Indicator { width: 16px; height: 16px; background-color: #30d050; }
SmallIconSize { width: 16px; height: 16px; }
)";
}

QuiltStyle* quiltStyle()
{
    return QuiltWidgetTest::style();
}

// The type's colour, or its hovered colour where the pointer happens to be.
bool isColorOf(const QColor& color, const char* type)
{
    // Hovered wins over the other states in the standard sheet.
    const QString name = QString::fromLatin1(type);
    const QString hovered = name.section(QLatin1Char(':'), 0, 0) + QStringLiteral(":hover");
    return QuiltWidgetTest::fuzzyColor(color, fixtureColor(name))
        || QuiltWidgetTest::fuzzyColor(color, fixtureColor(hovered));
}

QStyleOptionGroupBox groupBoxOption(const QRect& rect, const QString& text)
{
    QStyleOptionGroupBox option;
    option.rect = rect;
    option.text = text;
    option.state = QStyle::State_Enabled;
    option.subControls = QStyle::SC_All;
    return option;
}

// Records the check boxes that the style is asked to draw.
class RecordingStyle : public QuiltStyle
{
public:
    struct CheckBox
    {
        bool buttonOption = false;
        const QWidget* widget = nullptr;
        QRect rect;
        QStyle::State state;
    };

    void drawPrimitive(PrimitiveElement primitive, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override
    {
        if (primitive == PE_IndicatorCheckBox) {
            checkBoxes.append({ qstyleoption_cast<const QStyleOptionButton*>(option) != nullptr, widget, option->rect,
                                option->state });
        }
        QuiltStyle::drawPrimitive(primitive, option, painter, widget);
    }

    mutable QList<CheckBox> checkBoxes;
};

QRect groupBoxRect(const QStyleOptionGroupBox& option, QStyle::SubControl control, const QWidget* widget)
{
    return quiltStyle()->subControlRect(QStyle::CC_GroupBox, &option, control, widget);
}
} // namespace

// Group boxes, tool box tabs and status bars.
class tst_PanelElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void checkableGroupBox();
    void groupBoxCheckBoxRequest();
    void groupBoxContents_data();
    void groupBoxContents();
    void groupBoxHintsAndFrame();
    void groupBoxSmallerThanPadding();

    void toolBox();
    void toolBoxRequests();

    void statusBar();
};

void tst_PanelElements::init()
{
    elementCache().clear();
}

void tst_PanelElements::checkableGroupBox()
{
    QGroupBox box(QStringLiteral("Title"));
    box.setCheckable(true);
    box.setChecked(true);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QWidget);
    box.resize(200, 120);
    QVERIFY(QuiltWidgetTest::showAndWait(&box));
    const QImage image = QuiltWidgetTest::grabImage(&box);

    const QStyleOptionGroupBox option = groupBoxOption(box.rect(), box.title());
    const QRect check = groupBoxRect(option, QStyle::SC_GroupBoxCheckBox, &box);
    const QRect label = groupBoxRect(option, QStyle::SC_GroupBoxLabel, &box);
    // "Icon" then "Text" in the padding's corner; the check box is centred on
    // the title, which is taller.
    QCOMPARE(check.size(), QSize(16, 16));
    QCOMPARE(check.left(), 10);
    QCOMPARE(label.left(), 10 + 16 + 4);
    QVERIFY(label.height() > 16);
    QVERIFY(qAbs(check.center().y() - label.center().y()) <= 1);

    QVERIFY(isColorOf(colorAt(image, QPoint(5, 60)), "GroupBox:checked"));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(0, 60)), BorderColor);
    QVERIFY(QuiltWidgetTest::containsColor(image, label, TextColor, 40));
    // The check box is painted where it belongs, by the check box's own
    // indicator rule (it has no ancestors), not as the panel.
    QUILT_COMPARE_COLOR(colorAt(image, check.center()), IndicatorColor);
    QVERIFY(!QuiltWidgetTest::containsColor(image, QRect(0, label.bottom() + 2, 200, 40), TextColor, 40));
}

void tst_PanelElements::groupBoxCheckBoxRequest()
{
    // Drawn through the style with a button option and no widget, so that
    // rules for a check box on its own style it; the box's state checks it.
    RecordingStyle recording;
    QGroupBox box(QStringLiteral("Title"));
    box.setCheckable(true);
    QStyleOptionGroupBox option = groupBoxOption(QRect(0, 0, 200, 120), QStringLiteral("Title"));
    option.state |= QStyle::State_On;
    QuiltWidgetTest::paintImage(QSize(200, 120), [&](QPainter* painter) {
        recording.drawComplexControl(QStyle::CC_GroupBox, &option, painter, &box);
    });
    QCOMPARE(recording.checkBoxes.size(), 1);
    const auto& checkBox = recording.checkBoxes.first();
    QVERIFY(checkBox.buttonOption);
    QCOMPARE(checkBox.widget, nullptr);
    QCOMPARE(checkBox.rect, recording.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, &box));
    QVERIFY(checkBox.state & QStyle::State_On);

    // A box that is not checkable draws none.
    QGroupBox plain(QStringLiteral("Title"));
    QuiltWidgetTest::paintImage(QSize(200, 120), [&](QPainter* painter) {
        recording.drawComplexControl(QStyle::CC_GroupBox, &option, painter, &plain);
    });
    QCOMPARE(recording.checkBoxes.size(), 1);
}

void tst_PanelElements::groupBoxContents_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QString>("title");

    QTest::newRow("checkable with title") << true << QStringLiteral("Title");
    QTest::newRow("checkable without title") << true << QString();
    QTest::newRow("title") << false << QStringLiteral("Title");
    QTest::newRow("neither") << false << QString();
}

void tst_PanelElements::groupBoxContents()
{
    QFETCH(bool, checkable);
    QFETCH(QString, title);

    QGroupBox box(title);
    box.setCheckable(checkable);
    const QStyleOptionGroupBox option = groupBoxOption(QRect(0, 0, 200, 120), title);
    const QRect label = groupBoxRect(option, QStyle::SC_GroupBoxLabel, &box);
    const int indicator = checkable ? quiltStyle()->pixelMetric(QStyle::PM_IndicatorHeight, &option, &box) : 0;
    const int band = title.isEmpty() ? std::max(indicator, option.fontMetrics.height()) : indicator;
    QCOMPARE(label.height() > 0, !title.isEmpty());
    if (checkable && title.isEmpty()) {
        // Without a title there is nothing to centre the check box on: it
        // stays inside the padding.
        QCOMPARE(groupBoxRect(option, QStyle::SC_GroupBoxCheckBox, &box).top(), 4);
    }

    // Below the title band, inside the padding (4, 6, 8, 10).
    const int top = label.height() + band + 4;
    QCOMPARE(groupBoxRect(option, QStyle::SC_GroupBoxContents, &box), QRect(10, top, 200 - 16, 120 - 8 - top));
    QCOMPARE(groupBoxRect(option, QStyle::SC_GroupBoxFrame, &box), option.rect);
}

void tst_PanelElements::groupBoxHintsAndFrame()
{
    QStyleOptionGroupBox option = groupBoxOption(QRect(0, 0, 40, 30), QStringLiteral("Title"));
    option.features = QStyleOptionFrame::Flat | QStyleOptionFrame::Rounded;
    const QImage image = QuiltWidgetTest::paintImage(QSize(40, 30), [&](QPainter* painter) {
        quiltStyle()->drawPrimitive(QStyle::PE_FrameGroupBox, &option, painter, nullptr);
    });
    // The frame is the border alone.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(0, 15)), BorderColor);
    QCOMPARE(colorAt(image, QPoint(20, 15)).alpha(), 0);

    const auto element = cachedElement({ DrawPrimitive, QStyle::PE_FrameGroupBox, &option, nullptr, {} });
    QVERIFY(element);
    QCOMPARE(element->elementChain().last()->hints(),
             QStringList({ QStringLiteral("flat"), QStringLiteral("rounded") }));
}

void tst_PanelElements::groupBoxSmallerThanPadding()
{
    QGroupBox box(QStringLiteral("Title"));
    box.setCheckable(true);
    const QStyleOptionGroupBox option = groupBoxOption(QRect(20, 20, 12, 6), QStringLiteral("Title"));
    const QRect contents = groupBoxRect(option, QStyle::SC_GroupBoxContents, &box);
    QCOMPARE(contents.width(), 0);
    QCOMPARE(contents.height(), 0);

    // The panel is painted over the box; nothing breaks for the rest.
    const QImage image = QuiltWidgetTest::paintImage(QSize(60, 60), [&](QPainter* painter) {
        quiltStyle()->drawComplexControl(QStyle::CC_GroupBox, &option, painter, &box);
    });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(20, 20)), BorderColor);
    QCOMPARE(colorAt(image, QPoint(10, 50)).alpha(), 0);
}

void tst_PanelElements::toolBox()
{
    QToolBox toolBox;
    toolBox.addItem(new QWidget, QIcon::fromTheme(QStringLiteral("pan-up-symbolic")), QStringLiteral("With icon"));
    toolBox.addItem(new QWidget, QStringLiteral("Text only"));
    toolBox.resize(200, 200);
    QVERIFY(QuiltWidgetTest::showAndWait(&toolBox));
    const QImage image = QuiltWidgetTest::grabImage(&toolBox);

    const QList<QAbstractButton*> buttons = toolBox.findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 2);
    for (QAbstractButton* button : buttons) {
        const QRect rect(button->mapTo(&toolBox, QPoint(0, 0)), button->size());
        // Styled by "ToolBox TabButton".
        QUILT_COMPARE_COLOR(colorAt(image, rect.topLeft() + QPoint(1, 1)), TabColor);
        const bool first = button->text() == QStringLiteral("With icon");
        QCOMPARE(QuiltWidgetTest::containsColor(image, rect, iconColor("pan-up-symbolic")), first);
        // (The tool box gives the other pages' buttons a palette of their own,
        // whose text colour wins.)
        if (first) {
            QVERIFY(QuiltWidgetTest::containsColor(image, rect, TextColor, 40));
        }
    }
}

void tst_PanelElements::toolBoxRequests()
{
    QStyleOptionToolBox option;
    option.rect = QRect(0, 0, 80, 24);
    option.state = QStyle::State_Enabled;
    option.text = QStringLiteral("Page");
    const QImage label = QuiltWidgetTest::paintImage(QSize(80, 24), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_ToolBoxTabLabel, &option, painter, nullptr);
    });
    // The label alone: text, no background.
    QCOMPARE(colorAt(label, QPoint(78, 1)).alpha(), 0);
    QVERIFY(QuiltWidgetTest::containsColor(label, option.rect, TextColor, 40));
    const auto element = cachedElement({ DrawControl, QStyle::CE_ToolBoxTabLabel, &option, nullptr, {} });
    QStringList chain;
    for (const auto& link : element->subElementChain()) {
        chain.append(link->type());
    }
    QCOMPARE(chain, QStringList({ QStringLiteral("ToolBox"), QStringLiteral("TabButton"), QStringLiteral("Text") }));

    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_ToolBoxTabContents, &option), option.rect);
    // A page with neither icon nor text has no tab to paint.
    option.text.clear();
    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_ToolBoxTabContents, &option), QRect(0, 0, 0, 0));
    const QImage empty = QuiltWidgetTest::paintImage(QSize(80, 24), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_ToolBoxTab, &option, painter, nullptr);
    });
    QCOMPARE(colorAt(empty, QPoint(40, 12)).alpha(), 0);
}

void tst_PanelElements::statusBar()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    auto* bar = new QStatusBar;
    layout->addWidget(bar);
    auto* normal = new QLabel(QStringLiteral("Normal"));
    auto* permanent = new QLabel(QStringLiteral("Permanent"));
    auto* button = new QPushButton(QStringLiteral("Button"));
    bar->addWidget(normal);
    bar->addWidget(button);
    bar->addPermanentWidget(permanent);
    window.resize(400, 100);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    const QImage image = QuiltWidgetTest::grabImage(bar);

    // Label items are framed by "StatusBar Item" below them; the button's
    // item has no border in the style and no frame.
    for (QWidget* item : { static_cast<QWidget*>(normal), static_cast<QWidget*>(permanent) }) {
        QUILT_COMPARE_COLOR(colorAt(image, item->geometry().topLeft() - QPoint(1, 1)), ItemColor);
    }
    QVERIFY(isColorOf(colorAt(image, button->geometry().topLeft() - QPoint(1, 1)), "StatusBar"));

    // The size grip of the status bar.
    auto* grip = bar->findChild<QSizeGrip*>();
    QVERIFY(grip && grip->isVisible());
    QVERIFY(isColorOf(colorAt(image, grip->geometry().center()), "SizeGrip"));
}

QUILT_WIDGET_TEST_MAIN(tst_PanelElements, styleSheet())

#include "tst_panelelements.moc"
