// The window colour when the heaviest "ApplicationWindow" rule sets none: a
// lighter rule's colour is not taken, yet the palette is installed.

#include "quiltstyle.h"
#include "widgettest.h"

#include <QApplication>
#include <QTest>

using namespace QuiltWidgetTest;

namespace
{
const QColor lighterColor(0x12, 0x34, 0x56);

// Equal weights: the later rule comes first among the matches.
const QByteArray styleSheet = "ApplicationWindow { background-color: #123456; }\n"
                              "ApplicationWindow { padding: 2px; }\n";

class PaletteChanges : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            ++count;
        }
        return false;
    }
};
} // namespace

class tst_WindowColorFirstRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheFirstRuleCounts();
};

void tst_WindowColorFirstRule::onlyTheFirstRuleCounts()
{
    QVERIFY(!fuzzyColor(QApplication::palette().color(QPalette::Window), lighterColor));

    // An explicit window colour: installing a default palette drops it.
    QPalette magenta = QApplication::palette();
    magenta.setColor(QPalette::Window, Qt::magenta);
    QApplication::setPalette(magenta);

    PaletteChanges changes;
    qApp->installEventFilter(&changes);
    style()->polish(qApp);
    qApp->removeEventFilter(&changes);

    QCOMPARE(changes.count, 1);
    const QPalette palette = QApplication::palette();
    // Roles the style leaves open come from the common style's palette.
    QCOMPARE(palette.color(QPalette::Window), style()->standardPalette().color(QPalette::Window));
    QVERIFY(!fuzzyColor(palette.color(QPalette::Window), QColor(Qt::magenta)));
    QVERIFY(!fuzzyColor(palette.color(QPalette::Window), lighterColor));
}

QUILT_WIDGET_TEST_MAIN(tst_WindowColorFirstRule, styleSheet)
#include "tst_windowcolor_firstrule.moc"
