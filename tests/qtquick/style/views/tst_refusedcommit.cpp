// Committing a table cell's edit into a model that refuses the text: the cell
// says so once, the model keeps its value and the edit ends.

#include <QAbstractTableModel>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "messagerecorder.h"
#include "quicktestfixture.h"

namespace
{
// Editable as far as the view can tell, but every setData() fails.
class RefusingModel : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return QStringLiteral("%1%2").arg(QChar(u'A' + index.column())).arg(index.row() + 1);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex&, const QVariant&, int) override
    {
        ++attempts;
        return false;
    }

    int attempts = 0;
};

QQuickItem* editorField(QQuickItem* item)
{
    for (QQuickItem* child : item->childItems()) {
        if (child->inherits("QQuickTextField"))
            return child;
        if (QQuickItem* found = editorField(child))
            return found;
    }
    return nullptr;
}
} // namespace

class RefusedCommitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QuiltQuickTest::startRecordingMessages(); }
    void cleanupTestCase() { QuiltQuickTest::stopRecordingMessages(); }

    void refusedCommitWarns()
    {
        RefusingModel model;
        QQuickWindow window;
        window.resize(300, 200);
        QQmlEngine engine;
        const auto object = QuiltQuickTest::createObject(
            &engine,
            "import org.vyr.quilt\nTableView { width: 300; height: 200\n"
            "    delegate: TableViewDelegate { implicitWidth: 80; implicitHeight: 24 } }\n");
        QVERIFY(object);
        auto* view = qobject_cast<QQuickItem*>(object.get());
        QVERIFY(view);
        view->setParentItem(window.contentItem());
        view->setProperty("model", QVariant::fromValue(static_cast<QObject*>(&model)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY(!view->childItems().isEmpty());
        QuiltQuickTest::takeMessages();

        const QModelIndex index = model.index(1, 1);
        QVERIFY(QMetaObject::invokeMethod(view, "edit", Q_ARG(QModelIndex, index)));
        QQuickItem* field = nullptr;
        QTRY_VERIFY((field = editorField(view)));
        QCOMPARE(field->property("text").toString(), QStringLiteral("B2"));
        QTRY_VERIFY(field->hasActiveFocus());
        field->setProperty("text", QStringLiteral("Z9"));

        QTest::ignoreMessage(QtWarningMsg, "The model does not allow setting the EditRole data.");
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(model.attempts, 1);
        QCOMPARE(model.data(index, Qt::DisplayRole).toString(), QStringLiteral("B2"));
        QTRY_VERIFY(!editorField(view));
        // The warning, once, and nothing else.
        QCOMPARE(QuiltQuickTest::takeMessages(),
                 QStringList { QStringLiteral("The model does not allow setting the EditRole data.") });
    }
};

QUILT_QUICK_TEST_MAIN(RefusedCommitTest, QByteArrayLiteral("/* No rule. */"))

#include "tst_refusedcommit.moc"
