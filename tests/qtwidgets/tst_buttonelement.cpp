#include <QMenu>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

#include "abstractelement.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;

namespace
{
const QColor BorderColor(0xc0, 0x20, 0x80);
const QColor HoverBorderColor(0x20, 0xc0, 0xb0);
const QColor PressedBorderColor(0x90, 0x50, 0xf0);
const QColor TextColor(0xf0, 0xb0, 0x10);
const QColor HoverTextColor(0x10, 0xa0, 0xf0);
const QColor PressedTextColor(0xf0, 0x50, 0x90);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
Button {
    inset: 2px;
    padding: 5px 10px;
    spacing: 4px;
    border: 3px solid #c02080;
    color: #f0b010;
    font-size: 20px;
    font-weight: bold;
    text-alignment-horizontal: center;
    text-alignment-vertical: center;
    icon-size: 16px;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
}
Button:hover { border-color: #20c0b0; color: #10a0f0; }
Button:pressed { border-color: #9050f0; color: #f05090; }
Button.flat { background: none; border: none; }
SmallIconSize { width: 16px; height: 16px; }
Button Indicator {
    width: 16px;
    height: 16px;
    layout-alignment-horizontal: end;
    layout-alignment-vertical: center;
    icon-name: pan-down-symbolic;
    font-size: 20px;
    font-weight: bold;
    text-alignment-horizontal: center;
    text-alignment-vertical: center;
}
)";
}

const QSize ButtonSize(140, 50);
// Inside the inset, on the left border.
const QPoint BorderPoint(3, 25);
// Above the text, below the border.
const QPoint FacePoint(70, 6);

struct Shot
{
    QImage image;
    QColor face;
    QColor border;
};

Shot shoot(QPushButton* button)
{
    const QImage image = QuiltWidgetTest::grabImage(button);
    return { image, colorAt(image, FacePoint), colorAt(image, BorderPoint) };
}

QRect textArea()
{
    return QRect(20, 12, 100, 26);
}
} // namespace

// Push buttons drawn and measured from the fixture style.
class tst_ButtonElement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plain();
    void defaultAndFlat();
    void withMenu();
    void iconAndText();
    void hoverAndPress();
    void secondPaintMakesNoElements();
    void sizes();
    void rectsAndMetrics();
};

void tst_ButtonElement::plain()
{
    QPushButton button(QStringLiteral("OK"));
    button.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&button));

    const Shot shot = shoot(&button);
    QUILT_COMPARE_COLOR(shot.face, fixtureColor("Button"));
    QUILT_COMPARE_COLOR(shot.border, BorderColor);
    QVERIFY(containsColor(shot.image, textArea(), TextColor));
    // The inset leaves the outermost pixels to the window.
    QVERIFY(!QuiltWidgetTest::fuzzyColor(colorAt(shot.image, QPoint(0, 25)), BorderColor));
}

void tst_ButtonElement::defaultAndFlat()
{
    QPushButton defaultButton(QStringLiteral("Default"));
    defaultButton.setDefault(true);
    defaultButton.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&defaultButton));
    QUILT_COMPARE_COLOR(shoot(&defaultButton).face, fixtureColor("Button:highlighted"));

    QPushButton flat(QStringLiteral("Flat"));
    flat.setFlat(true);
    flat.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&flat));
    const Shot shot = shoot(&flat);
    QVERIFY(!QuiltWidgetTest::fuzzyColor(shot.face, fixtureColor("Button")));
    QVERIFY(!QuiltWidgetTest::fuzzyColor(shot.border, BorderColor));
    QVERIFY(containsColor(shot.image, textArea(), TextColor));
}

void tst_ButtonElement::withMenu()
{
    QPushButton button(QStringLiteral("Menu"));
    QMenu menu;
    button.setMenu(&menu);
    button.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&button));

    const Shot shot = shoot(&button);
    QUILT_COMPARE_COLOR(shot.face, fixtureColor("Button"));
    // The end group: right of the padding, 16 wide and spacing 4.
    const QRect indicator(ButtonSize.width() - 2 - 10 - 20, 17, 16, 16);
    QUILT_COMPARE_COLOR(colorAt(shot.image, indicator.center()), iconColor("pan-down-symbolic"));
    QVERIFY(containsColor(shot.image, textArea(), TextColor));
}

void tst_ButtonElement::iconAndText()
{
    QPushButton button(QIcon::fromTheme(QStringLiteral("window-close-symbolic")), QStringLiteral("Close"));
    button.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&button));

    const Shot shot = shoot(&button);
    // The icon starts the content: inset 2 and padding 10 from the left.
    QUILT_COMPARE_COLOR(colorAt(shot.image, QPoint(12 + 8, 25)), iconColor("window-close-symbolic"));
    QVERIFY(containsColor(shot.image, textArea(), TextColor));
}

