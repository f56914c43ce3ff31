// The module as files: its qmldir, its precompiled documents, and its import,
// which loads the style registry (through the items library's plug-in) for
// applications that select the style by name and call nothing of the engine.

#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <private/qqmlmetatype_p.h>

#include "quicktestfixture.h"

namespace
{
// The module's types in the order of its qmldir, with their documents.
const QStringList documents = {
    QStringLiteral("AbstractButton.qml"),
    QStringLiteral("Action.qml"),
    QStringLiteral("ActionGroup.qml"),
    QStringLiteral("ApplicationWindow.qml"),
    QStringLiteral("BusyIndicator.qml"),
    QStringLiteral("Button.qml"),
    QStringLiteral("Calendar.qml"),
    QStringLiteral("CheckBox.qml"),
    QStringLiteral("CheckDelegate.qml"),
    QStringLiteral("ComboBox.qml"),
    QStringLiteral("Container.qml"),
    QStringLiteral("Control.qml"),
    QStringLiteral("DayOfWeekRow.qml"),
    QStringLiteral("DelayButton.qml"),
    QStringLiteral("Dial.qml"),
    QStringLiteral("Dialog.qml"),
    QStringLiteral("DialogButtonBox.qml"),
    QStringLiteral("DoubleSpinBox.qml"),
    QStringLiteral("Drawer.qml"),
    QStringLiteral("Frame.qml"),
    QStringLiteral("GroupBox.qml"),
    QStringLiteral("HorizontalHeaderView.qml"),
    QStringLiteral("HorizontalHeaderViewDelegate.qml"),
    QStringLiteral("ItemDelegate.qml"),
    QStringLiteral("Label.qml"),
    QStringLiteral("Menu.qml"),
    QStringLiteral("MenuBar.qml"),
    QStringLiteral("MenuBarItem.qml"),
    QStringLiteral("MenuItem.qml"),
    QStringLiteral("MenuSeparator.qml"),
    QStringLiteral("MonthGrid.qml"),
    QStringLiteral("Page.qml"),
    QStringLiteral("PageIndicator.qml"),
    QStringLiteral("Pane.qml"),
    QStringLiteral("Popup.qml"),
    QStringLiteral("ProgressBar.qml"),
    QStringLiteral("RadioButton.qml"),
    QStringLiteral("RadioDelegate.qml"),
    QStringLiteral("RangeSlider.qml"),
    QStringLiteral("RoundButton.qml"),
    QStringLiteral("ScrollBar.qml"),
    QStringLiteral("ScrollIndicator.qml"),
    QStringLiteral("ScrollView.qml"),
    QStringLiteral("SearchField.qml"),
    QStringLiteral("SelectionRectangle.qml"),
    QStringLiteral("Slider.qml"),
    QStringLiteral("SpinBox.qml"),
    QStringLiteral("SplitView.qml"),
    QStringLiteral("StackView.qml"),
    QStringLiteral("SwipeDelegate.qml"),
    QStringLiteral("SwipeView.qml"),
    QStringLiteral("Switch.qml"),
    QStringLiteral("SwitchDelegate.qml"),
    QStringLiteral("TabBar.qml"),
    QStringLiteral("TabButton.qml"),
    QStringLiteral("TableViewDelegate.qml"),
    QStringLiteral("TreeViewDelegate.qml"),
    QStringLiteral("TextArea.qml"),
    QStringLiteral("TextField.qml"),
    QStringLiteral("ToolBar.qml"),
    QStringLiteral("ToolButton.qml"),
    QStringLiteral("ToolSeparator.qml"),
    QStringLiteral("ToolTip.qml"),
    QStringLiteral("Tumbler.qml"),
    QStringLiteral("VerticalHeaderView.qml"),
    QStringLiteral("WeekNumberColumn.qml"),
    QStringLiteral("VerticalHeaderViewDelegate.qml"),
    QStringLiteral("private/DefaultContentItem.qml"),
    QStringLiteral("private/TextFieldContextMenu.qml"),
    QStringLiteral("private/DisplayAttribute.qml"),
};

QString typeName(const QString& document)
{
    return document.section(u'/', -1).chopped(4);
}
} // namespace

class ModuleFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing in this process has loaded the registry, so the
    // button's padding can only come from the plug-in's load at the import.
    void importLoadsTheRegistry()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport QtQuick.Controls\nButton { text: \"OK\" }\n", QUrl());
        std::unique_ptr<QObject> button(component.create());
        QVERIFY2(button, qPrintable(component.errorString()));
        QCOMPARE(button->property("leftPadding").toReal(), 7.0);
    }

    void qmldir()
    {
        QStringList expected = {
            QStringLiteral("module org.vyr.quilt"),
            QStringLiteral("linktarget QuiltQuickStyleplugin"),
            QStringLiteral("optional plugin QuiltQuickStyleplugin"),
            QStringLiteral("classname org_vyr_quiltPlugin"),
            QStringLiteral("typeinfo QuiltQuickStyle.qmltypes"),
            QStringLiteral("import org.vyr.quilt.impl"),
            QStringLiteral("prefer :/qt/qml/org/vyr/quilt/"),
        };
        for (const QString& document : documents) {
            const QString line = typeName(document) + QStringLiteral(" 254.0 ") + document;
            expected << (document == QStringLiteral("Calendar.qml") ? QStringLiteral("singleton ") + line : line);
        }
        QCOMPARE(expected.size(), 77);

        QFile file(QStringLiteral(":/qt/qml/org/vyr/quilt/qmldir"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "The library's qmldir resource is missing");
        // Each line ends with a new line, and an empty line ends the file.
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines, expected);
    }

    void precompiledDocuments_data()
    {
        QTest::addColumn<QString>("document");
        for (const QString& document : documents)
            QTest::newRow(qPrintable(document)) << document;
    }

    void precompiledDocuments()
    {
        QFETCH(QString, document);
        QQmlMetaType::CachedUnitLookupError status = QQmlMetaType::CachedUnitLookupError::NoError;
        const QUrl url(QStringLiteral("qrc:/qt/qml/org/vyr/quilt/") + document);
        QVERIFY(QQmlMetaType::findCachedCompilationUnit(url, QQmlMetaType::AcceptUntyped, &status));
        QCOMPARE(status, QQmlMetaType::CachedUnitLookupError::NoError);
    }
};

// No call into the registry here: the plug-in has to load it.
QUILT_QUICK_TEST_MAIN_LOADING(ModuleFilesTest, "Button { padding-left: 7px; }", false)

#include "tst_modulefiles.moc"
