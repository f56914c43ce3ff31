#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "quicktestfixture.h"
#include "stylehints.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
// Records the events and signals of one StyleHints object, in order.
class Recorder : public QObject
{
public:
    explicit Recorder(StyleHints* hints)
    {
        hints->installEventFilter(this);
        connect(hints, &StyleHints::updated, this, [this] { log << "updated"; });
        connect(hints, &StyleHints::tickMarkStepSizeChanged, this, [this] { log << "tickMarkStepSizeChanged"; });
        connect(hints, &StyleHints::animationSpeedMultiplierChanged, this,
                [this] { log << "animationSpeedMultiplierChanged"; });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == StyleHintsChangedEvent::s_type) {
            log << "event";
        }
        return false;
    }
    QStringList log;
};
} // namespace

class tst_StyleHints : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void defaults();
    void setterOrder();
    void setters();
    void animationSpeed();
};

void tst_StyleHints::defaults()
{
    QObject object;
    auto* hints = attached<StyleHints>(&object, true);
    QVERIFY(hints);
    QCOMPARE(hints->parent(), &object);
    QVERIFY(!hints->useAlternatingColors());
    QVERIFY(!hints->showFramedBackground());
    QVERIFY(!hints->spellCheckEnabled());
    QCOMPARE(hints->tickMarkStepSize(), 0);
    QCOMPARE(hints->iconName(), QString());
    QCOMPARE(hints->iconSource(), QUrl());
    QCOMPARE(hints->animationSpeedMultiplier(), 1.0);
}

void tst_StyleHints::setterOrder()
{
    QObject object;
    auto* hints = attached<StyleHints>(&object, true);
    Recorder recorder(hints);
    hints->setTickMarkStepSize(0);
    QCOMPARE(recorder.log, QStringList());
    hints->setTickMarkStepSize(5);
    QCOMPARE(recorder.log, (QStringList { "event", "updated", "tickMarkStepSizeChanged" }));
}

void tst_StyleHints::setters()
{
    // Hints are per object: a child does not see its parent's.
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.StyleHints.iconName: "go-next"
    Item { objectName: "child"; property string iconName: Quilt.StyleHints.iconName }
    property int step: Quilt.StyleHints.tickMarkStepSize
})");
    QVERIFY(object);
    auto* hints = attached<StyleHints>(object.get());
    QCOMPARE(hints->iconName(), QString("go-next"));
    QCOMPARE(object->findChild<QObject*>("child")->property("iconName").toString(), QString());

    QSignalSpy updated(hints, &StyleHints::updated);
    hints->setTickMarkStepSize(3);
    QCOMPARE(object->property("step").toInt(), 3);
    hints->setUseAlternatingColors(true);
    hints->setShowFramedBackground(true);
    hints->setIconSource(QUrl("qrc:/a.svg"));
    hints->setSpellCheckEnabled(true);
    hints->setIconName("go-next");
    QCOMPARE(updated.size(), 5);
    QVERIFY(hints->useAlternatingColors());
    QVERIFY(hints->showFramedBackground());
    QVERIFY(hints->spellCheckEnabled());
    QCOMPARE(hints->iconSource(), QUrl("qrc:/a.svg"));
}

void tst_StyleHints::animationSpeed()
{
    // Attached to a plain object too, as a Transition would be.
    auto object = createObject(&m_engine, R"(
Item {
    property real speed: Quilt.StyleHints.animationSpeedMultiplier
    property QtObject other: QtObject { property real speed: Quilt.StyleHints.animationSpeedMultiplier }
})");
    QVERIFY(object);
    auto* hints = attached<StyleHints>(object.get());
    auto* other = attached<StyleHints>(object->property("other").value<QObject*>());
    QVERIFY(other);
    Recorder first(hints);
    Recorder second(other);

    QuiltQuickTest::setAnimationSpeedMultiplier(2.5);
    const QStringList expected = { "animationSpeedMultiplierChanged", "event", "updated" };
    QCOMPARE(first.log, expected);
    QCOMPARE(second.log, expected);
    QCOMPARE(hints->animationSpeedMultiplier(), 2.5);
    QCOMPARE(object->property("speed").toDouble(), 2.5);
    QCOMPARE(object->property("other").value<QObject*>()->property("speed").toDouble(), 2.5);
    QuiltQuickTest::setAnimationSpeedMultiplier(1.0);
}

QUILT_QUICK_TEST_MAIN(tst_StyleHints, QByteArray())

#include "tst_stylehints.moc"