void tst_ButtonElement::hoverAndPress()
{
    QPushButton button(QStringLiteral("Hover"));
    button.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&button));
    QTest::mouseMove(&button, QPoint(1, 1));
    QTest::mouseMove(&button, QPoint(70, 25));
    QTRY_VERIFY(button.underMouse());

    Shot shot = shoot(&button);
    QUILT_COMPARE_COLOR(shot.face, fixtureColor("Button:hover"));
    QUILT_COMPARE_COLOR(shot.border, HoverBorderColor);
    QVERIFY(containsColor(shot.image, textArea(), HoverTextColor));
    QVERIFY(!containsColor(shot.image, textArea(), TextColor));

    QTest::mouseMove(&button, QPoint(70, 200));
    QTRY_VERIFY(!button.underMouse());
    button.setDown(true);
    shot = shoot(&button);
    QUILT_COMPARE_COLOR(shot.face, fixtureColor("Button:pressed"));
    QUILT_COMPARE_COLOR(shot.border, PressedBorderColor);
    QVERIFY(containsColor(shot.image, textArea(), PressedTextColor));
}

void tst_ButtonElement::secondPaintMakesNoElements()
{
    QPushButton button(QIcon::fromTheme(QStringLiteral("window-close-symbolic")), QStringLiteral("Twice"));
    QMenu menu;
    button.setMenu(&menu);
    button.setFixedSize(ButtonSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&button));
    QuiltWidgetTest::grabImage(&button);

    const quint64 before = AbstractElement::createdChainElements();
    QuiltWidgetTest::grabImage(&button);
    QCOMPARE(AbstractElement::createdChainElements(), before);
}

void tst_ButtonElement::sizes()
{
    QStyle* style = QuiltWidgetTest::style();
    QStyleOptionButton option;
    option.rect = QRect(QPoint(), ButtonSize);
    option.text = QStringLiteral("Size");

    // Contents plus padding, the larger of padding and inset on each side.
    QCOMPARE(style->sizeFromContents(QStyle::CT_PushButton, &option, QSize(50, 20)), QSize(70, 30));
    // A menu adds the spacing and the indicator's width, not its height.
    QStyleOptionButton menuButton = option;
    menuButton.features = QStyleOptionButton::HasMenu;
    QCOMPARE(style->sizeFromContents(QStyle::CT_PushButton, &menuButton, QSize(50, 20)), QSize(90, 30));

    QPushButton plain(QStringLiteral("Size"));
    QPushButton withMenu(QStringLiteral("Size"));
    QMenu menu;
    withMenu.setMenu(&menu);
    QStyleOptionButton menuOption;
    menuOption.initFrom(&withMenu);
    const int commonIndicator = style->pixelMetric(QStyle::PM_MenuButtonIndicator, &menuOption, &withMenu);
    QCOMPARE(withMenu.sizeHint().width() - plain.sizeHint().width(), commonIndicator + 4 + 16);
    QCOMPARE(withMenu.sizeHint().height(), plain.sizeHint().height());
    const QFontMetrics metrics(plain.font());
    QVERIFY(plain.sizeHint().width() >= metrics.horizontalAdvance(QStringLiteral("Size")) + 20);
}

void tst_ButtonElement::rectsAndMetrics()
{
    QuiltStyle* style = QuiltWidgetTest::style();
    QStyleOptionButton option;
    option.rect = QRect(QPoint(10, 10), ButtonSize);

    // Focus and bevel rectangles lose the inset; the contents rectangle is the
    // common style's.
    QCOMPARE(style->subElementRect(QStyle::SE_PushButtonFocusRect, &option), QRect(12, 12, 136, 46));
    QCOMPARE(style->subElementRect(QStyle::SE_PushButtonBevel, &option), QRect(12, 12, 136, 46));
    QCOMPARE(style->subElementRect(QStyle::SE_PushButtonContents, &option),
             style->QCommonStyle::subElementRect(QStyle::SE_PushButtonContents, &option, nullptr));

    // Mean padding (10 + 5 + 10 + 5) / 4 = 7.5, mean border 3, icon width 16;
    // Qt itself asks the icon size without an option.
    QCOMPARE(style->pixelMetric(QStyle::PM_ButtonMargin, &option), 7);
    QCOMPARE(style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option), 3);
    QCOMPARE(style->pixelMetric(QStyle::PM_ButtonIconSize, &option), 16);
}

QUILT_WIDGET_TEST_MAIN(tst_ButtonElement, styleSheet())

#include "tst_buttonelement.moc"
