#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOption>
#include <QTest>

#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;
using QuiltWidgetTest::iconColor;

namespace
{
const QColor MenuColor(0x30, 0x50, 0x70);
const QColor MenuBorderColor(0x10, 0x10, 0x10);
const QColor ItemColor(0x40, 0x60, 0x80);
const QColor SelectedColor(0xe0, 0x60, 0x20);
const QColor TextColor(0xf0, 0xf0, 0xf0);
const QColor ShortcutColor(0x20, 0xf0, 0x60);
const QColor SeparatorColor(0xf0, 0x20, 0xd0);
const QColor CheckColor(0x90, 0x20, 0x20);
const QColor RadioColor(0x20, 0x20, 0x90);
const QColor MenuBarColor(0x60, 0x90, 0x40);
const QColor MenuBarItemHoverColor(0xa0, 0x40, 0xa0);

QByteArray styleSheet()
{
    return R"(
ApplicationWindow { background-color: #d0d0d0; }
SmallIconSize { width: 16px; height: 16px; }
Menu { padding: 2px 8px 2px 4px; border: 2px solid #101010; background-color: #305070; }
MenuItem { padding: 2px 6px; spacing: 4px; height: 24px; background-color: #406080; color: #f0f0f0; }
MenuItem:hover { background-color: #e06020; }
MenuItem Indicator { width: 14px; height: 14px; }
MenuItem CheckBox Indicator { background-color: #902020; }
MenuItem RadioButton Indicator { background-color: #202090; }
MenuItem ShortcutText { color: #20f060; text-alignment-horizontal: end; }
MenuItem Arrow { width: 16px; height: 16px; layout-alignment-horizontal: end; }
MenuItem MenuSeparator { width: 120px; padding: 4px 0px; background-color: #f020d0; }
MenuBar { padding: 2px 6px 2px 2px; spacing: 3px; background-color: #609040; }
MenuBarItem { padding: 2px 4px; color: #f0f0f0; }
MenuBarItem:highlighted { background-color: #a040a0; }
)";
}

QIcon themeIcon(const char* name)
{
    return QIcon::fromTheme(QString::fromLatin1(name));
}

// A menu with every kind of item.
struct MenuFixture
{
    QMenu menu;
    QMenu submenu { QStringLiteral("More") };
    QAction* check = nullptr;
    QAction* radio = nullptr;
    QAction* icon = nullptr;
    QAction* shortcut = nullptr;
    QAction* separator = nullptr;
    QAction* section = nullptr;
    QActionGroup group { nullptr };

    MenuFixture()
    {
        check = menu.addAction(QStringLiteral("Check"));
        check->setCheckable(true);
        check->setChecked(true);
        radio = menu.addAction(QStringLiteral("Radio"));
        radio->setCheckable(true);
        group.addAction(radio);
        group.setExclusive(true);
        icon = menu.addAction(themeIcon("window-close-symbolic"), QStringLiteral("Close"));
        separator = menu.addSeparator();
        shortcut = menu.addAction(QStringLiteral("Open"));
        shortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
        section = menu.addSection(QStringLiteral("Section"));
        submenu.addAction(QStringLiteral("Inner"));
        menu.addMenu(&submenu);
    }

    QImage show()
    {
        menu.popup(QPoint(50, 50));
        if (!QTest::qWaitForWindowExposed(&menu)) {
            return {};
        }
        return QuiltWidgetTest::grabImage(&menu);
    }
};
} // namespace

// Menus and menu bars drawn and measured from the fixture style.
class tst_MenuElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuMetrics();
    void itemSizes_data();
    void itemSizes();
    void poppedUpMenu();
    void selectedItem();
    void noIconsInMenus();
    void actionFontChanged();
    void menuBar();
};

void tst_MenuElements::menuMetrics()
{
    QMenu menu;
    QStyle* style = QuiltWidgetTest::style();
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuHMargin, nullptr, &menu), 6);
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuVMargin, nullptr, &menu), 2);
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, &menu), 2);
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuDesktopFrameWidth, nullptr, &menu), 0);
    QStyleOption option;
    QCOMPARE(style->sizeFromContents(QStyle::CT_Menu, &option, QSize(33, 44), &menu), QSize(33, 44));
}

void tst_MenuElements::itemSizes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("checkType");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("expectedWidth");

    using Item = QStyleOptionMenuItem;
    // Contents 100 x 20; padding 6 left and right, spacing 4: 100 + 12 + 4 for
    // the text; half the horizontal padding off, padding on again: + 6.
    QTest::newRow("plain") << int(Item::Normal) << int(Item::NotCheckable) << false << 122;
    QTest::newRow("icon") << int(Item::Normal) << int(Item::NotCheckable) << true << 122 + 16 + 4;
    QTest::newRow("submenu") << int(Item::SubMenu) << int(Item::NotCheckable) << false << 122 + 16 + 4;
    // The check box and radio metrics are the common style's (-1: ask it).
    QTest::newRow("check") << int(Item::Normal) << int(Item::NonExclusive) << false << -1;
    QTest::newRow("radio") << int(Item::Normal) << int(Item::Exclusive) << false << -2;
}

