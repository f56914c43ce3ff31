// Views of many rows whose delegates give no height of their own: a view
// reads each new delegate's height right after creating it and goes on until
// its area is filled, so a delegate that measures 0 high at that moment makes
// the view create every row. Run under halcyon and under a style without
// rules (QUILT_ROWS_STYLE: "halcyon", "empty").

#include <QAbstractListModel>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include "quicktestfixture.h"

namespace
{
// Rows that cost nothing until a view asks for them: the table and tree
// views need an item model (the table's delegates find no names of their
// document over a plain count), and a million stored rows would cost more
// than the view.
class CountModel : public QAbstractListModel
{
public:
    explicit CountModel(int rows)
        : m_rows(rows)
    { }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Row %1").arg(index.row())) : QVariant();
    }

private:
    int m_rows;
};

// The view of `rows` rows; `created` counts the delegates it made.
const char* const s_document = R"(
import QtQuick
import QtQuick.Controls
Item {
    id: counter
    width: 200
    height: 300
    property var rows
    property int created: 0
    property Item view: view
    %1 {
        id: view
        width: 200
        height: 300
        model: counter.rows
        delegate: %2
    }
})";

// A delegate of a list view that counts itself and sets no height.
QByteArray listDelegate(const char* type)
{
    return QByteArray(type)
        + " { required property int index; text: \"Row \" + index; width: 200;"
          " Component.onCompleted: ++counter.created }";
}
} // namespace

class DelegateRowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariable("QUILT_ROWS_STYLE") == QStringLiteral("halcyon")) {
            const QString styles = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                + QStringLiteral("/quilt/styles/halcyon");
            QVERIFY(QuiltQuickTest::copyFolder(
                qEnvironmentVariable("QUILT_TEST_SHIPPED_STYLES") + QStringLiteral("/halcyon"), styles));
        }
    }

    void onlyVisibleRowsCreated_data()
    {
        QTest::addColumn<QByteArray>("view");
        QTest::addColumn<QByteArray>("delegate");
        QTest::addColumn<bool>("itemModel");
        for (const char* type :
             { "ItemDelegate", "CheckDelegate", "RadioDelegate", "SwitchDelegate", "SwipeDelegate", "Button" }) {
            QTest::newRow(type) << QByteArray("ListView") << listDelegate(type) << false;
        }
        QTest::newRow("TableViewDelegate")
            << QByteArray("TableView") << QByteArray("TableViewDelegate { Component.onCompleted: ++counter.created }")
            << true;
        QTest::newRow("TreeViewDelegate")
            << QByteArray("TreeView") << QByteArray("TreeViewDelegate { Component.onCompleted: ++counter.created }")
            << true;
    }

    void onlyVisibleRowsCreated()
    {
        QFETCH(QByteArray, view);
        QFETCH(QByteArray, delegate);
        QFETCH(bool, itemModel);
        const QByteArray document
            = QString::fromLatin1(s_document).arg(QString::fromLatin1(view), QString::fromLatin1(delegate)).toUtf8();
        // A few thousand rows first: where every row is made, this still
        // ends, and the million is not tried.
        for (const int rows : { 2000, 1000000 }) {
            // The view goes before its window: a view that loses its size
            // would make rows while it goes.
            QQuickWindow window;
            window.resize(200, 300);
            QQmlEngine engine;
            QQmlComponent component(&engine);
            component.setData(document, QUrl());
            CountModel model(rows);
            const QVariant rowsValue = itemModel ? QVariant::fromValue<QObject*>(&model) : QVariant(rows);
            std::unique_ptr<QObject> object(
                component.createWithInitialProperties({ { QStringLiteral("rows"), rowsValue } }));
            QVERIFY2(object, qPrintable(component.errorString()));
            auto* root = qobject_cast<QQuickItem*>(object.get());
            QVERIFY(root);
            QVERIFY2(root->property("created").toInt() < 100,
                     qPrintable(QStringLiteral("%1 of %2 rows created before shown")
                                    .arg(root->property("created").toInt())
                                    .arg(rows)));

            // Once shown and laid out, the rows keep a height and the view
            // still holds only what it shows.
            root->setParentItem(window.contentItem());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(QQuickTest::qWaitForPolish(&window));
            const int created = root->property("created").toInt();
            QVERIFY2(created > 0 && created < 100,
                     qPrintable(QStringLiteral("%1 of %2 rows created once shown").arg(created).arg(rows)));
            auto* viewItem = root->property("view").value<QQuickItem*>();
            QVERIFY(viewItem);
            QQuickItem* first = nullptr;
            if (view == "ListView") {
                QMetaObject::invokeMethod(viewItem, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, first), Q_ARG(int, 0));
            } else {
                QMetaObject::invokeMethod(viewItem, "itemAtCell", Q_RETURN_ARG(QQuickItem*, first),
                                          Q_ARG(QPoint, QPoint(0, 0)));
            }
            QVERIFY(first);
            QVERIFY(first->height() > 0);
        }
    }
};

QUILT_QUICK_TEST_MAIN(DelegateRowsTest, "")

#include "tst_delegaterows.moc"
