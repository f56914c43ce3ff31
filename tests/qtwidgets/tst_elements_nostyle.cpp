// Without a default style the elements still answer: they stay valid, paint
// text and icons in palette colours and no backgrounds of their own.

#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

#include "abstractelement.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "styleregistry.h"
#include "widgettest.h"

using namespace QuiltWidgetTest;

class tst_ElementsNoStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void buttonPaintsTextAndIcon();
    void arrowsAndSizes();
};

void tst_ElementsNoStyle::initTestCase()
{
    QVERIFY(!Quilt::StyleRegistry::instance()->defaultStyle());
}

void tst_ElementsNoStyle::buttonPaintsTextAndIcon()
{
    const QColor textColor(0xe0, 0x10, 0x30);
    QStyleOptionButton option;
    option.rect = QRect(0, 0, 100, 40);
    option.state = QStyle::State_Enabled;
    option.text = QStringLiteral("MM");
    option.icon = QIcon::fromTheme(QStringLiteral("window-close-symbolic"));
    option.iconSize = QSize(16, 16);
    option.palette.setColor(QPalette::Text, textColor);
    QFont font;
    font.setPixelSize(24);
    font.setBold(true);

    const QImage image = paintImage(option.rect.size(), [&](QPainter* painter) {
        painter->setFont(font);
        style()->drawControl(QStyle::CE_PushButton, &option, painter);
    });
    const auto element
        = ElementDispatch::cachedElement({ ElementDispatch::DrawControl, QStyle::CE_PushButton, &option, nullptr, {} });
    QVERIFY(element);
    QVERIFY(element->isValid());

    // No background; without alignments icon and text follow each other from
    // the top left corner.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(98, 38)), QColor(Qt::transparent));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(8, 8)), iconColor(QStringLiteral("window-close-symbolic")));
    QVERIFY(containsColor(image, QRect(16, 0, 84, 40), textColor, 2));
}

void tst_ElementsNoStyle::arrowsAndSizes()
{
    QStyleOption option;
    option.rect = QRect(0, 0, 16, 16);
    option.state = QStyle::State_Enabled;
    const QImage image = paintImage(QSize(16, 16), [&](QPainter* painter) {
        style()->drawPrimitive(QStyle::PE_IndicatorArrowUp, &option, painter);
    });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(8, 8)), iconColor(QStringLiteral("pan-up-symbolic")));

    QStyleOptionButton button;
    QCOMPARE(style()->sizeFromContents(QStyle::CT_PushButton, &button, QSize(50, 20)), QSize(50, 20));
    QCOMPARE(style()->pixelMetric(QStyle::PM_SmallIconSize), 0);
}

QUILT_WIDGET_TEST_MAIN(tst_ElementsNoStyle)

#include "tst_elements_nostyle.moc"
