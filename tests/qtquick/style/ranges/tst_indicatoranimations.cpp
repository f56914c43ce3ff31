// The animations of the busy indicator and the progress bar: fixed durations,
// whatever the platform's animation speed.

#include <QDateTime>
#include <QEasingCurve>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QTest>

#include "quicktestfixture.h"

namespace
{
QObject* findAnimation(QObject* root, const char* className)
{
    const QList<QObject*> objects = root->findChildren<QObject*>();
    for (QObject* object : objects) {
        if (object->inherits(className))
            return object;
    }
    return nullptr;
}

// The two halves of the sweep, in order.
QList<QObject*> sweepParts(QObject* sweep)
{
    QList<QObject*> parts;
    QQmlListReference animations(sweep, "animations");
    for (qsizetype i = 0; i < animations.count(); ++i)
        parts.append(animations.at(i));
    return parts;
}

int phaseAt(qint64 milliseconds)
{
    return int(double(milliseconds % 2000) / 2000.0 * 360.0);
}
} // namespace

class IndicatorAnimationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QuiltQuickTest::setAnimationSpeedMultiplier(1.0); }

    void busyPhase()
    {
        QQmlEngine engine;
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        auto busy = QuiltQuickTest::createObject(&engine, "import org.vyr.quilt\nBusyIndicator {}\n");
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        QVERIFY(busy);
        QObject* animator = findAnimation(busy.get(), "QQuickRotationAnimator");
        QVERIFY(animator);

        const int start = animator->property("rotationStart").toInt();
        bool matched = false;
        for (qint64 t = before; t <= after && !matched; ++t)
            matched = phaseAt(t) == start;
        QVERIFY2(matched,
                 qPrintable(QStringLiteral("%1 not in [%2, %3]").arg(start).arg(phaseAt(before)).arg(phaseAt(after))));
        QCOMPARE(animator->property("from").toDouble(), double(start));
        QCOMPARE(animator->property("to").toDouble(), double(start + 360));
        QCOMPARE(animator->property("duration").toInt(), 2000);
        QCOMPARE(animator->property("loops").toInt(), -1);
        QVERIFY(animator->property("running").toBool());

        busy->setProperty("running", false);
        QVERIFY(!animator->property("running").toBool());
        busy->setProperty("running", true);
        QVERIFY(animator->property("running").toBool());
        QCOMPARE(animator->property("from").toDouble(), double(start));
    }

    void progressSweep()
    {
        QQmlEngine engine;
        auto bar = QuiltQuickTest::createObject(&engine, "import org.vyr.quilt\nProgressBar { width: 200 }\n");
        QVERIFY(bar);
        QObject* sweep = findAnimation(bar.get(), "QQuickSequentialAnimation");
        QVERIFY(sweep);
        QCOMPARE(sweep->property("loops").toInt(), -1);
        QVERIFY(!sweep->property("running").toBool());

        const QList<QObject*> parts = sweepParts(sweep);
        QCOMPARE(parts.size(), 2);
        const double targets[] = { 1.0, 0.0 };
        for (int i = 0; i < 2; ++i) {
            QObject* part = parts.at(i);
            QVERIFY(part->inherits("QQuickNumberAnimation"));
            QCOMPARE(part->property("to").toDouble(), targets[i]);
            QCOMPARE(part->property("duration").toInt(), 1000);
            QCOMPARE(part->property("easing").value<QEasingCurve>().type(), QEasingCurve::InOutSine);
        }

        // Runs only while indeterminate and shown.
        bar->setProperty("indeterminate", true);
        QVERIFY(sweep->property("running").toBool());
        auto* content = bar->property("contentItem").value<QQuickItem*>();
        QVERIFY(content);
        content->setVisible(false);
        QVERIFY(!sweep->property("running").toBool());
        content->setVisible(true);
        QVERIFY(sweep->property("running").toBool());
        bar->setProperty("indeterminate", false);
        QVERIFY(!sweep->property("running").toBool());
    }

    // A restarted sweep goes on from where the track stands.
    void progressRestart()
    {
        QQmlEngine engine;
        auto bar = QuiltQuickTest::createObject(&engine, "import org.vyr.quilt\nProgressBar { width: 200 }\n");
        QVERIFY(bar);
        auto* content = bar->property("contentItem").value<QQuickItem*>();
        QVERIFY(content && !content->childItems().isEmpty());
        QQuickItem* track = content->childItems().first();
        QObject* sweep = findAnimation(bar.get(), "QQuickSequentialAnimation");
        QVERIFY(sweep);

        bar->setProperty("indeterminate", true);
        bar->setProperty("indeterminate", false);
        track->setProperty("indeterminatePosition", 0.4);
        bar->setProperty("indeterminate", true);
        QVERIFY(sweep->property("running").toBool());
        QCOMPARE(track->property("indeterminatePosition").toDouble(), 0.4);
        // On its way to 1 from 0.4, never back through 0 first.
        QTRY_VERIFY(track->property("indeterminatePosition").toDouble() > 0.45);
    }

    // Neither indicator follows the platform's animation speed: both keep
    // their durations and keep running at a speed of 0.
    void animationSpeedZero()
    {
        QuiltQuickTest::setAnimationSpeedMultiplier(0.0);
        QQmlEngine engine;
        auto busy = QuiltQuickTest::createObject(&engine, "import org.vyr.quilt\nBusyIndicator {}\n");
        auto bar = QuiltQuickTest::createObject(&engine, "import org.vyr.quilt\nProgressBar { indeterminate: true }\n");
        QVERIFY(busy && bar);
        QObject* animator = findAnimation(busy.get(), "QQuickRotationAnimator");
        QObject* sweep = findAnimation(bar.get(), "QQuickSequentialAnimation");
        QVERIFY(animator && sweep);
        QCOMPARE(animator->property("duration").toInt(), 2000);
        QVERIFY(animator->property("running").toBool());
        QVERIFY(sweep->property("running").toBool());
        for (QObject* part : sweepParts(sweep))
            QCOMPARE(part->property("duration").toInt(), 1000);
    }
};

QUILT_QUICK_TEST_MAIN(IndicatorAnimationsTest, R"(
BusyIndicator { width: 24px; height: 24px; icon-name: "process-working-symbolic"; }
ProgressBar Track { background-color: #3daee9; }
)")

#include "tst_indicatoranimations.moc"