void tst_MenuElements::itemSizes()
{
    QFETCH(int, type);
    QFETCH(int, checkType);
    QFETCH(bool, withIcon);
    QFETCH(int, expectedWidth);

    QStyle* style = QuiltWidgetTest::style();
    QStyleOptionMenuItem option;
    option.rect = QRect(0, 0, 200, 24);
    option.state = QStyle::State_Enabled;
    option.menuItemType = QStyleOptionMenuItem::MenuItemType(type);
    option.checkType = QStyleOptionMenuItem::CheckType(checkType);
    option.menuHasCheckableItems = checkType != QStyleOptionMenuItem::NotCheckable;
    option.text = QStringLiteral("Open");
    if (withIcon) {
        option.icon = themeIcon("window-close-symbolic");
        option.maxIconWidth = 16;
    }

    QCommonStyle common;
    if (expectedWidth == -1) {
        expectedWidth = 122 + common.pixelMetric(QStyle::PM_IndicatorWidth, &option)
            + common.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option) + 8;
    } else if (expectedWidth == -2) {
        expectedWidth = 122 + common.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option)
            + common.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option) + 8;
    }
    // The height: 20 less half the horizontal padding plus 2 + 2, at least 24.
    QCOMPARE(style->sizeFromContents(QStyle::CT_MenuItem, &option, QSize(100, 20), nullptr), QSize(expectedWidth, 24));
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, nullptr),
             type == QStyleOptionMenuItem::SubMenu ? 16 : 0);

    // An untitled separator is measured from the separator alone: its width
    // and its padding.
    QStyleOptionMenuItem separator = option;
    separator.menuItemType = QStyleOptionMenuItem::Separator;
    separator.text.clear();
    separator.icon = QIcon();
    QCOMPARE(style->sizeFromContents(QStyle::CT_MenuItem, &separator, QSize(100, 20), nullptr), QSize(120, 8));
}

void tst_MenuElements::poppedUpMenu()
{
    MenuFixture fixture;
    const QImage image = fixture.show();
    QVERIFY(!image.isNull());
    QMenu& menu = fixture.menu;

    // Panel and border; the margins hold the items 2 + 4 from the left.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(0, menu.height() / 2)), MenuBorderColor);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(3, menu.height() / 2)), MenuColor);
    const QRect checkRect = menu.actionGeometry(fixture.check);
    QCOMPARE(checkRect.left(), 2 + 6);
    QCOMPARE(menu.width() - checkRect.right() - 1, 2 + 6);
    QCOMPARE(checkRect.height(), 24);

    // The item face, and the check and radio indicators at its start.
    QUILT_COMPARE_COLOR(colorAt(image, checkRect.topLeft() + QPoint(2, 1)), ItemColor);
    QVERIFY(containsColor(image, checkRect.adjusted(0, 0, -checkRect.width() / 2, 0), CheckColor));
    const QRect radioRect = menu.actionGeometry(fixture.radio);
    QVERIFY(containsColor(image, radioRect.adjusted(0, 0, -radioRect.width() / 2, 0), RadioColor));
    QVERIFY(!containsColor(image, radioRect, CheckColor));

    // The icon.
    const QRect iconRect = menu.actionGeometry(fixture.icon);
    QVERIFY(containsColor(image, iconRect, iconColor("window-close-symbolic")));

    // The shortcut, right-aligned in its own colour; the item text stays left.
    const QRect shortcutRect = menu.actionGeometry(fixture.shortcut);
    const QRect right(shortcutRect.center().x(), shortcutRect.top(), shortcutRect.width() / 2, shortcutRect.height());
    const QRect left(shortcutRect.left(), shortcutRect.top(), shortcutRect.width() / 2, shortcutRect.height());
    QVERIFY(containsColor(image, right, ShortcutColor, 40));
    QVERIFY(!containsColor(image, left, ShortcutColor, 40));
    QVERIFY(containsColor(image, left, TextColor, 40));

    // The submenu arrow at the end.
    const QRect submenuRect = menu.actionGeometry(fixture.submenu.menuAction());
    const QRect arrowArea(submenuRect.right() - 6 - 16, submenuRect.top(), 16, submenuRect.height());
    QVERIFY(containsColor(image, arrowArea, iconColor("pan-end-symbolic")));

    // The plain separator: a bar one pixel high and as wide as the style says,
    // centred in the item.
    const QRect separatorRect = menu.actionGeometry(fixture.separator);
    int rows = 0;
    for (int y = separatorRect.top(); y <= separatorRect.bottom(); ++y) {
        rows += QuiltWidgetTest::fuzzyColor(colorAt(image, QPoint(separatorRect.center().x(), y)), SeparatorColor);
    }
    QCOMPARE(rows, 1);
    const int barTop = separatorRect.top() + 4;
    QCOMPARE(separatorRect.height(), 8);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(separatorRect.center().x() - 58, barTop)), SeparatorColor);
    QVERIFY(!QuiltWidgetTest::fuzzyColor(colorAt(image, QPoint(separatorRect.left() + 2, barTop)), SeparatorColor));
    // The titled one carries its title over the bar.
    const QRect sectionRect = menu.actionGeometry(fixture.section);
    QVERIFY(containsColor(image, sectionRect, TextColor, 40));
}

