// The element conversion functions: text flags, elide modes, element types,
// option texts and icon sizes, content rectangles and frame hints.

#include "alignmentpropertygroup.h"
#include "conversions.h"
#include "layoutpropertygroup.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"
#include "widgettest.h"

#include <QStyleOption>
#include <QTest>

#include <functional>
#include <memory>

using namespace QuiltWidgetTest;
using namespace Quilt::Properties;

using OptionFactory = std::function<std::shared_ptr<QStyleOption>()>;
Q_DECLARE_METATYPE(OptionFactory)

namespace
{
// Layout alignment and text wrapping as a test row gives them; -1 is unset.
struct TextSetup
{
    bool layoutGroup = true;
    int horizontal = -1;
    int vertical = -1;
    int wrapMode = -1;
    // The text group's own alignment, which textFlags() does not read.
    int textHorizontal = -1;
};

std::unique_ptr<StylePropertyGroup> textProperties(const TextSetup& setup)
{
    auto properties = std::make_unique<StylePropertyGroup>();
    if (setup.layoutGroup) {
        auto alignment = std::make_unique<AlignmentPropertyGroup>();
        if (setup.horizontal >= 0) {
            alignment->setHorizontal(Alignment(setup.horizontal));
        }
        if (setup.vertical >= 0) {
            alignment->setVertical(Alignment(setup.vertical));
        }
        auto layout = std::make_unique<LayoutPropertyGroup>();
        layout->setAlignment(std::move(alignment));
        properties->setLayout(std::move(layout));
    }
    auto text = std::make_unique<TextPropertyGroup>();
    if (setup.wrapMode >= 0) {
        text->setWrapMode(TextWrapMode(setup.wrapMode));
    }
    if (setup.textHorizontal >= 0) {
        auto alignment = std::make_unique<AlignmentPropertyGroup>();
        alignment->setHorizontal(Alignment(setup.textHorizontal));
        text->setAlignment(std::move(alignment));
    }
    properties->setText(std::move(text));
    return properties;
}

template<typename T> OptionFactory option(std::function<void(T&)> setUp = {})
{
    return [setUp] {
        auto result = std::make_shared<T>();
        if (setUp) {
            setUp(*result);
        }
        return std::shared_ptr<QStyleOption>(result);
    };
}

QIcon someIcon()
{
    QPixmap pixmap(4, 4);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}
} // namespace

class tst_Conversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textFlags_data();
    void textFlags();
    void elideMode_data();
    void elideMode();
    void defaultElementType_data();
    void defaultElementType();
    void optionText_data();
    void optionText();
    void optionIconSize_data();
    void optionIconSize();
    void contentRect_data();
    void contentRect();
    void centeredRect_data();
    void centeredRect();
    void frameHints_data();
    void frameHints();
};

void tst_Conversions::textFlags_data()
{
    QTest::addColumn<bool>("nullProperties");
    QTest::addColumn<bool>("layoutGroup");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<int>("wrapMode");
    QTest::addColumn<int>("textHorizontal");
    QTest::addColumn<int>("expected");

    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    auto row = [](const char* name, TextSetup setup, int expected, bool null = false) {
        QTest::newRow(name) << null << setup.layoutGroup << setup.horizontal << setup.vertical << setup.wrapMode
                            << setup.textHorizontal << expected;
    };
    row("null properties", {}, left, true);
    row("no layout group", { false }, left);
    row("nothing set", {}, left);
    row("unspecified", { true, int(Alignment::Unspecified) }, left);
    row("start", { true, int(Alignment::Start) }, left);
    row("center", { true, int(Alignment::Center) }, Qt::AlignHCenter | Qt::AlignVCenter);
    row("end", { true, int(Alignment::End) }, Qt::AlignRight | Qt::AlignVCenter);
    row("fill", { true, int(Alignment::Fill) }, Qt::AlignJustify | Qt::AlignVCenter);
    row("stack center", { true, int(Alignment::StackCenter) }, Qt::AlignJustify | Qt::AlignVCenter);
    row("stack fill", { true, int(Alignment::StackFill) }, Qt::AlignJustify | Qt::AlignVCenter);
    row("out of range", { true, 42 }, Qt::AlignHCenter | Qt::AlignVCenter);
    // Vertical centring is added whatever the vertical alignment says.
    row("top", { true, -1, int(Alignment::Start) }, Qt::AlignLeft | Qt::AlignTop | Qt::AlignVCenter);
    row("bottom", { true, -1, int(Alignment::End) }, Qt::AlignLeft | Qt::AlignBottom | Qt::AlignVCenter);
    row("vertical fill", { true, -1, int(Alignment::Fill) }, left);
    row("word wrap", { true, -1, -1, int(TextWrapMode::WordWrap) }, left | Qt::TextWordWrap);
    row("word boundary or anywhere", { true, -1, -1, int(TextWrapMode::WrapAtWordBoundaryOrAnywhere) },
        left | Qt::TextWordWrap);
    row("wrap anywhere", { true, -1, -1, int(TextWrapMode::WrapAnywhere) }, left | Qt::TextWrapAnywhere);
    row("manual wrap", { true, -1, -1, int(TextWrapMode::ManualWrap) }, left);
    row("no wrap", { true, -1, -1, int(TextWrapMode::NoWrap) }, left);
    row("text group alignment ignored", { true, -1, -1, -1, int(Alignment::End) }, left);
    row("all together", { true, int(Alignment::End), int(Alignment::End), int(TextWrapMode::WordWrap) },
        Qt::AlignRight | Qt::AlignBottom | Qt::AlignVCenter | Qt::TextWordWrap);
}

