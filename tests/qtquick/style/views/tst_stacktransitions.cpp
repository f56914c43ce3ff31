// The stack view's six transitions: their animations, from and to values,
// mirrored or not, and their duration. QML cannot list a transition's
// animations, so the test reads them as the transition's children.

#include <QEasingCurve>
#include <QGuiApplication>
#include <qqml.h>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QTest>

#include "quicktestfixture.h"

class StackTransitionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transitions_data()
    {
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<QByteArray>("transition");
        QTest::addColumn<double>("xFrom");
        QTest::addColumn<double>("xTo");
        QTest::addColumn<double>("opacityFrom");
        QTest::addColumn<double>("opacityTo");
        // x in units of the view's width.
        for (const bool mirrored : { false, true }) {
            const double d = mirrored ? -0.5 : 0.5;
            const auto row
                = [mirrored](const char* name, double xFrom, double xTo, double opacityFrom, double opacityTo) {
                      QTest::addRow("%s%s", name, mirrored ? " mirrored" : "")
                          << mirrored << QByteArray(name) << xFrom << xTo << opacityFrom << opacityTo;
                  };
            row("pushEnter", d, 0.0, 0.0, 1.0);
            row("pushExit", 0.0, -d, 1.0, 0.0);
            row("popEnter", -d, 0.0, 0.0, 1.0);
            row("popExit", 0.0, d, 1.0, 0.0);
            row("replaceEnter", d, 0.0, 0.0, 1.0);
            row("replaceExit", 0.0, -d, 1.0, 0.0);
        }
    }

    void transitions()
    {
        QFETCH(bool, mirrored);
        QFETCH(QByteArray, transition);
        QFETCH(double, xFrom);
        QFETCH(double, xTo);
        QFETCH(double, opacityFrom);
        QFETCH(double, opacityTo);

        QQmlEngine engine;
        const auto view = QuiltQuickTest::createObject(
            &engine,
            "import org.vyr.quilt\nStackView { width: 200; height: 100; LayoutMirroring.enabled: "
                + QByteArray(mirrored ? "true" : "false") + " }\n");
        QVERIFY(view);
        auto* object = view->property(transition.constData()).value<QObject*>();
        QVERIFY(object);
        // A transition makes its animations when it first runs.
        qmlExecuteDeferred(object);
        const QQmlListReference list(object, "animations");
        QCOMPARE(list.count(), 2);
        const QList<QObject*> animations { list.at(0), list.at(1) };
        const auto check = [](QObject* animation, const char* property, double from, double to) {
            QCOMPARE(animation->property("property").toString(), QString::fromLatin1(property));
            QCOMPARE(animation->property("from").toDouble(), from);
            QCOMPARE(animation->property("to").toDouble(), to);
            QCOMPARE(animation->property("duration").toInt(), 400);
            QCOMPARE(animation->property("easing").value<QEasingCurve>().type(), QEasingCurve::OutCubic);
        };
        check(animations.at(0), "x", xFrom * 200, xTo * 200);
        check(animations.at(1), "opacity", opacityFrom, opacityTo);
        // The values follow the width and the duration the speed.
        view->setProperty("width", 300);
        QuiltQuickTest::setAnimationSpeedMultiplier(0.5);
        QCOMPARE(animations.at(0)->property("from").toDouble(), xFrom * 300);
        QCOMPARE(animations.at(0)->property("to").toDouble(), xTo * 300);
        QCOMPARE(animations.at(1)->property("duration").toInt(), 200);
        QuiltQuickTest::setAnimationSpeedMultiplier(1);
    }
};

QUILT_QUICK_TEST_MAIN(StackTransitionsTest, "/* No rule. */")

#include "tst_stacktransitions.moc"
