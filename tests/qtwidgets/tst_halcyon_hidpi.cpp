// halcyon on a screen of two device pixels per logical pixel: icons come
// from their large pixmaps and reused backgrounds are rendered at the
// device's resolution, not scaled up from a small image.

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

#include "paintcounters.h"
#include "quiltstyle.h"
#include "testfixture.h"
#include "widgettest.h"

namespace
{
QPixmap solid(int side, const QColor& color)
{
    QPixmap pixmap(side, side);
    pixmap.fill(color);
    return pixmap;
}

QImage grab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class tst_HalcyonHidpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void iconFromTheLargePixmap()
    {
        const QColor small(0xd0, 0x20, 0x20);
        const QColor large(0x20, 0xa0, 0x40);
        QIcon icon;
        icon.addPixmap(solid(16, small));
        icon.addPixmap(solid(32, large));
        QPushButton button(icon, QStringLiteral("Icon"));
        button.setIconSize(QSize(16, 16));
        QVERIFY(QuiltWidgetTest::showAndWait(&button));
        const QImage image = grab(&button);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QVERIFY(QuiltWidgetTest::containsColor(image, image.rect(), large));
        QVERIFY(!QuiltWidgetTest::containsColor(image, image.rect(), small));
    }

    // The second paint of a check box's indicator (border, fill and the check
    // mark image) comes from the background cache with the same pixels, and
    // its one-pixel border covers two device pixels.
    void cachedBackgroundAtDeviceResolution()
    {
        QCheckBox box(QStringLiteral("Checked"));
        box.setChecked(true);
        QVERIFY(QuiltWidgetTest::showAndWait(&box));
        const QImage first = grab(&box);
        const quint64 hits = paintCounters().backgroundCacheHits;
        const QImage second = grab(&box);
        QVERIFY(paintCounters().backgroundCacheHits > hits);
        QCOMPARE(second, first);

        QStyleOptionButton option;
        option.initFrom(&box);
        const QRect indicator = box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
        QVERIFY(!indicator.isEmpty());
        // Along the indicator's middle row, from its left edge inwards: the
        // border (two device pixels of the border colour), then the fill.
        const int y = (indicator.top() + indicator.height() / 2) * 2;
        const int x = indicator.left() * 2;
        const QColor border(QStringLiteral("#2980b9"));
        const QColor fill(QStringLiteral("#3daee9"));
        QVERIFY2(QuiltWidgetTest::fuzzyColor(second.pixelColor(x, y), border),
                 qPrintable(QuiltWidgetTest::describe(second.pixelColor(x, y))));
        QVERIFY2(QuiltWidgetTest::fuzzyColor(second.pixelColor(x + 1, y), border),
                 qPrintable(QuiltWidgetTest::describe(second.pixelColor(x + 1, y))));
        QVERIFY2(QuiltWidgetTest::fuzzyColor(second.pixelColor(x + 2, y), fill),
                 qPrintable(QuiltWidgetTest::describe(second.pixelColor(x + 2, y))));
    }
};

int main(int argc, char** argv)
{
    QuiltTest::TemporaryXdg xdg;
    qputenv("QUILT_STYLE_NAME", "halcyon");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    QApplication::setStyle(new QuiltStyle);
    tst_HalcyonHidpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_halcyon_hidpi.moc"