void tst_MenuElements::selectedItem()
{
    MenuFixture fixture;
    QVERIFY(!fixture.show().isNull());
    fixture.menu.setActiveAction(fixture.icon);
    const QImage image = QuiltWidgetTest::grabImage(&fixture.menu);
    const QRect selected = fixture.menu.actionGeometry(fixture.icon);
    const QRect other = fixture.menu.actionGeometry(fixture.shortcut);
    QUILT_COMPARE_COLOR(colorAt(image, selected.topLeft() + QPoint(2, 1)), SelectedColor);
    QUILT_COMPARE_COLOR(colorAt(image, other.topLeft() + QPoint(2, 1)), ItemColor);
}

void tst_MenuElements::noIconsInMenus()
{
    QApplication::setAttribute(Qt::AA_DontShowIconsInMenus, true);
    MenuFixture fixture;
    const QImage image = fixture.show();
    QApplication::setAttribute(Qt::AA_DontShowIconsInMenus, false);
    QVERIFY(!image.isNull());
    QVERIFY(!containsColor(image, fixture.menu.actionGeometry(fixture.icon), iconColor("window-close-symbolic")));
}

// Only an action's font changes: the row is measured and laid out in the new
// font, as a menu that had it from the start measures it.
void tst_MenuElements::actionFontChanged()
{
    QFont large = QApplication::font();
    large.setPixelSize(40);

    MenuFixture changed;
    QVERIFY(!changed.show().isNull());
    changed.shortcut->setFont(large);
    // Painted once more, so that the row's element meets the new font.
    QVERIFY(!QuiltWidgetTest::grabImage(&changed.menu).isNull());

    MenuFixture fresh;
    fresh.shortcut->setFont(large);
    QVERIFY(!fresh.show().isNull());

    QCOMPARE(changed.menu.actionGeometry(changed.shortcut).size(), fresh.menu.actionGeometry(fresh.shortcut).size());
    QCOMPARE(changed.menu.sizeHint(), fresh.menu.sizeHint());

    // The same through the style alone: one option object, the font its only
    // change.
    QStyle* style = QuiltWidgetTest::style();
    QStyleOptionMenuItem option;
    option.initFrom(&changed.menu);
    option.rect = QRect(0, 0, 300, 60);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.text = QStringLiteral("Open\tCtrl+O");
    const QSize contents(80, 20);
    const QSize before = style->sizeFromContents(QStyle::CT_MenuItem, &option, contents, &changed.menu);
    option.font = large;
    const QSize after = style->sizeFromContents(QStyle::CT_MenuItem, &option, contents, &changed.menu);
    option.font = QApplication::font();
    QVERIFY2(after.width() > before.width(),
             qPrintable(QStringLiteral("%1 then %2").arg(before.width()).arg(after.width())));
    QCOMPARE(style->sizeFromContents(QStyle::CT_MenuItem, &option, contents, &changed.menu), before);
}

void tst_MenuElements::menuBar()
{
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Quit"));
    window.menuBar()->addMenu(QStringLiteral("Edit"));
    window.setCentralWidget(new QWidget);
    window.resize(300, 120);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));

    QMenuBar* bar = window.menuBar();
    QStyle* style = QuiltWidgetTest::style();
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar), 4);
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, bar), 2);
    QCOMPARE(style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar), 3);

    const QRect fileRect = bar->actionGeometry(file->menuAction());
    QImage image = QuiltWidgetTest::grabImage(bar);
    // The bar behind the items and right of them.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(bar->width() - 3, bar->height() / 2)), MenuBarColor);
    QUILT_COMPARE_COLOR(colorAt(image, fileRect.topLeft() + QPoint(1, 1)), MenuBarColor);
    QVERIFY(containsColor(image, fileRect, TextColor, 40));

    // The highlighted item over the bar, its text over both.
    QStyleOptionMenuItem item;
    item.initFrom(bar);
    item.rect = QRect(0, 0, 60, 24);
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.text = QStringLiteral("File");
    const auto paintItem = [&](QStyle::State extra) {
        item.state = QStyle::State_Enabled | extra;
        return QuiltWidgetTest::paintImage(
            QSize(60, 24), [&](QPainter* painter) { style->drawControl(QStyle::CE_MenuBarItem, &item, painter, bar); });
    };
    image = paintItem(QStyle::State_None);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 1)), MenuBarColor);
    image = paintItem(QStyle::State_Selected);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 1)), MenuBarItemHoverColor);
    QVERIFY(containsColor(image, image.rect(), TextColor, 40));
}

QUILT_WIDGET_TEST_MAIN(tst_MenuElements, styleSheet())
#include "tst_menuelements.moc"
