#include <frameworkhints.h>
#include <itemtheme.h>

#include <QSignalSpy>
#include <QTest>

using namespace Sashiko::Platform;

namespace
{
// A theme that records the events it receives and can set its colours.
class RecordingTheme : public ItemTheme
{
public:
    using ItemTheme::setFrameContrast;
    using ItemTheme::setTextColor;

    bool event(QEvent* event) override
    {
        const auto type = event->type();
        if (type == ThemeDataChangedEvent::s_type) {
            log.append("data");
        } else if (type == ColorChangedEvent::s_type) {
            log.append("color");
        } else if (type == ColorSetChangedEvent::s_type) {
            log.append("set");
        } else if (type == ColorGroupChangedEvent::s_type) {
            log.append("group");
        } else if (type == NumberChangedEvent::s_type) {
            log.append("number");
        }
        return ItemTheme::event(event);
    }

    QStringList log;
};

class RecordingHints : public FrameworkHints
{
public:
    using FrameworkHints::FrameworkHints;
    void hintChanged(int index) override { changed.append(index); }
    QList<int> changed;
};
} // namespace

class TestSashikoPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notifiesRealChangesOnly()
    {
        RecordingTheme theme;
        theme.setColorSet(ItemTheme::Window);
        theme.setColorGroup(ItemTheme::Active);
        theme.setInherit(true);
        theme.setTextColor(QColor());
        QCOMPARE(theme.log, QStringList());

        theme.setColorSet(ItemTheme::View);
        theme.setColorGroup(ItemTheme::Inactive);
        theme.setInherit(false);
        theme.setTextColor(Qt::red);
        theme.setTextColor(Qt::red);
        theme.setFrameContrast(0.5);
        QCOMPARE(theme.log, QStringList({ "set", "group", "data", "color", "number" }));
        QCOMPARE(theme.textColor(), QColor(Qt::red));
        QCOMPARE(theme.frameContrast(), 0.5);
    }

    void batchesDeliverOnceAtTheEnd()
    {
        RecordingTheme theme;
        QSignalSpy changed(&theme, &ItemTheme::changed);
        {
            ThemeChangeBatch outer(&theme);
            {
                ThemeChangeBatch inner(&theme, ItemTheme::DataChange);
                theme.setTextColor(Qt::red);
                theme.setTextColor(Qt::blue);
            }
            theme.setFrameContrast(0.25);
            QCOMPARE(theme.log, QStringList());
        }
        QCOMPARE(theme.log, QStringList({ "data", "color", "number" }));
        QCOMPARE(changed.size(), 1);

        // A batch without changes delivers nothing.
        {
            ThemeChangeBatch empty(&theme);
        }
        QCOMPARE(changed.size(), 1);
    }

    void enumerationKeys()
    {
        const QMetaObject& meta = ItemTheme::staticMetaObject;
        const QMetaEnum groups = meta.enumerator(meta.indexOfEnumerator("ColorGroup"));
        const QMetaEnum sets = meta.enumerator(meta.indexOfEnumerator("ColorSet"));
        QCOMPARE(groups.keyCount(), 3);
        QCOMPARE(sets.keyCount(), 7);
        QCOMPARE(QByteArray(sets.valueToKey(ItemTheme::Complementary)), QByteArray("Complementary"));
    }

    void hintsThroughTheMaker()
    {
        QObject object;
        QObject* madeFor = nullptr;
        FrameworkHints::setMakeStyleHintsFunction([&](QObject* o) {
            madeFor = o;
            return new RecordingHints(o);
        });
        auto* hints = static_cast<RecordingHints*>(FrameworkHints::hintsFor(&object));
        QCOMPARE(madeFor, &object);
        QCOMPARE(hints->parent(), &object);
        QCOMPARE(FrameworkHints::hintsFor(&object), hints);

        hints->setTickMarkStepSize(5);
        hints->setTickMarkStepSize(5);
        hints->setIconSource(QUrl("file:///icon.png"));
        hints->setUseAlternateBackgroundColor(true);
        QCOMPARE(hints->changed,
                 QList<int>({ FrameworkHints::TickMarkStepSize, FrameworkHints::IconSource,
                              FrameworkHints::UseAlternateBackgroundColor }));
        FrameworkHints::setMakeStyleHintsFunction({});

        QObject other;
        QVERIFY(FrameworkHints::hintsFor(&other));
        QVERIFY(!FrameworkHints::hintsFor(nullptr));
    }
};

QTEST_GUILESS_MAIN(TestSashikoPlatform)
#include "tst_sashikoplatform.moc"
