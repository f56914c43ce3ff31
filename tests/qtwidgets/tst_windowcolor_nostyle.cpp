// Without a default style (no package of its name, no fallback style) the
// style leaves the application palette alone and still serves its widgets.

#include "platformplugin.h"
#include "quiltstyle.h"
#include "styleregistry.h"
#include "widgettest.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace QuiltWidgetTest;

namespace
{
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

class tst_WindowColorNoStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void paletteUntouched();
    void widgetsStillPolished();
};

void tst_WindowColorNoStyle::initTestCase()
{
    QVERIFY(!Quilt::StyleRegistry::instance()->defaultStyle());
}

void tst_WindowColorNoStyle::paletteUntouched()
{
    QPalette magenta = QApplication::palette();
    magenta.setColor(QPalette::Window, Qt::magenta);
    QApplication::setPalette(magenta);

    PaletteChanges changes;
    qApp->installEventFilter(&changes);
    style()->polish(qApp);
    qApp->removeEventFilter(&changes);

    QCOMPARE(changes.count, 0);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(Qt::magenta));
}

void tst_WindowColorNoStyle::widgetsStillPolished()
{
    QGroupBox box;
    auto* button = new QPushButton(&box);
    style()->polish(button);
    QCOMPARE(button->property(MemberListProperty).toStringList(), QStringList({ "GroupBox", "Button" }));
    QCOMPARE(style()->resolveIcon(nullptr, QStringLiteral("pan-up-symbolic")).isNull(), false);
}

QUILT_WIDGET_TEST_MAIN(tst_WindowColorNoStyle, std::nullopt)
#include "tst_windowcolor_nostyle.moc"
