// The default style "halcyon" as a real application meets it: it loads without
// a complaint, every size that Qt's widgets take from the style is positive,
// and text stays legible on its background in every lasting state, under the
// desktop's default colour scheme and under a dark one; its colours, and the
// application palette made from them, follow the scheme.

#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "color.h"
#include "contrast.h"
#include "element.h"
#include "elementdispatch.h"
#include "elementquery.h"
#include "linepropertygroup.h"
#include "quiltstyle.h"
#include "style.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"
#include "testfixture.h"
#include "textpropertygroup.h"
#include "widgettest.h"

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace
{
QStringList loadMessages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        loadMessages.append(QStringLiteral("%1: %2").arg(QLatin1StringView(context.category), message));
    }
    previousHandler(type, context, message);
}

// One element of a chain as the widget style describes it.
struct Link
{
    QString type;
    QStringList hints = {};
    QVariantMap attributes = {};
};

// The widget style gives every element of a chain the queried element's
// states and hints; the attributes stay with the element that has them.
Quilt::ElementChain makeChain(const QList<Link>& links, Quilt::Element::States states, const QStringList& hints)
{
    Quilt::ElementChain chain;
    for (const Link& link : links) {
        auto element = Quilt::Element::create();
        element->setType(link.type);
        element->setStates(states);
        element->setHints(hints + link.hints);
        element->setAttributes(link.attributes);
        chain.append(element);
    }
    return chain;
}

struct Resolved
{
    QColor text;
    QColor background;
};

// The text colour of the chain's last element, and the colour under it: the
// nearest background among the chain and its shorter prefixes, composed over
// what lies further out, down to the window colour.
Resolved resolve(const Quilt::ElementChain& chain)
{
    const auto style = Quilt::StyleRegistry::instance()->defaultStyle();
    Resolved result;
    QList<QColor> layers;
    for (qsizetype length = chain.size(); length > 0; --length) {
        Quilt::ElementQuery query(style);
        query.setElements(chain.first(length));
        if (!query.execute()) {
            continue;
        }
        const auto* properties = query.properties();
        if (!result.text.isValid() && properties->text()) {
            if (const auto color = properties->text()->color()) {
                result.text = color->toQColor();
            }
        }
        if (properties->background()) {
            if (const auto color = properties->background()->color()) {
                const QColor resolved = color->toQColor();
                if (resolved.alpha() > 0) {
                    layers.append(resolved);
                    if (resolved.alpha() == 255) {
                        break;
                    }
                }
            }
        }
    }
    QColor ground(QStringLiteral("#eff0f1"));
    if (layers.isEmpty() || layers.constLast().alpha() < 255) {
        // The window's own colour lies under anything that is not opaque.
        Quilt::ElementQuery window(style);
        window.setElements(makeChain({ { QStringLiteral("ApplicationWindow") } }, {}, {}));
        if (window.execute() && window.properties()->background() && window.properties()->background()->color()) {
            ground = window.properties()->background()->color()->toQColor();
        }
    }
    for (qsizetype i = layers.size() - 1; i >= 0; --i) {
        const QColor top = layers.at(i);
        const double a = top.alphaF();
        ground = QColor::fromRgbF(float(top.redF() * a + ground.redF() * (1 - a)),
                                  float(top.greenF() * a + ground.greenF() * (1 - a)),
                                  float(top.blueF() * a + ground.blueF() * (1 - a)));
    }
    result.background = ground;
    return result;
}

// The colour schemes the tests run under: the desktop's default (no file)
// and a dark one.
const QString DarkScheme = QStringLiteral(QUILT_TEST_DARK_SCHEME);

