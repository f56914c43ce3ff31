// Pictures of every control in each of its states, drawn by the style that
// ships with the project: one PNG per control and state in the build's look/
// folder, for people to look at. The test only asserts that something was
// drawn. Each family of controls adds a document look/<family>.qml whose
// root holds its controls as children (an objectName names the pictures)
// and has a property `mirrored` that lays them out right to left.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "quicktestfixture.h"

namespace
{
bool hasProperty(const QObject* object, const char* name)
{
    return object->metaObject()->indexOfProperty(name) >= 0;
}
} // namespace

class LookTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QuiltQuickTest::installShippedStyle(QStringLiteral("halcyon")));
        m_output = QDir(qEnvironmentVariable("QUILT_LOOK_DIR"));
        QVERIFY(m_output.mkpath(QStringLiteral(".")));
    }

    void family_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(QUILT_LOOK_SOURCE_DIR));
        for (const QString& file : dir.entryList({ QStringLiteral("*.qml") }, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file.chopped(4))) << dir.filePath(file);
    }

    void family()
    {
        QFETCH(QString, path);
        const QString familyName = QFileInfo(path).baseName();
        QQmlEngine engine;
        QQmlComponent component(&engine, QUrl::fromLocalFile(path));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto* root = qobject_cast<QQuickItem*>(object.get());
        QVERIFY(root);

        QQuickWindow window;
        window.setColor(Qt::white);
        window.resize(900, 700);
        root->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QList<QQuickItem*> controls = root->childItems();
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QQuickItem* control = controls.at(i);
            const QString name = control->objectName().isEmpty() ? QString::number(i) : control->objectName();
            const auto shoot = [&](const QString& state) {
                QTest::qWait(30);
                const QRectF area = control->mapRectToScene(control->boundingRect()).adjusted(-3, -3, 3, 3);
                const QImage image = window.grabWindow().copy(area.toAlignedRect());
                image.save(m_output.filePath(familyName + u'-' + name + u'-' + state + QStringLiteral(".png")));
                bool drawn = false;
                for (int y = 0; y < image.height() && !drawn; ++y) {
                    for (int x = 0; x < image.width() && !drawn; ++x)
                        drawn = image.pixel(x, y) != qRgb(255, 255, 255);
                }
                QVERIFY2(drawn, qPrintable(name + u' ' + state));
            };
            const QPoint centre = control->mapToScene(control->boundingRect().center()).toPoint();

            shoot(QStringLiteral("rest"));
            QTest::mouseMove(&window, centre);
            shoot(QStringLiteral("hover"));
            QTest::mousePress(&window, Qt::LeftButton, {}, centre);
            shoot(QStringLiteral("pressed"));
            QTest::mouseRelease(&window, Qt::LeftButton, {}, centre);
            QTest::mouseMove(&window, QPoint(window.width() - 1, window.height() - 1));
            if (hasProperty(control, "checkable") && !control->property("checkable").toBool())
                control->setProperty("checkable", true);
            if (hasProperty(control, "checked")) {
                const bool checked = control->property("checked").toBool();
                control->setProperty("checked", !checked);
                shoot(checked ? QStringLiteral("unchecked") : QStringLiteral("checked"));
                control->setProperty("checked", checked);
            }
            control->forceActiveFocus(Qt::TabFocusReason);
            shoot(QStringLiteral("focus"));
            control->setFocus(false);
            if (hasProperty(control, "highlighted")) {
                control->setProperty("highlighted", true);
                shoot(QStringLiteral("highlighted"));
                control->setProperty("highlighted", false);
            }
            control->setEnabled(false);
            shoot(QStringLiteral("disabled"));
            control->setEnabled(true);
        }
        root->setProperty("mirrored", true);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QQuickItem* control = controls.at(i);
            const QString name = control->objectName().isEmpty() ? QString::number(i) : control->objectName();
            QTest::qWait(30);
            const QRectF area = control->mapRectToScene(control->boundingRect()).adjusted(-3, -3, 3, 3);
            window.grabWindow()
                .copy(area.toAlignedRect())
                .save(m_output.filePath(familyName + u'-' + name + QStringLiteral("-rtl.png")));
        }
    }

private:
    QDir m_output;
};

QUILT_QUICK_TEST_MAIN(LookTest, "/* The look test draws with the shipped style. */")

#include "tst_look.moc"