void tst_Conversions::textFlags()
{
    QFETCH(bool, nullProperties);
    QFETCH(bool, layoutGroup);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(int, wrapMode);
    QFETCH(int, textHorizontal);
    QFETCH(int, expected);

    const auto properties = textProperties({ layoutGroup, horizontal, vertical, wrapMode, textHorizontal });
    QCOMPARE(::textFlags(nullProperties ? nullptr : properties.get()), expected);
}

void tst_Conversions::elideMode_data()
{
    QTest::addColumn<int>("elide");
    QTest::addColumn<Qt::TextElideMode>("expected");
    QTest::newRow("none") << int(TextElide::None) << Qt::ElideNone;
    QTest::newRow("left") << int(TextElide::Left) << Qt::ElideLeft;
    QTest::newRow("middle") << int(TextElide::Middle) << Qt::ElideMiddle;
    QTest::newRow("right") << int(TextElide::Right) << Qt::ElideRight;
    QTest::newRow("unknown") << 17 << Qt::ElideNone;
}

void tst_Conversions::elideMode()
{
    QFETCH(int, elide);
    QFETCH(Qt::TextElideMode, expected);
    QCOMPARE(::elideMode(TextElide(elide)), expected);
}

void tst_Conversions::defaultElementType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");

    const std::pair<int, const char*> types[] = {
        { QStyleOption::SO_Default, "Widget" },
        { QStyleOption::SO_FocusRect, "FocusFrame" },
        { QStyleOption::SO_Button, "Button" },
        { QStyleOption::SO_Tab, "TabButton" },
        { QStyleOption::SO_MenuItem, "MenuItem" },
        { QStyleOption::SO_Frame, "Frame" },
        { QStyleOption::SO_ProgressBar, "ProgressBar" },
        { QStyleOption::SO_ToolBox, "ToolBox" },
        { QStyleOption::SO_Header, "HeaderViewDelegate" },
        { QStyleOption::SO_DockWidget, "DockWidget" },
        { QStyleOption::SO_ViewItem, "ItemViewItem" },
        { QStyleOption::SO_TabWidgetFrame, "Frame" },
        { QStyleOption::SO_TabBarBase, "TabBar" },
        { QStyleOption::SO_RubberBand, "RubberBand" },
        { QStyleOption::SO_ToolBar, "ToolBar" },
        { QStyleOption::SO_GraphicsItem, "GraphicsItem" },
        { QStyleOption::SO_Slider, "Slider" },
        { QStyleOption::SO_SpinBox, "SpinBox" },
        { QStyleOption::SO_ToolButton, "ToolButton" },
        { QStyleOption::SO_ComboBox, "ComboBox" },
        { QStyleOption::SO_TitleBar, "TitleBar" },
        { QStyleOption::SO_GroupBox, "GroupBox" },
        { QStyleOption::SO_SizeGrip, "SizeGrip" },
        { QStyleOption::SO_Complex, "Widget" },
        { QStyleOption::SO_CustomBase + 3, "Widget" },
        { QStyleOption::SO_ComplexCustomBase + 3, "Widget" },
    };
    for (const auto& [type, expected] : types) {
        QTest::addRow("%d", type) << type << QString::fromLatin1(expected);
    }
    QTest::newRow("null option") << -1 << QStringLiteral("Widget");
}

