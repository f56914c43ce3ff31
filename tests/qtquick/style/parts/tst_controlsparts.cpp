// Every visual type of the module declared as applications declare it (no
// size, no style values of its own), beside the same declaration under Qt's
// Basic style: wherever Basic gives a control an implicit width or height,
// or one of the parts that applications bind to (content item, background,
// indicator, handle), this style gives one too. Under halcyon the ranges
// are also at least as long as Fusion makes them. Runs under halcyon, under
// a style without rules and without any style (QUILT_PARTS_STYLE).

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "quicktestfixture.h"
#include "styleregistry.h"

namespace
{
// The module's types that applications declare as items. Action,
// ActionGroup and Calendar are no items, ApplicationWindow is a window, and
// the private components are reached through the controls that use them.
const char* const types[] = {
    "AbstractButton",
    "BusyIndicator",
    "Button",
    "CheckBox",
    "CheckDelegate",
    "ComboBox",
    "Container",
    "Control",
    "DayOfWeekRow",
    "DelayButton",
    "Dial",
    "Dialog",
    "DialogButtonBox",
    "DoubleSpinBox",
    "Drawer",
    "Frame",
    "GroupBox",
    "HorizontalHeaderView",
    "HorizontalHeaderViewDelegate",
    "ItemDelegate",
    "Label",
    "Menu",
    "MenuBar",
    "MenuBarItem",
    "MenuItem",
    "MenuSeparator",
    "MonthGrid",
    "Page",
    "PageIndicator",
    "Pane",
    "Popup",
    "ProgressBar",
    "RadioButton",
    "RadioDelegate",
    "RangeSlider",
    "RoundButton",
    "ScrollBar",
    "ScrollIndicator",
    "ScrollView",
    "SearchField",
    "SelectionRectangle",
    "Slider",
    "SpinBox",
    "SplitView",
    "StackView",
    "SwipeDelegate",
    "SwipeView",
    "Switch",
    "SwitchDelegate",
    "TabBar",
    "TabButton",
    "TableViewDelegate",
    "TextArea",
    "TextField",
    "ToolBar",
    "ToolButton",
    "ToolSeparator",
    "ToolTip",
    "TreeViewDelegate",
    "Tumbler",
    "VerticalHeaderView",
    "VerticalHeaderViewDelegate",
    "WeekNumberColumn",
};

// The parts an application may bind to, as property paths.
const char* const parts[] = { "contentItem", "background", "indicator", "handle", "first.handle", "second.handle" };

// What a declaration gives: its implicit size and which parts are set. A
// part the type does not have reads as not set.
struct Shape
{
    QSizeF implicitSize;
    QSet<QString> parts;
};

QString styleVariant()
{
    return qEnvironmentVariable("QUILT_PARTS_STYLE");
}

// Delegates are declared inside their views, which give them their
// required properties; "%1" stands for the declaration, found by its name.
#define QUILT_PARTS_TABLE                                                                                              \
    "TableView { id: table; width: 200; height: 80\n"                                                                  \
    "  model: TableModel { TableModelColumn { display: \"name\" } rows: [{ name: \"a\" }, { name: \"b\" }] }\n"

const QHash<QByteArray, QByteArray> contexts = {
    { "TableViewDelegate", QUILT_PARTS_TABLE "  delegate: %1 }" },
    { "TreeViewDelegate",
      "TreeView { width: 200; height: 80; delegate: %1\n"
      "  model: TreeModel { TableModelColumn { display: \"name\" } rows: [{ name: \"root\" }] } }" },
    { "HorizontalHeaderViewDelegate",
      "Column { S.HorizontalHeaderView { syncView: table; delegate: %1 }\n" QUILT_PARTS_TABLE
      "  delegate: S.TableViewDelegate {} } }" },
    { "VerticalHeaderViewDelegate",
      "Row { S.VerticalHeaderView { syncView: table; delegate: %1 }\n" QUILT_PARTS_TABLE
      "  delegate: S.TableViewDelegate {} } }" },
};

#undef QUILT_PARTS_TABLE

QObject* findProbe(QObject* object)
{
    if (object->objectName() == QStringLiteral("probe"))
        return object;
    if (auto* item = qobject_cast<QQuickItem*>(object)) {
        for (QQuickItem* child : item->childItems()) {
            if (QObject* found = findProbe(child))
                return found;
        }
    }
    return nullptr;
}

class Declarations
{
public:
    // Declares `type` from the module `module` (imported as S), in its view
    // where it needs one.
    std::optional<Shape> shape(const QByteArray& module, const QByteArray& type, QString* error)
    {
        const QByteArray declaration = "S." + type + " { objectName: \"probe\" }";
        QByteArray body = contexts.value(type, "%1");
        body.replace("%1", declaration);
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick\nimport Qt.labs.qmlmodels\nimport " + module + " as S\n" + body + "\n",
                          QUrl());
        std::unique_ptr<QObject> root(component.create());
        if (!root) {
            *error = component.errorString();
            return std::nullopt;
        }
        // Views make their delegates when they lay out, in a window.
        QQuickWindow window;
        if (auto* item = qobject_cast<QQuickItem*>(root.get()); item && contexts.contains(type)) {
            item->setParentItem(window.contentItem());
            window.show();
            if (!QTest::qWaitForWindowExposed(&window)) {
                *error = QStringLiteral("No window");
                return std::nullopt;
            }
        }
        QObject* object = findProbe(root.get());
        if (!object) {
            *error = QStringLiteral("The declaration was not made");
            return std::nullopt;
        }
        Shape result;
        result.implicitSize
            = QSizeF(object->property("implicitWidth").toReal(), object->property("implicitHeight").toReal());
        for (const char* part : parts) {
            const QQmlProperty property(object, QString::fromLatin1(part));
            if (property.isValid() && property.read().value<QObject*>())
                result.parts.insert(QString::fromLatin1(part));
        }
        return result;
    }

private:
    QQmlEngine m_engine;
};
} // namespace

class PartsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (styleVariant() == QStringLiteral("halcyon"))
            QVERIFY(QuiltQuickTest::installShippedStyle(QStringLiteral("halcyon")));
    }

    void asBasic_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const char* type : types)
            QTest::newRow(type) << QByteArray(type);
    }

    // Non-zero where Basic's is, each part present where Basic's is.
    void asBasic()
    {
        QFETCH(QByteArray, type);
        QString error;
        const auto basic = m_declarations.shape("QtQuick.Controls.Basic", type, &error);
        QVERIFY2(basic, qPrintable(error));
        const auto ours = m_declarations.shape("org.vyr.quilt", type, &error);
        QVERIFY2(ours, qPrintable(error));

        const QSet<QString> missing = basic->parts - ours->parts;
        QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.cbegin(), missing.cend()).join(u' ')));
        // Sizes come from the style: without one, the template's defaults.
        if (styleVariant() != QStringLiteral("halcyon"))
            return;
        const auto sizes = [&] {
            return QStringLiteral("ours %1 x %2, Basic's %3 x %4")
                .arg(ours->implicitSize.width())
                .arg(ours->implicitSize.height())
                .arg(basic->implicitSize.width())
                .arg(basic->implicitSize.height());
        };
        QVERIFY2(basic->implicitSize.width() <= 0 || ours->implicitSize.width() > 0, qPrintable(sizes()));
        QVERIFY2(basic->implicitSize.height() <= 0 || ours->implicitSize.height() > 0, qPrintable(sizes()));
    }

    void lengthAsFusion_data()
    {
        QTest::addColumn<QByteArray>("declaration");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("Slider") << QByteArray("Slider {}") << true;
        QTest::newRow("Slider vertical") << QByteArray("Slider { orientation: Qt.Vertical }") << false;
        QTest::newRow("RangeSlider") << QByteArray("RangeSlider {}") << true;
        QTest::newRow("RangeSlider vertical") << QByteArray("RangeSlider { orientation: Qt.Vertical }") << false;
        QTest::newRow("ProgressBar") << QByteArray("ProgressBar { value: 0.5 }") << true;
        QTest::newRow("ProgressBar indeterminate") << QByteArray("ProgressBar { indeterminate: true }") << true;
        QTest::newRow("ScrollBar") << QByteArray("ScrollBar { size: 0.5 }") << false;
        QTest::newRow("ScrollBar horizontal")
            << QByteArray("ScrollBar { size: 0.5; orientation: Qt.Horizontal }") << true;
    }

    // Under halcyon, a range is at least as long as Fusion makes it.
    void lengthAsFusion()
    {
        if (styleVariant() != QStringLiteral("halcyon"))
            QSKIP("Lengths come from halcyon");
        QFETCH(QByteArray, declaration);
        QFETCH(bool, horizontal);
        const auto length = [&](const QByteArray& module) {
            QQmlComponent component(&m_engine);
            component.setData("import QtQuick\nimport " + module + "\n" + declaration + "\n", QUrl());
            std::unique_ptr<QObject> object(component.create());
            if (!object) {
                qWarning() << component.errorString();
                return -1.0;
            }
            return object->property(horizontal ? "implicitWidth" : "implicitHeight").toReal();
        };
        const double fusion = length("QtQuick.Controls.Fusion");
        QVERIFY(fusion > 0);
        QCOMPARE_GE(length("org.vyr.quilt"), fusion);
    }

private:
    Declarations m_declarations;
    QQmlEngine m_engine;
};

QUILT_QUICK_TEST_MAIN(PartsTest, QByteArrayLiteral("/* No rule. */"))

#include "tst_controlsparts.moc"