// Names `path` as the application's colour scheme, as an application does,
// and changes the palette so that the colour provider and the widget style
// read it.
void useScheme(const QString& path)
{
    qApp->setProperty("VYR_COLOR_SCHEME_PATH", path);
    QEvent change(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(qApp, &change);
    // The widget style makes its palette again once the event is through.
    QCoreApplication::processEvents();
}

// The colour of one kind that the chain's last element gets, unresolved
// parts of the chain aside.
QColor queriedColor(const Quilt::ElementChain& chain, const QString& which)
{
    Quilt::ElementQuery query(Quilt::StyleRegistry::instance()->defaultStyle());
    query.setElements(chain);
    if (!query.execute()) {
        return QColor();
    }
    const auto* properties = query.properties();
    std::optional<Quilt::Color> color;
    if (which == QLatin1StringView("text") && properties->text()) {
        color = properties->text()->color();
    } else if (which == QLatin1StringView("background") && properties->background()) {
        color = properties->background()->color();
    } else if (which == QLatin1StringView("border") && properties->border() && properties->border()->left()) {
        color = properties->border()->left()->color();
    }
    return color ? color->toQColor() : QColor();
}

using QuiltTest::contrast;

using Metric = std::function<int()>;
QList<std::pair<QByteArray, Metric>> metricTable;

// Whether an element answered the last metric; where none did (its class is
// not part of this build), the common style's answer says nothing of halcyon.
bool answeredByElement = false;

int ask(QStyle::PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr)
{
    const int value = QApplication::style()->pixelMetric(metric, option, widget);
    answeredByElement
        = bool(ElementDispatch::cachedElement({ ElementDispatch::PixelMetric, int(metric), option, widget, QSize() }));
    return value;
}

// The widgets stay alive to the end, so that no two rows share a widget
// address and with it a cached element.
std::vector<std::unique_ptr<QWidget>> keptWidgets;

template<typename Widget, typename... Arguments> Widget& keep(Arguments&&... arguments)
{
    auto widget = std::make_unique<Widget>(std::forward<Arguments>(arguments)...);
    Widget& result = *widget;
    keptWidgets.push_back(std::move(widget));
    return result;
}

void buildMetricTable()
{
    // Each entry asks as Qt's own widget does: from the real widget, with the
    // option it would pass, or with none where Qt passes none.
    auto add = [](const char* name, Metric metric) {
        metricTable.append({ QByteArray(name), std::move(metric) });
    };
    add("text cursor width", [] {
        auto& edit = keep<QLineEdit>();
        QStyleOptionFrame option;
        option.initFrom(&edit);
        return ask(QStyle::PM_TextCursorWidth, &option, &edit);
    });
    for (const Qt::Orientation orientation : { Qt::Horizontal, Qt::Vertical }) {
        const bool horizontal = orientation == Qt::Horizontal;
        const auto sliderOption = [orientation](QWidget* widget) {
            QStyleOptionSlider option;
            option.initFrom(widget);
            option.orientation = orientation;
            if (orientation == Qt::Horizontal) {
                option.state |= QStyle::State_Horizontal;
            }
            option.maximum = 100;
            option.pageStep = 10;
            option.subControls = QStyle::SC_All;
            return option;
        };
        add(horizontal ? "horizontal scroll bar extent" : "vertical scroll bar extent", [=] {
            auto& bar = keep<QScrollBar>(orientation);
            const QStyleOptionSlider option = sliderOption(&bar);
            return ask(QStyle::PM_ScrollBarExtent, &option, &bar);
        });
        add(horizontal ? "horizontal scroll bar minimum length" : "vertical scroll bar minimum length", [=] {
            auto& bar = keep<QScrollBar>(orientation);
            const QStyleOptionSlider option = sliderOption(&bar);
            return ask(QStyle::PM_ScrollBarSliderMin, &option, &bar);
        });
        add(horizontal ? "horizontal slider length" : "vertical slider length", [=] {
            auto& slider = keep<QSlider>(orientation);
            const QStyleOptionSlider option = sliderOption(&slider);
            return ask(QStyle::PM_SliderLength, &option, &slider);
        });
    }
    add("check box indicator width", [] {
        QStyleOptionButton option;
        return ask(QStyle::PM_IndicatorWidth, &option);
    });
    add("check box indicator height", [] {
        QStyleOptionButton option;
        return ask(QStyle::PM_IndicatorHeight, &option);
    });
    add("radio button indicator width", [] {
        QStyleOptionButton option;
        return ask(QStyle::PM_ExclusiveIndicatorWidth, &option);
    });
    add("radio button indicator height", [] {
        QStyleOptionButton option;
        return ask(QStyle::PM_ExclusiveIndicatorHeight, &option);
    });
    add("tree indentation", [] {
        auto& view = keep<QTreeView>();
        return ask(QStyle::PM_TreeViewIndentation, nullptr, &view);
    });
    add("splitter width", [] {
        auto& splitter = keep<QSplitter>();
        return ask(QStyle::PM_SplitterWidth, nullptr, &splitter);
    });
    add("dock separator extent", [] {
        auto& window = keep<QMainWindow>();
        return ask(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &window);
    });
    add("small icon size", [] { return ask(QStyle::PM_SmallIconSize); });
    add("large icon size", [] { return ask(QStyle::PM_LargeIconSize); });
    add("list view icon size", [] {
        auto& view = keep<QTableView>();
        return ask(QStyle::PM_ListViewIconSize, nullptr, &view);
    });
    add("icon view icon size", [] { return ask(QStyle::PM_IconViewIconSize); });
    add("message box icon size", [] { return ask(QStyle::PM_MessageBoxIconSize); });
    add("title bar height", [] {
        auto& area = keep<QMdiArea>();
        auto* window = area.addSubWindow(new QWidget);
        QStyleOptionTitleBar option;
        option.initFrom(window);
        option.titleBarFlags = window->windowFlags();
        option.text = QStringLiteral("Sub-window");
        return ask(QStyle::PM_TitleBarHeight, &option, window);
    });
    add("tab close button width", [] {
        auto& bar = keep<QTabBar>();
        return ask(QStyle::PM_TabCloseIndicatorWidth, nullptr, &bar);
    });
    add("tab close button height", [] {
        auto& bar = keep<QTabBar>();
        return ask(QStyle::PM_TabCloseIndicatorHeight, nullptr, &bar);
    });
    for (const Qt::ToolBarArea area : { Qt::TopToolBarArea, Qt::LeftToolBarArea }) {
        const bool top = area == Qt::TopToolBarArea;
        const auto toolBarOption = [area](QToolBar* bar) {
            QStyleOptionToolBar option;
            option.initFrom(bar);
            option.toolBarArea = area;
            option.features = QStyleOptionToolBar::Movable;
            if (area == Qt::TopToolBarArea) {
                option.state |= QStyle::State_Horizontal;
            }
            return option;
        };
        add(top ? "top tool bar handle extent" : "left tool bar handle extent", [=] {
            auto& bar = keep<QToolBar>();
            const QStyleOptionToolBar option = toolBarOption(&bar);
            return ask(QStyle::PM_ToolBarHandleExtent, &option, &bar);
        });
        add(top ? "top tool bar separator extent" : "left tool bar separator extent", [=] {
            auto& bar = keep<QToolBar>();
            const QStyleOptionToolBar option = toolBarOption(&bar);
            return ask(QStyle::PM_ToolBarSeparatorExtent, &option, &bar);
        });
        add(top ? "top tool bar extension extent" : "left tool bar extension extent", [=] {
            auto& bar = keep<QToolBar>();
            const QStyleOptionToolBar option = toolBarOption(&bar);
            return ask(QStyle::PM_ToolBarExtensionExtent, &option, &bar);
        });
    }
    add("horizontal header default section size", [] {
        auto& header = keep<QHeaderView>(Qt::Horizontal);
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.orientation = Qt::Horizontal;
        return ask(QStyle::PM_HeaderDefaultSectionSizeHorizontal, &option, &header);
    });
    add("vertical header default section size", [] {
        auto& header = keep<QHeaderView>(Qt::Vertical);
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.orientation = Qt::Vertical;
        return ask(QStyle::PM_HeaderDefaultSectionSizeVertical, &option, &header);
    });
}
} // namespace