void tst_Conversions::defaultElementType()
{
    QFETCH(int, type);
    QFETCH(QString, expected);

    // Only the option's type code is read.
    QStyleOption option;
    option.type = type;
    QCOMPARE(::defaultElementType(type < 0 ? nullptr : &option), expected);
}

void tst_Conversions::optionText_data()
{
    QTest::addColumn<OptionFactory>("option");
    QTest::addColumn<QString>("expected");

    const QString text = QStringLiteral("Label");
    QTest::newRow("button") << option<QStyleOptionButton>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("tab") << option<QStyleOptionTab>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("menu item") << option<QStyleOptionMenuItem>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("progress bar") << option<QStyleOptionProgressBar>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("tool box") << option<QStyleOptionToolBox>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("header") << option<QStyleOptionHeader>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("dock widget") << option<QStyleOptionDockWidget>([=](auto& o) { o.title = text; }) << text;
    QTest::newRow("view item") << option<QStyleOptionViewItem>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("tool button") << option<QStyleOptionToolButton>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("combo box") << option<QStyleOptionComboBox>([=](auto& o) { o.currentText = text; }) << text;
    QTest::newRow("group box") << option<QStyleOptionGroupBox>([=](auto& o) { o.text = text; }) << text;
    QTest::newRow("title bar") << option<QStyleOptionTitleBar>([=](auto& o) { o.text = text; }) << QString();
    QTest::newRow("plain") << option<QStyleOption>() << QString();
    QTest::newRow("version 0") << option<QStyleOptionButton>([=](auto& o) {
        o.text = text;
        o.version = 0;
    }) << QString();
}

void tst_Conversions::optionText()
{
    QFETCH(OptionFactory, option);
    QFETCH(QString, expected);
    QCOMPARE(::optionText(option().get()), expected);
    QCOMPARE(::optionText(nullptr), QString());
}

void tst_Conversions::optionIconSize_data()
{
    QTest::addColumn<OptionFactory>("option");
    QTest::addColumn<QSizeF>("expected");

    const QSize size(20, 18);
    const QSizeF none(-1, -1);
    QTest::newRow("button") << option<QStyleOptionButton>([=](auto& o) { o.iconSize = size; }) << QSizeF(size);
    QTest::newRow("tab") << option<QStyleOptionTab>([=](auto& o) { o.iconSize = size; }) << QSizeF(size);
    QTest::newRow("tool button") << option<QStyleOptionToolButton>([=](auto& o) { o.iconSize = size; }) << QSizeF(size);
    QTest::newRow("combo box") << option<QStyleOptionComboBox>([=](auto& o) { o.iconSize = size; }) << QSizeF(size);
    QTest::newRow("menu item") << option<QStyleOptionMenuItem>([=](auto& o) { o.maxIconWidth = 22; }) << QSizeF(22, 22);
    QTest::newRow("view item with icon") << option<QStyleOptionViewItem>([=](auto& o) {
        o.icon = someIcon();
        o.decorationSize = size;
    }) << QSizeF(size);
    // The decoration size alone does not count.
    QTest::newRow("view item without icon")
        << option<QStyleOptionViewItem>([=](auto& o) { o.decorationSize = size; }) << none;
    QTest::newRow("frame") << option<QStyleOptionFrame>() << none;
    QTest::newRow("version 0") << option<QStyleOptionButton>([=](auto& o) {
        o.iconSize = size;
        o.version = 0;
    }) << none;
}

void tst_Conversions::optionIconSize()
{
    QFETCH(OptionFactory, option);
    QFETCH(QSizeF, expected);
    QCOMPARE(::optionIconSize(option().get()), expected);
}

void tst_Conversions::contentRect_data()
{
    QTest::addColumn<bool>("withOption");
    QTest::addColumn<bool>("withProperties");
    QTest::addColumn<bool>("withInset");
    QTest::addColumn<QRectF>("expected");

    QTest::newRow("inset") << true << true << true << QRectF(2, 1, 95, 29);
    QTest::newRow("no inset") << true << true << false << QRectF(0, 0, 100, 30);
    QTest::newRow("no properties") << true << false << false << QRectF(0, 0, 100, 30);
    QTest::newRow("no option") << false << true << true << QRectF(0, 0, 0, 0);
}

