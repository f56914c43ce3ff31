// Every type of the module in real use, in a window: created, shown, then
// hovered, pressed, focused, disabled and mirrored, without a single
// warning. The same program runs under the vocabulary fixture, under
// halcyon, under a style without rules and without any style
// (QUILT_WHOLE_STYLE: "fixture", "halcyon", "empty", "none").

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

#include "messagerecorder.h"
#include "quicktestfixture.h"
#include "realuse.h"
#include "styleregistry.h"

namespace
{
using QuiltQuickTest::takeMessages;

QByteArray fixtureSheet()
{
    if (qEnvironmentVariable("QUILT_WHOLE_STYLE") != QStringLiteral("fixture"))
        return QByteArrayLiteral("/* No rule. */");
    QFile file(QStringLiteral(QUILT_VOCABULARY_SHEET));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using QuiltQuickTest::copyFolder;

void collectControls(QQuickItem* item, QList<QQuickItem*>& controls)
{
    if (item->inherits("QQuickControl"))
        controls.append(item);
    for (QQuickItem* child : item->childItems())
        collectControls(child, controls);
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QTest::qWait(5);
}
} // namespace

class RealUseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariable("QUILT_WHOLE_STYLE") == QStringLiteral("halcyon")) {
            // The harness hides the installed data: bring the shipped style
            // into the test's own data home before anything looks for it.
            const QString styles = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                + QStringLiteral("/quilt/styles/halcyon");
            QVERIFY(copyFolder(qEnvironmentVariable("QUILT_TEST_SHIPPED_STYLES") + QStringLiteral("/halcyon"), styles));
        }
        // A missing default style is reported once, when first looked for:
        // that report is the registry's, not the controls'.
        Quilt::StyleRegistry::instance()->defaultStyle();
        QuiltQuickTest::startRecordingMessages();
    }

    void cleanupTestCase() { QuiltQuickTest::stopRecordingMessages(); }

    void use_data()
    {
        QTest::addColumn<QByteArray>("document");
        QSet<QString> seen;
        for (const QuiltRealUse::Use& use : QuiltRealUse::uses) {
            seen.insert(QString::fromLatin1(use.type));
            QTest::newRow(use.type) << QuiltRealUse::document(use);
        }
        QCOMPARE(seen.size(), 70);
    }

    void use()
    {
        QFETCH(QByteArray, document);
        takeMessages();
        {
            QQuickWindow window;
            window.resize(500, 400);
            QQmlEngine engine;
            QQmlComponent component(&engine);
            component.setData(document, QUrl(QStringLiteral("file:///realuse.qml")));
            std::unique_ptr<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            auto* root = qobject_cast<QQuickItem*>(object.get());
            QVERIFY(root);
            root->setParentItem(window.contentItem());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            settle();

            QList<QQuickItem*> controls;
            collectControls(root, controls);
            for (const QPointer<QQuickItem> control : controls) {
                if (!control || !control->isVisible() || control->window() != &window)
                    continue;
                const QPoint centre
                    = control->mapToScene(QPointF(control->width() / 2, control->height() / 2)).toPoint();
                QTest::mouseMove(&window, centre);
                settle();
                QTest::mousePress(&window, Qt::LeftButton, {}, centre);
                settle();
                QTest::mouseRelease(&window, Qt::LeftButton, {}, centre);
                settle();
                if (control)
                    control->forceActiveFocus(Qt::TabFocusReason);
                settle();
            }
            root->setEnabled(false);
            settle();
            root->setEnabled(true);
            root->setProperty("mirrored", true);
            settle();
        }
        const QStringList seen = takeMessages();
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join(QLatin1Char('\n'))));
    }
};

QUILT_QUICK_TEST_MAIN(RealUseTest, fixtureSheet())

#include "tst_controlsrealuse.moc"