Q_DECLARE_METATYPE(QList<Link>)

class tst_Halcyon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { keptWidgets.clear(); }

    void loadsCleanly()
    {
        QVERIFY(Quilt::StyleRegistry::instance()->defaultStyle());
        QCOMPARE(Quilt::StyleRegistry::instance()->defaultStyle()->id(), QStringLiteral("halcyon"));
        QVERIFY2(loadMessages.isEmpty(), qPrintable(loadMessages.join(QLatin1Char('\n'))));
    }

    void metricsArePositive_data()
    {
        QTest::addColumn<int>("entry");
        for (qsizetype i = 0; i < metricTable.size(); ++i) {
            QTest::newRow(metricTable.at(i).first.constData()) << int(i);
        }
    }

    void metricsArePositive()
    {
        QFETCH(int, entry);
        const int value = metricTable.at(entry).second();
        if (!answeredByElement) {
            QSKIP("No element class of this build answers the metric");
        }
        QVERIFY2(value > 0,
                 qPrintable(QStringLiteral("%1 is %2").arg(QString::fromUtf8(metricTable.at(entry).first)).arg(value)));
    }

    void textIsLegible_data()
    {
        using State = Quilt::Element::State;
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QList<Link>>("links");
        QTest::addColumn<Quilt::Element::States>("states");
        QTest::addColumn<QStringList>("hints");

        const Link window { QStringLiteral("ApplicationWindow") };
        const Link menu { QStringLiteral("Menu") };
        const Link menuItem { QStringLiteral("MenuItem") };
        // Every row under the default scheme and under the dark one.
        const auto row = [](const char* name, const QList<Link>& links, Quilt::Element::States states = {},
                            const QStringList& hints = {}) {
            QTest::addRow("%s", name) << QString() << links << states << hints;
            QTest::addRow("dark: %s", name) << DarkScheme << links << states << hints;
        };

        row("button", { window, { QStringLiteral("Button") } });
        row("button hovered", { window, { QStringLiteral("Button") } }, State::Hovered);
        row("button pressed", { window, { QStringLiteral("Button") } }, State::Pressed);
        row("button checked", { window, { QStringLiteral("Button") } }, State::Checked);
        row("default button", { window, { QStringLiteral("Button") } }, State::Highlighted);
        row("flat button hovered", { window, { QStringLiteral("Button") } }, State::Hovered,
            { QStringLiteral("flat") });
        row("tool button", { window, { QStringLiteral("ToolBar") }, { QStringLiteral("ToolButton") } });
        row("tool button hovered", { window, { QStringLiteral("ToolBar") }, { QStringLiteral("ToolButton") } },
            State::Hovered);
        row("tool button checked", { window, { QStringLiteral("ToolBar") }, { QStringLiteral("ToolButton") } },
            State::Checked);
        row("tool button pressed", { window, { QStringLiteral("ToolButton") } }, State::Pressed,
            { QStringLiteral("raised") });
        row("check box", { window, { QStringLiteral("CheckBox") } }, State::Checked);
        row("radio button hovered", { window, { QStringLiteral("RadioButton") } }, State::Hovered);
        row("text field", { window, { QStringLiteral("TextField") } });
        row("text field focused", { window, { QStringLiteral("TextField") } }, State::ActiveFocus);
        row("spin box hovered", { window, { QStringLiteral("SpinBox") } }, State::Hovered);
        row("combo box", { window, { QStringLiteral("ComboBox") } });
        row("combo box pressed", { window, { QStringLiteral("ComboBox") } }, State::Pressed);
        row("editable combo box", { window, { QStringLiteral("ComboBox") } }, {}, { QStringLiteral("editable") });
        row("menu item", { window, menu, menuItem });
        row("menu item highlighted", { window, menu, menuItem }, State::Highlighted);
        row("menu item checked", { window, menu, menuItem }, State::Checked);
        row("menu shortcut", { window, menu, menuItem, { QStringLiteral("ShortcutText") } });
        row("menu shortcut highlighted", { window, menu, menuItem, { QStringLiteral("ShortcutText") } },
            State::Highlighted);
        row("menu shortcut pressed", { window, menu, menuItem, { QStringLiteral("ShortcutText") } },
            State::Highlighted | State::Pressed);
        row("menu title", { window, menu, menuItem }, {}, { QStringLiteral("with-title") });
        row("menu bar item", { window, { QStringLiteral("MenuBar") }, { QStringLiteral("MenuBarItem") } });
        row("menu bar item hovered", { window, { QStringLiteral("MenuBar") }, { QStringLiteral("MenuBarItem") } },
            State::Hovered);
        row("menu bar item open", { window, { QStringLiteral("MenuBar") }, { QStringLiteral("MenuBarItem") } },
            State::Highlighted);
        for (const char* direction : { "top", "bottom", "left", "right" }) {
            const Link tab { QStringLiteral("TabButton"), {}, { { QStringLiteral("direction"), direction } } };
            const Link bar { QStringLiteral("TabBar") };
            row(qPrintable(QStringLiteral("tab %1").arg(QLatin1StringView(direction))), { window, bar, tab });
            row(qPrintable(QStringLiteral("tab %1 hovered").arg(QLatin1StringView(direction))), { window, bar, tab },
                State::Hovered);
            row(qPrintable(QStringLiteral("tab %1 current").arg(QLatin1StringView(direction))), { window, bar, tab },
                State::Checked);
        }
        row("tool box tab", { window, { QStringLiteral("ToolBox") }, { QStringLiteral("TabButton") } });
        row("tool box tab current", { window, { QStringLiteral("ToolBox") }, { QStringLiteral("TabButton") } },
            State::Checked);
        row("tool box tab hovered", { window, { QStringLiteral("ToolBox") }, { QStringLiteral("TabButton") } },
            State::Hovered);
        const Link tree { QStringLiteral("TreeView") };
        const Link table { QStringLiteral("TableView") };
        const Link item { QStringLiteral("ItemViewItem") };
        row("view item", { window, table, item }, {}, { QStringLiteral("hover-enabled") });
        row("view item alternating", { window, table, item }, {},
            { QStringLiteral("hover-enabled"), QStringLiteral("alternating-colors") });
        row("view item hovered", { window, tree, item }, State::Hovered, { QStringLiteral("inside-tree") });
        row("view item selected", { window, tree, item }, State::Highlighted, { QStringLiteral("inside-tree") });
        row("view item selected hovered", { window, table, item }, State::Highlighted | State::Hovered);
        row("view item selected focused", { window, table, item }, State::Highlighted | State::ActiveFocus);
        row("view item checked", { window, table, item }, State::Checked);
        row("combo box popup item selected", { window, { QStringLiteral("Popup") }, item }, State::Highlighted,
            { QStringLiteral("combobox") });
        row("header section", { window, { QStringLiteral("HeaderView") }, { QStringLiteral("HeaderViewDelegate") } });
        row("header section hovered",
            { window, { QStringLiteral("HeaderView") }, { QStringLiteral("HeaderViewDelegate") } }, State::Hovered);
        row("header section pressed",
            { window, { QStringLiteral("HeaderView") }, { QStringLiteral("HeaderViewDelegate") } }, State::Pressed);
        row("header section sorted",
            { window, { QStringLiteral("HeaderView") }, { QStringLiteral("HeaderViewDelegate") } }, {},
            { QStringLiteral("sort-ascending") });
        row("progress bar label", { window, { QStringLiteral("ProgressBar") } });
        row("progress bar label on its track",
            { window, { QStringLiteral("ProgressBar") }, { QStringLiteral("Track") } });
        row("group box title", { window, { QStringLiteral("GroupBox") } });
        row("tool tip", { { QStringLiteral("ToolTip") } });
        row("status bar", { window, { QStringLiteral("StatusBar") } });
        row("dock title", { window, { QStringLiteral("Dock") }, { QStringLiteral("DockWidget") } });
        row("title bar", { window, { QStringLiteral("MdiSubWindow") }, { QStringLiteral("TitleBar") } });
        row("title bar active", { window, { QStringLiteral("MdiSubWindow") }, { QStringLiteral("TitleBar") } },
            State::ActiveFocus);
        const Link inactiveWindow { QStringLiteral("ApplicationWindow"), { QStringLiteral("inactive") } };
        row("inactive window button", { inactiveWindow, { QStringLiteral("Button") } });
        row("inactive window view item selected", { inactiveWindow, table, item }, State::Highlighted);
        row("inactive window text field", { inactiveWindow, { QStringLiteral("TextField") } });

        // The Quick controls' own elements.
        const Link quickButton { QStringLiteral("Button"), {}, { { QStringLiteral("display"), "text-only" } } };
        row("quick button highlighted", { window, quickButton }, State::Highlighted);
        row("quick button highlighted pressed", { window, quickButton }, State::Highlighted | State::Pressed);
        row("round button checked", { window, { QStringLiteral("RoundButton") } }, State::Checked);
        row("item delegate selected", { window, { QStringLiteral("ListView") }, { QStringLiteral("ItemDelegate") } },
            State::Highlighted);
        row("item delegate pressed", { window, { QStringLiteral("ListView") }, { QStringLiteral("ItemDelegate") } },
            State::Pressed);
        row("table cell selected", { window, { QStringLiteral("TableView") }, { QStringLiteral("TableViewDelegate") } },
            {}, { QStringLiteral("selected") });
        row("text area", { window, { QStringLiteral("TextArea") } });
        row("calendar today",
            { window,
              { QStringLiteral("MonthGrid") },
              { QStringLiteral("Label"), { QStringLiteral("current-month"), QStringLiteral("today") } } });
        row("destructive dialog button",
            { window,
              { QStringLiteral("DialogButtonBox") },
              { QStringLiteral("Button"), {}, { { QStringLiteral("role"), "destructive" } } } });
        row("tumbler current entry", { window, { QStringLiteral("Tumbler") }, { QStringLiteral("Text") } },
            State::Highlighted);

        // The greys: placeholders, the tumbler's other entries (drawn at full
        // opacity), and the calendar's day names, week numbers and days of
        // the neighbouring months.
        const Link placeholder { QStringLiteral("Text"), { QStringLiteral("placeholder") } };
        const Link textField { QStringLiteral("TextField") };
        row("text field placeholder", { window, textField, placeholder });
        row("text field placeholder hovered", { window, textField, placeholder }, State::Hovered);
        row("text field placeholder focused", { window, textField, placeholder },
            State::ActiveFocus | State::VisualFocus);
        row("text field placeholder in an inactive window", { inactiveWindow, textField, placeholder });
        row("text area placeholder", { window, { QStringLiteral("TextArea") }, placeholder });
        row("search field placeholder", { window, { QStringLiteral("SearchField") }, placeholder });
        row("search field placeholder hovered", { window, { QStringLiteral("SearchField") }, placeholder },
            State::Hovered);
        const Link tumbler { QStringLiteral("Tumbler") };
        row("tumbler entry", { window, tumbler, { QStringLiteral("Text") } });
        row("tumbler entry hovered", { window, tumbler, { QStringLiteral("Text") } }, State::Hovered);
        row("tumbler entry in an inactive window", { inactiveWindow, tumbler, { QStringLiteral("Text") } });
        const Link label { QStringLiteral("Label") };
        row("calendar day name", { window, { QStringLiteral("DayOfWeekRow") }, label });
        row("calendar day name in an inactive window", { inactiveWindow, { QStringLiteral("DayOfWeekRow") }, label });
        row("calendar week number", { window, { QStringLiteral("WeekNumberColumn") }, label });
        row("calendar day of another month", { window, { QStringLiteral("MonthGrid") }, label });
        row("calendar day of another month hovered", { window, { QStringLiteral("MonthGrid") }, label },
            State::Hovered);
        row("calendar day of another month in an inactive window",
            { inactiveWindow, { QStringLiteral("MonthGrid") }, label });
        row("calendar day", { window, { QStringLiteral("MonthGrid") }, label }, {},
            { QStringLiteral("current-month") });
    }

    void textIsLegible()
    {
        QFETCH(QString, scheme);
        QFETCH(QList<Link>, links);
        QFETCH(Quilt::Element::States, states);
        QFETCH(QStringList, hints);

        useScheme(scheme);
        const Resolved colors = resolve(makeChain(links, states, hints));
        QVERIFY2(colors.text.isValid(), "no text colour");
        const double ratio = contrast(colors.text, colors.background);
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3:1")
                                .arg(colors.text.name(QColor::HexArgb), colors.background.name(QColor::HexArgb))
                                .arg(ratio, 0, 'f', 2)));
    }

    // Disabled text is exempt from the contrast that text needs: it is meant
    // to recede. It still stands out from its ground, and less than the same
    // text enabled.
    void disabledTextRecedes_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QList<Link>>("links");
        QTest::addColumn<QStringList>("hints");

        const Link window { QStringLiteral("ApplicationWindow") };
        const auto row = [](const char* name, const QList<Link>& links, const QStringList& hints = {}) {
            QTest::addRow("%s", name) << QString() << links << hints;
            QTest::addRow("dark: %s", name) << DarkScheme << links << hints;
        };
        row("button", { window, { QStringLiteral("Button") } });
        row("check box", { window, { QStringLiteral("CheckBox") } });
        row("text field", { window, { QStringLiteral("TextField") } });
        row("combo box", { window, { QStringLiteral("ComboBox") } });
        row("menu item", { window, { QStringLiteral("Menu") }, { QStringLiteral("MenuItem") } });
        row("view item", { window, { QStringLiteral("TableView") }, { QStringLiteral("ItemViewItem") } });
        row("tab", { window, { QStringLiteral("TabBar") }, { QStringLiteral("TabButton") } });
        row("table cell", { window, { QStringLiteral("TableView") }, { QStringLiteral("TableViewDelegate") } });
    }

    void disabledTextRecedes()
    {
        QFETCH(QString, scheme);
        QFETCH(QList<Link>, links);
        QFETCH(QStringList, hints);

        useScheme(scheme);
        const Resolved enabled = resolve(makeChain(links, {}, hints));
        const Resolved disabled = resolve(makeChain(links, Quilt::Element::State::Disabled, hints));
        QVERIFY(disabled.text.isValid());
        const double ratio = contrast(disabled.text, disabled.background);
        const QString described = QStringLiteral("%1 on %2: %3:1")
                                      .arg(disabled.text.name(), disabled.background.name())
                                      .arg(ratio, 0, 'f', 2);
        QVERIFY2(ratio >= 2.0, qPrintable(described));
        QVERIFY2(ratio < contrast(enabled.text, enabled.background), qPrintable(described));
    }

    // The colours the rules resolve to under each scheme: straight from the
    // scheme where a rule names a colour of it, a mix of them where a rule
    // tints or softens one (within rounding).
    void schemeColors_data()
    {
        using State = Quilt::Element::State;
        QTest::addColumn<QList<Link>>("links");
        QTest::addColumn<Quilt::Element::States>("states");
        QTest::addColumn<QString>("which");
        QTest::addColumn<QColor>("light");
        QTest::addColumn<QColor>("dark");

        const Link window { QStringLiteral("ApplicationWindow") };
        const Link inactiveWindow { QStringLiteral("ApplicationWindow"), { QStringLiteral("inactive") } };
        const Link button { QStringLiteral("Button") };
        const Link table { QStringLiteral("TableView") };
        const Link item { QStringLiteral("ItemViewItem") };
        const auto row = [](const char* name, const QList<Link>& links, Quilt::Element::States states,
                            const char* which, const char* light, const char* dark) {
            QTest::newRow(name) << links << states << QString::fromLatin1(which) << QColor::fromString(light)
                                << QColor::fromString(dark);
        };
        row("window", { window }, {}, "background", "#eff0f1", "#202326");
        row("window text", { window }, {}, "text", "#232629", "#fcfcfc");
        row("button face", { window, button }, {}, "background", "#fcfcfc", "#292c30");
        row("button text", { window, button }, {}, "text", "#232629", "#fcfcfc");
        row("button frame", { window, button }, {}, "border", "#85888b", "#9a9c9e");
        row("button pressed face", { window, button }, State::Pressed, "background", "#d6ecf8", "#293945");
        row("button disabled face", { window, button }, State::Disabled, "background", "#f3f4f4", "#24272b");
        row("button disabled text", { window, button }, State::Disabled, "text", "#a0a2a4", "#6e7175");
        row("button keyboard focus", { window, button }, State::VisualFocus, "border", "#2980b9", "#1f5a80");
        row("text field", { window, { QStringLiteral("TextField") } }, {}, "background", "#ffffff", "#141618");
        row("text field focused", { window, { QStringLiteral("TextField") } }, State::ActiveFocus, "border", "#3daee9",
            "#3daee9");
        row("frame", { window, { QStringLiteral("Frame") } }, {}, "border", "#c8cacc", "#3d4043");
        row("view item selected", { window, table, item }, State::Highlighted, "background", "#cde6f5", "#192c39");
        row("view item selected text", { window, table, item }, State::Highlighted, "text", "#232629", "#fcfcfc");
        row("inactive window", { inactiveWindow }, {}, "text", "#232629", "#dcdee0");
        row("inactive view item selected", { inactiveWindow, table, item }, State::Highlighted, "background", "#cde6f5",
            "#1d252b");
        row("menu item highlighted", { window, { QStringLiteral("Menu") }, { QStringLiteral("MenuItem") } },
            State::Highlighted, "background", "#d3eaf8", "#182833");
        row("header section", { window, { QStringLiteral("HeaderView") }, { QStringLiteral("HeaderViewDelegate") } },
            {}, "background", "#f5f6f6", "#25282c");
        row("tool tip", { { QStringLiteral("ToolTip") } }, {}, "background", "#fcfcdc", "#292c30");
    }

    void schemeColors()
    {
        QFETCH(QList<Link>, links);
        QFETCH(Quilt::Element::States, states);
        QFETCH(QString, which);
        QFETCH(QColor, light);
        QFETCH(QColor, dark);

        const Quilt::ElementChain chain = makeChain(links, states, {});
        useScheme(QString());
        QUILT_COMPARE_COLOR(queriedColor(chain, which), light);
        useScheme(DarkScheme);
        QUILT_COMPARE_COLOR(queriedColor(chain, which), dark);
        useScheme(QString());
        QUILT_COMPARE_COLOR(queriedColor(chain, which), light);
    }

    // The palette that Qt's own painting reads turns dark with the scheme,
    // and light again.
    void applicationPaletteFollowsScheme()
    {
        useScheme(QString());
        QPalette palette = QApplication::palette();
        QUILT_COMPARE_COLOR(palette.color(QPalette::Window), QColor(0xef, 0xf0, 0xf1));
        QUILT_COMPARE_COLOR(palette.color(QPalette::Base), QColor(0xfc, 0xfc, 0xfc));
        QUILT_COMPARE_COLOR(palette.color(QPalette::Text), QColor(0x23, 0x26, 0x29));

        useScheme(DarkScheme);
        palette = QApplication::palette();
        QUILT_COMPARE_COLOR(palette.color(QPalette::Window), QColor(0x20, 0x23, 0x26));
        QUILT_COMPARE_COLOR(palette.color(QPalette::WindowText), QColor(0xfc, 0xfc, 0xfc));
        QUILT_COMPARE_COLOR(palette.color(QPalette::Base), QColor(0x14, 0x16, 0x18));
        QUILT_COMPARE_COLOR(palette.color(QPalette::Text), QColor(0xfc, 0xfc, 0xfc));
        QUILT_COMPARE_COLOR(palette.color(QPalette::Button), QColor(0x29, 0x2c, 0x30));
        QUILT_COMPARE_COLOR(palette.color(QPalette::ButtonText), QColor(0xfc, 0xfc, 0xfc));
        // Selected text: the accent lightened towards the text, under the
        // field's colour.
        QUILT_COMPARE_COLOR(palette.color(QPalette::Highlight), QColor(0x7e, 0xa7, 0xc2));
        QUILT_COMPARE_COLOR(palette.color(QPalette::HighlightedText), QColor(0x14, 0x16, 0x18));
        QUILT_COMPARE_COLOR(palette.color(QPalette::Disabled, QPalette::Text), QColor(0x6e, 0x71, 0x75));
        // Links stay legible on the dark view (the default blue would not).
        for (const auto role : { QPalette::Link, QPalette::LinkVisited }) {
            const double ratio = contrast(palette.color(role), palette.color(QPalette::Base));
            QVERIFY2(ratio >= 4.5, qPrintable(palette.color(role).name() + u' ' + QString::number(ratio)));
        }
        QUILT_COMPARE_COLOR(palette.color(QPalette::Inactive, QPalette::Window), QColor(0x20, 0x23, 0x26));

        useScheme(QString());
        QUILT_COMPARE_COLOR(QApplication::palette().color(QPalette::Window), QColor(0xef, 0xf0, 0xf1));
    }

    // The palette's inactive group is what the rules give a widget in an
    // inactive window, not a copy of the active group: the dark scheme has
    // inactive colours of its own, and each group takes its own.
    void paletteGroups_data()
    {
        QTest::addColumn<QPalette::ColorRole>("role");
        QTest::addColumn<QColor>("active");
        QTest::addColumn<QColor>("inactive");
        const QColor text(0xfc, 0xfc, 0xfc);
        const QColor inactiveText(0xdc, 0xde, 0xe0);
        QTest::newRow("window text") << QPalette::WindowText << text << inactiveText;
        QTest::newRow("field text") << QPalette::Text << text << inactiveText;
        QTest::newRow("button text") << QPalette::ButtonText << text << inactiveText;
        QTest::newRow("selection") << QPalette::Highlight << QColor(0x7e, 0xa7, 0xc2) << QColor(0x7b, 0x8a, 0x97);
        QTest::newRow("selected text") << QPalette::HighlightedText << QColor(0x14, 0x16, 0x18)
                                       << QColor(0x14, 0x16, 0x18);
        QTest::newRow("field") << QPalette::Base << QColor(0x14, 0x16, 0x18) << QColor(0x14, 0x16, 0x18);
        QTest::newRow("window") << QPalette::Window << QColor(0x20, 0x23, 0x26) << QColor(0x20, 0x23, 0x26);
    }

    void paletteGroups()
    {
        QFETCH(QPalette::ColorRole, role);
        QFETCH(QColor, active);
        QFETCH(QColor, inactive);

        useScheme(DarkScheme);
        const QPalette palette = QApplication::palette();
        useScheme(QString());
        QUILT_COMPARE_COLOR(palette.color(QPalette::Active, role), active);
        QUILT_COMPARE_COLOR(palette.color(QPalette::Inactive, role), inactive);
    }

    // Qt draws a placeholder in the palette's faded text over the field: it
    // still reads at 4.5:1, in either scheme and either kind of window.
    void placeholderIsLegible_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QPalette::ColorGroup>("group");
        QTest::newRow("active") << QString() << QPalette::Active;
        QTest::newRow("inactive") << QString() << QPalette::Inactive;
        QTest::newRow("dark: active") << DarkScheme << QPalette::Active;
        QTest::newRow("dark: inactive") << DarkScheme << QPalette::Inactive;
    }

    void placeholderIsLegible()
    {
        QFETCH(QString, scheme);
        QFETCH(QPalette::ColorGroup, group);

        useScheme(scheme);
        const QPalette palette = QApplication::palette();
        useScheme(QString());
        const QColor field = palette.color(group, QPalette::Base);
        const QColor placeholder = palette.color(group, QPalette::PlaceholderText);
        QVERIFY(placeholder.alpha() > 0);
        const double a = placeholder.alphaF();
        const QColor drawn = QColor::fromRgbF(float(placeholder.redF() * a + field.redF() * (1 - a)),
                                              float(placeholder.greenF() * a + field.greenF() * (1 - a)),
                                              float(placeholder.blueF() * a + field.blueF() * (1 - a)));
        const double ratio = contrast(drawn, field);
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3:1").arg(drawn.name(), field.name()).arg(ratio, 0, 'f', 2)));
    }

    // Widgets on screen take the new colours once the scheme file is
    // rewritten and the palette changes.
    void runningWidgetsRestyle()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("scheme.colors"));
        QVERIFY(QuiltTest::writeFile(path, "[Scheme]\nFrameContrast=0.28\n"));
        useScheme(path);

        QWidget window;
        auto* button = new QPushButton(QStringLiteral("Button"), &window);
        auto* field = new QLineEdit(&window);
        // Painted from colours and step symbols that the style keeps between
        // paints: they must not outlive the scheme.
        auto* spin = new QSpinBox(&window);
        button->setGeometry(10, 10, 120, 32);
        field->setGeometry(10, 50, 160, 32);
        spin->setGeometry(10, 90, 100, 32);
        window.resize(200, 130);
        QVERIFY(QuiltWidgetTest::showAndWait(&window));
        const QPoint face(6, 16);
        const QPoint fieldGround(field->width() - 8, 16);
        const QPoint spinGround(3, 16);
        QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(button->grab().toImage(), face), QColor(0xfc, 0xfc, 0xfc));
        QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(field->grab().toImage(), fieldGround), QColor(0xfc, 0xfc, 0xfc));
        QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(spin->grab().toImage(), spinGround), QColor(0xfc, 0xfc, 0xfc));

        QFile dark(DarkScheme);
        QVERIFY(dark.open(QIODevice::ReadOnly));
        QVERIFY(QuiltTest::writeFile(path, dark.readAll()));
        useScheme(path);
        QTRY_VERIFY(QuiltWidgetTest::fuzzyColor(
            QuiltWidgetTest::colorAt(QuiltWidgetTest::grabImage(&window), button->geometry().topLeft() + face),
            QColor(0x29, 0x2c, 0x30)));
        QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(field->grab().toImage(), fieldGround), QColor(0x14, 0x16, 0x18));
        QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(spin->grab().toImage(), spinGround), QColor(0x14, 0x16, 0x18));
        QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(window.grab().toImage(), QPoint(190, 90)),
                            QColor(0x20, 0x23, 0x26));
        useScheme(QString());
    }

    // A palette that the application sets itself stays: the style makes its
    // own again only while the application keeps the style's.
    void applicationPaletteStays()
    {
        QPalette own = QApplication::palette();
        own.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
        QApplication::setPalette(own);
        useScheme(DarkScheme);
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
        useScheme(QString());
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    }
};

int main(int argc, char** argv)
{
    // The build's data folder (XDG_DATA_DIRS of the test) holds halcyon; a
    // private data home keeps a user's own styles out.
    QuiltTest::TemporaryXdg xdg;
    qputenv("QUILT_STYLE_NAME", "halcyon");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    previousHandler = qInstallMessageHandler(recordMessage);
    QApplication application(argc, argv);
    auto* style = new QuiltStyle;
    QApplication::setStyle(style);
    Quilt::StyleRegistry::instance()->defaultStyle();
    qInstallMessageHandler(previousHandler);
    buildMetricTable();
    tst_Halcyon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_halcyon.moc"