void tst_Conversions::contentRect()
{
    QFETCH(bool, withOption);
    QFETCH(bool, withProperties);
    QFETCH(bool, withInset);
    QFETCH(QRectF, expected);

    QStyleOption option;
    option.rect = QRect(0, 0, 100, 30);
    StylePropertyGroup properties;
    auto layout = std::make_unique<LayoutPropertyGroup>();
    if (withInset) {
        auto inset = std::make_unique<SizePropertyGroup>();
        inset->setLeft(2);
        inset->setRight(3);
        inset->setTop(1);
        inset->setBottom(0);
        layout->setInset(std::move(inset));
    }
    properties.setLayout(std::move(layout));

    QCOMPARE(::contentRect(withOption ? &option : nullptr, withProperties ? &properties : nullptr), expected);
}

void tst_Conversions::centeredRect_data()
{
    QTest::addColumn<QRectF>("container");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QRectF>("expected");

    QTest::newRow("smaller") << QRectF(0, 0, 100, 30) << 20.0 << 10.0 << QRectF(40, 10, 20, 10);
    QTest::newRow("offset container") << QRectF(10, 20, 30, 40) << 10.0 << 10.0 << QRectF(20, 35, 10, 10);
    QTest::newRow("larger") << QRectF(0, 0, 10, 10) << 20.0 << 16.0 << QRectF(-5, -3, 20, 16);
    QTest::newRow("not rounded") << QRectF(0, 0, 5, 5) << 2.0 << 2.0 << QRectF(1.5, 1.5, 2, 2);
    QTest::newRow("empty container") << QRectF(6, 6, 0, 0) << 12.0 << 12.0 << QRectF(0, 0, 12, 12);
}

void tst_Conversions::centeredRect()
{
    QFETCH(QRectF, container);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QRectF, expected);
    QCOMPARE(::centeredRect(container, width, height), expected);
}

void tst_Conversions::frameHints_data()
{
    QTest::addColumn<int>("features");
    QTest::addColumn<QVariant>("sides");
    QTest::addColumn<bool>("styleObject");
    QTest::addColumn<QStringList>("expected");

    const int both = QStyleOptionFrame::Flat | QStyleOptionFrame::Rounded;
    const Qt::Edges topLeft = Qt::TopEdge | Qt::LeftEdge;
    QTest::newRow("features and edges") << both << QVariant::fromValue(topLeft) << true
                                        << QStringList { "flat", "rounded", "left-edge", "top-edge" };
    QTest::newRow("edges as an integer") << 0 << QVariant(int(Qt::BottomEdge | Qt::RightEdge)) << true
                                         << QStringList { "right-edge", "bottom-edge" };
    QTest::newRow("all edges") << int(QStyleOptionFrame::Rounded)
                               << QVariant::fromValue(
                                      Qt::Edges(Qt::BottomEdge | Qt::TopEdge | Qt::RightEdge | Qt::LeftEdge))
                               << true
                               << QStringList { "rounded", "left-edge", "right-edge", "top-edge", "bottom-edge" };
    QTest::newRow("no property") << int(QStyleOptionFrame::Flat) << QVariant() << true << QStringList { "flat" };
    QTest::newRow("no style object") << both << QVariant::fromValue(topLeft) << false
                                     << QStringList { "flat", "rounded" };
    QTest::newRow("nothing") << 0 << QVariant() << false << QStringList();
}

void tst_Conversions::frameHints()
{
    QFETCH(int, features);
    QFETCH(QVariant, sides);
    QFETCH(bool, styleObject);
    QFETCH(QStringList, expected);

    QObject object;
    if (sides.isValid()) {
        object.setProperty("_halcyon_borders_sides", sides);
    }
    QStyleOptionFrame option;
    option.features = QStyleOptionFrame::FrameFeatures(features);
    option.styleObject = styleObject ? &object : nullptr;
    QCOMPARE(::frameHints(&option), expected);
    QCOMPARE(::frameHints(nullptr), QStringList());
}

QUILT_WIDGET_TEST_MAIN(tst_Conversions, standardStyleSheet())
#include "tst_conversions.moc"
