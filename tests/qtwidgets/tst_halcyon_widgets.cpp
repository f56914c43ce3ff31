// Real widgets under the default style "halcyon" on a bare X server without an
// icon theme or a compositing manager, as a new user meets them: menu rows hold
// their text, arrows and buttons show without icons, keyboard focus shows,
// popups stay opaque, the palette follows the style and item views keep the
// look their data asks for.

#include <QActionGroup>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "compositing.h"
#include "contrast.h"
#include "directionrows.h"
#include "noicontheme.h"
#include "quiltstyle.h"
#include "styleregistry.h"
#include "testfixture.h"
#include "widgettest.h"

#include <cmath>
#include <functional>
#include <memory>

namespace
{
using QuiltTest::contrast;
using QuiltTest::luminance;

// Pixels in `rect` at 3:1 or more against `ground`: the ink of a symbol or of
// text drawn on it.
int inkIn(const QImage& image, const QRect& rect, const QColor& ground)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (contrast(image.pixelColor(x, y), ground) >= 3.0) {
                ++count;
            }
        }
    }
    return count;
}

bool showAndWait(QWidget* widget)
{
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}

QImage grab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// A window of its own that shows keyboard focus, as after a Tab press.
struct FocusWindow
{
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    QPushButton* other = new QPushButton(QStringLiteral("Elsewhere"));

    FocusWindow() { layout->addWidget(other); }

    bool show()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            return false;
        }
        return true;
    }
};
} // namespace

class tst_HalcyonWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(Quilt::StyleRegistry::instance()->defaultStyle());
        QuiltTest::clearIconTheme();
    }

    void menuRowsHoldTheirText()
    {
        QMenu menu;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        QAction* plain = menu.addAction(QStringLiteral("Quit"));
        plain->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
        plain->setShortcutVisibleInContextMenu(true);
        QAction* withIcon = menu.addAction(QIcon(pixmap), QStringLiteral("Open"));
        QAction* separator = menu.addSeparator();
        QMenu* sub = menu.addMenu(QStringLiteral("Recent"));
        sub->addAction(QStringLiteral("One"));
        QVERIFY(showAndWait(&menu));

        const int line = QFontMetrics(menu.font()).height();
        for (QAction* action : { plain, withIcon, sub->menuAction() }) {
            // The line plus halcyon's padding of 4 px above and below.
            QVERIFY2(menu.actionGeometry(action).height() >= line + 8,
                     qPrintable(QStringLiteral("%1: row %2, line %3")
                                    .arg(action->text())
                                    .arg(menu.actionGeometry(action).height())
                                    .arg(line)));
        }
        const QImage image = grab(&menu);
        const QColor ground = image.pixelColor(menu.width() / 2, menu.actionGeometry(plain).top() + 1);

        // The icon whole: its bottom row is still red.
        const QRect iconRow = menu.actionGeometry(withIcon);
        bool bottomRowRed = false;
        for (int x = iconRow.left(); x < iconRow.left() + 60; ++x) {
            const QColor c = image.pixelColor(x, iconRow.center().y() + 7);
            bottomRowRed = bottomRowRed || (c.red() > 200 && c.green() < 60);
        }
        QVERIFY(bottomRowRed);

        // The separator is a line across the row, not a dot.
        const QRect bar = menu.actionGeometry(separator);
        int longest = 0;
        for (int y = bar.top(); y <= bar.bottom(); ++y) {
            int run = 0;
            for (int x = bar.left(); x <= bar.right(); ++x) {
                run += contrast(image.pixelColor(x, y), ground) > 1.2 ? 1 : 0;
            }
            longest = std::max(longest, run);
        }
        QVERIFY2(longest > bar.width() / 2, qPrintable(QString::number(longest)));

        // The submenu shows its arrow at the row's end.
        const QRect subRow = menu.actionGeometry(sub->menuAction());
        QVERIFY(inkIn(image, QRect(subRow.right() - 24, subRow.top(), 24, subRow.height()), ground) > 4);
    }

    // An action in a font of its own is drawn whole in it; a section's
    // title stands before its line, not on it; the items of an exclusive
    // group are round.
    void menuItemsOfTheirOwn()
    {
        QMenu menu;
        QAction* bold = menu.addAction(QStringLiteral("Emphasised"));
        QFont font = menu.font();
        font.setBold(true);
        bold->setFont(font);
        QAction* section = menu.addSection(QStringLiteral("Alignment"));
        auto* group = new QActionGroup(&menu);
        QAction* left = menu.addAction(QStringLiteral("Left Align"));
        left->setCheckable(true);
        left->setChecked(true);
        group->addAction(left);
        group->addAction(menu.addAction(QStringLiteral("Right Align")))->setCheckable(true);
        QVERIFY(showAndWait(&menu));
        const QImage image = grab(&menu);
        const QColor ground = image.pixelColor(menu.width() / 2, menu.actionGeometry(bold).top() + 1);

        // The ink of a row's text from its first column to its last.
        const auto inkSpan = [&](const QRect& row) {
            int first = -1;
            int last = -1;
            for (int x = row.left(); x <= row.right(); ++x) {
                if (inkIn(image, QRect(x, row.top(), 1, row.height()), ground) > 0) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
            return std::pair(first, last);
        };
        const QRect boldRow = menu.actionGeometry(bold);
        const auto [boldFirst, boldLast] = inkSpan(boldRow);
        const int advance = QFontMetrics(font).horizontalAdvance(bold->text());
        QVERIFY2(boldLast - boldFirst >= advance - 3,
                 qPrintable(QStringLiteral("%1 of %2").arg(boldLast - boldFirst).arg(advance)));

        // The line runs from after the title to the row's end.
        const QRect sectionRow = menu.actionGeometry(section);
        const int lineX = sectionRow.right() - 10;
        int lineY = -1;
        for (int y = sectionRow.top(); y <= sectionRow.bottom() && lineY < 0; ++y) {
            lineY = contrast(image.pixelColor(lineX, y), ground) > 1.1 ? y : -1;
        }
        QVERIFY(lineY >= 0);
        int lineStart = lineX;
        while (lineStart > sectionRow.left() && contrast(image.pixelColor(lineStart - 1, lineY), ground) > 1.1) {
            --lineStart;
        }
        QFont titleFont = menu.font();
        titleFont.setBold(true);
        const int titleFirst = inkSpan(sectionRow).first;
        QVERIFY2(lineStart > titleFirst + QFontMetrics(titleFont).horizontalAdvance(section->text()) - 3,
                 qPrintable(QStringLiteral("line from %1, title from %2").arg(lineStart).arg(titleFirst)));

        // The checked item's indicator is a disc in the accent colour: the
        // corner of the box around it shows the menu.
        const QRect leftRow = menu.actionGeometry(left);
        // The accent of the default scheme: the palette's highlight is the
        // deeper colour of selected text.
        const QColor accent(0x3d, 0xae, 0xe9);
        QRect disc;
        for (int y = leftRow.top(); y <= leftRow.bottom(); ++y) {
            for (int x = leftRow.left(); x < leftRow.left() + 40; ++x) {
                if (contrast(image.pixelColor(x, y), accent) < 1.2) {
                    disc |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY2(disc.width() >= 10 && disc.height() >= 10,
                 qPrintable(QStringLiteral("%1 x %2").arg(disc.width()).arg(disc.height())));
        QVERIFY2(contrast(image.pixelColor(disc.topLeft() + QPoint(1, 1)), ground) < 1.2,
                 qPrintable(image.pixelColor(disc.topLeft() + QPoint(1, 1)).name()));
    }

    // A closed branch points along the reading direction, whatever name the
    // style gives its arrow: the arrow's broad side faces the start of the
    // line, its tip the end.
    void treeBranchPointsAlongReading_data() { QuiltTest::directionRows(); }

    void treeBranchPointsAlongReading()
    {
        QFETCH(Qt::LayoutDirection, direction);
        // A theme whose closed arrow points right, as every theme draws it.
        QTemporaryDir themes;
        const QString folder = themes.path() + QStringLiteral("/arrows");
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/icons")));
        QFile index(folder + QStringLiteral("/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Arrows\nDirectories=icons\n\n[icons]\nSize=16\nType=Scalable\n");
        index.close();
        QImage arrow(16, 16, QImage::Format_ARGB32_Premultiplied);
        arrow.fill(Qt::transparent);
        {
            QPainter painter(&arrow);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawPolygon(QPolygon({ QPoint(5, 3), QPoint(12, 8), QPoint(5, 13) }));
        }
        QVERIFY(arrow.save(folder + QStringLiteral("/icons/pan-end-symbolic.png")));
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        QIcon::setThemeSearchPaths({ themes.path() });
        QIcon::setThemeName(QStringLiteral("arrows"));
        const auto restore = qScopeGuard([&] {
            QIcon::setThemeSearchPaths(searchPaths);
            QIcon::setThemeName(themeName);
        });
        QVERIFY(!QIcon::fromTheme(QStringLiteral("pan-end-symbolic")).isNull());

        QTreeWidget tree;
        tree.setLayoutDirection(direction);
        tree.setHeaderHidden(true);
        auto* parent = new QTreeWidgetItem(&tree, { QStringLiteral("Parent") });
        new QTreeWidgetItem(parent, { QStringLiteral("Child") });
        tree.resize(200, 100);
        QVERIFY(showAndWait(&tree));
        const QRect row = tree.visualItemRect(parent);
        const QRect branch = QStyle::visualRect(direction, tree.viewport()->rect(),
                                                QRect(0, row.top(), tree.indentation(), row.height()));
        const QImage image = grab(tree.viewport());
        const QColor ground = image.pixelColor(branch.topLeft());
        // Ink per column of the branch, then the columns where ink starts and
        // ends: a right-pointing arrow is tallest at its first column.
        QList<int> heights;
        for (int x = branch.left(); x <= branch.right(); ++x) {
            int ink = 0;
            for (int y = branch.top(); y <= branch.bottom(); ++y) {
                ink += QuiltWidgetTest::fuzzyColor(image.pixelColor(x, y), ground, 40) ? 0 : 1;
            }
            heights.append(ink);
        }
        const auto first = std::find_if(heights.cbegin(), heights.cend(), [](int h) { return h > 0; });
        const auto last = std::find_if(heights.crbegin(), heights.crend(), [](int h) { return h > 0; });
        QVERIFY(first != heights.cend());
        const bool pointsRight = *first > *last;
        QVERIFY2(pointsRight == (direction == Qt::LeftToRight),
                 qPrintable(QStringLiteral("first column %1, last %2").arg(*first).arg(*last)));
    }

    // Without any icon theme every arrow and button still shows.
    void symbolsWithoutIconTheme_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        const char* names[]
            = { "combo box",        "spin box",         "spin box, plus and minus", "tree branch",
                "tab close button", "tool button menu", "push button menu",         "header sort arrow" };
        for (int i = 0; i < int(std::size(names)); ++i) {
            QTest::newRow(names[i]) << i << Qt::LeftToRight;
            QTest::newRow(qPrintable(QStringLiteral("%1, right to left").arg(QLatin1StringView(names[i]))))
                << i << Qt::RightToLeft;
        }
    }

    void symbolsWithoutIconTheme()
    {
        QFETCH(int, kind);
        QFETCH(Qt::LayoutDirection, direction);

        QWidget window;
        window.setLayoutDirection(direction);
        auto* layout = new QVBoxLayout(&window);
        QWidget* target = nullptr;
        // Where the symbol must be, in the target's coordinates.
        std::function<QRect()> place;
        QStandardItemModel model(2, 1);
        switch (kind) {
        case 0: {
            auto* combo = new QComboBox;
            combo->addItems({ QStringLiteral("One"), QStringLiteral("Two") });
            target = combo;
            place = [combo] {
                QStyleOptionComboBox option;
                option.initFrom(combo);
                option.subControls = QStyle::SC_All;
                return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
            };
            break;
        }
        case 1:
        case 2: {
            auto* spin = new QSpinBox;
            if (kind == 2) {
                spin->setButtonSymbols(QAbstractSpinBox::PlusMinus);
            }
            spin->setValue(5);
            target = spin;
            place = [spin] {
                QStyleOptionSpinBox option;
                option.initFrom(spin);
                option.subControls = QStyle::SC_All;
                return spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
            };
            break;
        }
        case 3: {
            auto* tree = new QTreeWidget;
            tree->setHeaderHidden(true);
            auto* parent = new QTreeWidgetItem(tree, { QStringLiteral("Parent") });
            new QTreeWidgetItem(parent, { QStringLiteral("Child") });
            target = tree->viewport();
            layout->addWidget(tree);
            place = [tree, parent] {
                const QRect row = tree->visualItemRect(parent);
                const int indent = tree->indentation();
                return QStyle::visualRect(tree->layoutDirection(), tree->viewport()->rect(),
                                          QRect(0, row.top(), indent, row.height()));
            };
            break;
        }
        case 4: {
            auto* bar = new QTabBar;
            bar->setTabsClosable(true);
            bar->addTab(QStringLiteral("Table"));
            bar->addTab(QStringLiteral("Chart"));
            const QTabBar::ButtonPosition side = static_cast<QTabBar::ButtonPosition>(
                bar->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, bar));
            layout->addWidget(bar);
            target = bar->tabButton(0, side);
            place = [target] {
                return target->rect();
            };
            break;
        }
        case 5: {
            auto* button = new QToolButton;
            button->setText(QStringLiteral("Tool"));
            button->setPopupMode(QToolButton::MenuButtonPopup);
            button->setMenu(new QMenu(button));
            target = button;
            place = [button] {
                QStyleOptionToolButton option;
                option.initFrom(button);
                option.subControls = QStyle::SC_All;
                option.features = QStyleOptionToolButton::MenuButtonPopup | QStyleOptionToolButton::HasMenu;
                return button->style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu,
                                                       button);
            };
            break;
        }
        case 6: {
            auto* button = new QPushButton(QStringLiteral("Menu"));
            button->setMenu(new QMenu(button));
            target = button;
            place = [button] {
                // The arrow sits at the end of the button.
                const QRect end(button->width() - 24, 0, 24, button->height());
                return QStyle::visualRect(button->layoutDirection(), button->rect(), end);
            };
            break;
        }
        case 7: {
            auto* view = new QTableView;
            view->setModel(&model);
            model.setHorizontalHeaderLabels({ QStringLiteral("Name") });
            view->horizontalHeader()->setStretchLastSection(true);
            view->setSortingEnabled(true);
            view->sortByColumn(0, Qt::AscendingOrder);
            layout->addWidget(view);
            target = view->horizontalHeader();
            place = [view] {
                QHeaderView* header = view->horizontalHeader();
                const QRect end(header->width() - 30, 0, 30, header->height());
                return QStyle::visualRect(view->layoutDirection(), header->rect(), end);
            };
            break;
        }
        }
        if (!target->parentWidget()) {
            layout->addWidget(target);
        }
        window.resize(260, kind == 3 || kind == 7 ? 160 : 80);
        QVERIFY(showAndWait(&window));

        const QImage image = grab(target);
        const QRect where = place();
        QVERIFY(!where.isEmpty());
        // Ground: the symbol's place at its corner, inside any frame.
        const QColor ground
            = image.pixelColor(where.center().x(), where.top() + 1 < image.height() ? where.top() + 1 : 0);
        QVERIFY2(inkIn(image, where.adjusted(1, 1, -1, -1), ground) >= 3,
                 qPrintable(QStringLiteral("nothing drawn in (%1, %2, %3 x %4)")
                                .arg(where.x())
                                .arg(where.y())
                                .arg(where.width())
                                .arg(where.height())));
    }

    // Each focusable widget looks different with keyboard focus than without,
    // and than under the mouse.
    void keyboardFocusShows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("push button") << 0;
        QTest::newRow("check box") << 1;
        QTest::newRow("checked check box") << 2;
        QTest::newRow("radio button") << 3;
        QTest::newRow("tool button") << 4;
        QTest::newRow("menu button") << 5;
        QTest::newRow("checked toggle button") << 6;
        QTest::newRow("checkable group box") << 7;
    }

    void keyboardFocusShows()
    {
        QFETCH(int, kind);
        FocusWindow focus;
        QWidget* widget = nullptr;
        switch (kind) {
        case 0:
            widget = new QPushButton(QStringLiteral("Push"));
            break;
        case 1:
        case 2: {
            auto* box = new QCheckBox(QStringLiteral("Check"));
            box->setChecked(kind == 2);
            widget = box;
            break;
        }
        case 3:
            widget = new QRadioButton(QStringLiteral("Radio"));
            break;
        case 4: {
            auto* tool = new QToolButton;
            tool->setText(QStringLiteral("Tool"));
            tool->setFocusPolicy(Qt::StrongFocus);
            widget = tool;
            break;
        }
        case 5: {
            auto* button = new QPushButton(QStringLiteral("Menu"));
            button->setMenu(new QMenu(button));
            widget = button;
            break;
        }
        case 6: {
            auto* button = new QPushButton(QStringLiteral("Toggle"));
            button->setCheckable(true);
            button->setChecked(true);
            widget = button;
            break;
        }
        case 7: {
            auto* group = new QGroupBox(QStringLiteral("Group"));
            group->setCheckable(true);
            group->setMinimumSize(120, 60);
            widget = group;
            break;
        }
        }
        focus.layout->addWidget(widget);
        QVERIFY(focus.show());
        focus.other->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(focus.other->hasFocus());
        // Tab onto the widget and back, as a user does.
        QTest::keyClick(focus.other, Qt::Key_Tab);
        QTRY_VERIFY(widget->hasFocus());
        const QImage focused = grab(widget);
        QTest::keyClick(widget, Qt::Key_Backtab);
        QTRY_VERIFY(focus.other->hasFocus());
        const QImage plain = grab(widget);
        QVERIFY2(plain != focused, "keyboard focus changed no pixel");

        // Hover without focus is another look.
        widget->setAttribute(Qt::WA_UnderMouse, true);
        QStyleOption probe;
        probe.initFrom(widget);
        QVERIFY(probe.state & QStyle::State_MouseOver);
        const QImage hovered = grab(widget);
        widget->setAttribute(Qt::WA_UnderMouse, false);
        QVERIFY2(hovered != focused, "keyboard focus looks like hover");
    }

    void popupsOpaqueWithoutCompositor()
    {
        QVERIFY2(!platformComposites(), "this test wants an X server without a compositing manager");
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        menu.addAction(QStringLiteral("Two"));
        QVERIFY(showAndWait(&menu));
        QVERIFY(!menu.testAttribute(Qt::WA_TranslucentBackground));
        const QImage image = grab(&menu);
        const QColor window = qApp->palette().color(QPalette::Window);
        for (const QPoint corner : { QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                                     QPoint(image.width() - 1, image.height() - 1) }) {
            const QColor c = image.pixelColor(corner);
            QCOMPARE(c.alpha(), 255);
            // Square: the corner pixel is the frame, never the dark or the
            // window colour behind a rounded corner.
            QVERIFY2(luminance(c) > 0.2 && c != window, qPrintable(c.name()));
        }

        QComboBox combo;
        combo.addItems({ QStringLiteral("One"), QStringLiteral("Two") });
        QVERIFY(showAndWait(&combo));
        combo.showPopup();
        QWidget* container = combo.view()->parentWidget();
        QTRY_VERIFY(container->isVisible());
        QVERIFY(!container->testAttribute(Qt::WA_TranslucentBackground));
        combo.hidePopup();
    }

    // The plain arrow icons (a calendar's month buttons) and a dialog's close
    // icon are the style's symbols in their colours, which follow the scheme,
    // not black ones that vanish on a dark surface.
    void symbolIconsAreTheStyles()
    {
        QPushButton button;
        // The most opaque pixel: the ink.
        const auto ink = [](const QImage& image) {
            QColor result;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (!result.isValid() || c.alpha() > result.alpha()) {
                        result = c;
                    }
                }
            }
            return result;
        };
        const std::pair<QStyle::StandardPixmap, QStyle::PrimitiveElement> arrows[] = {
            { QStyle::SP_ArrowLeft, QStyle::PE_IndicatorArrowLeft },
            { QStyle::SP_ArrowRight, QStyle::PE_IndicatorArrowRight },
            { QStyle::SP_ArrowUp, QStyle::PE_IndicatorArrowUp },
            { QStyle::SP_ArrowDown, QStyle::PE_IndicatorArrowDown },
            { QStyle::SP_DialogCloseButton, QStyle::PE_IndicatorTabClose },
        };
        for (const auto& [pixmap, primitive] : arrows) {
            const QColor icon = ink(button.style()->standardIcon(pixmap, nullptr, &button).pixmap(16, 16).toImage());
            QImage drawn(16, 16, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            {
                QPainter painter(&drawn);
                QStyleOption option;
                option.initFrom(&button);
                option.rect = drawn.rect();
                button.style()->drawPrimitive(primitive, &option, &painter, &button);
            }
            const QColor arrow = ink(drawn);
            QVERIFY2(icon.alpha() > 200 && contrast(icon, arrow) < 1.1,
                     qPrintable(icon.name(QColor::HexArgb) + QStringLiteral(" vs ") + arrow.name(QColor::HexArgb)));
        }

        // Asked again for the same widget as it was, the style hands back the
        // icon it drew; a widget changed is drawn for anew.
        QStyle* style = button.style();
        const qint64 first = style->standardIcon(QStyle::SP_ArrowLeft, nullptr, &button).cacheKey();
        QCOMPARE(style->standardIcon(QStyle::SP_ArrowLeft, nullptr, &button).cacheKey(), first);
        button.setEnabled(false);
        QVERIFY(style->standardIcon(QStyle::SP_ArrowLeft, nullptr, &button).cacheKey() != first);
        button.setEnabled(true);
        button.setLayoutDirection(Qt::RightToLeft);
        QVERIFY(style->standardIcon(QStyle::SP_ArrowLeft, nullptr, &button).cacheKey() != first);
    }

    // A tool tip keeps its text off its frame by the frame and the padding.
    void toolTipTextOffItsFrame()
    {
        QWidget anchor;
        QVERIFY(showAndWait(&anchor));
        QToolTip::showText(anchor.mapToGlobal(QPoint(10, 10)), QStringLiteral("MMMM tip"), &anchor);
        QWidget* tip = nullptr;
        QTRY_VERIFY((tip = [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->inherits("QTipLabel") && widget->isVisible()) {
                    return widget;
                }
            }
            return static_cast<QWidget*>(nullptr);
        }()));
        const QImage image = grab(tip);
        QToolTip::hideText();
        const QColor ground = qApp->palette().color(QPalette::ToolTipBase);
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (contrast(image.pixelColor(x, y), ground) >= 3.0) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        // Halcyon's border of 1 and padding of 4 by 6.
        QVERIFY2(ink.left() >= 5 && ink.top() >= 4 && image.width() - 1 - ink.right() >= 5,
                 qPrintable(QStringLiteral("text at %1, %2 .. %3 in %4 x %5")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(image.width())
                                .arg(image.height())));
    }

    // Translucent under a compositor, a combo box's list has no ground but
    // the one its frame paints: the frame fills it.
    void comboListFrameFillsItsGround()
    {
        QComboBox combo;
        combo.addItems({ QStringLiteral("One"), QStringLiteral("Two") });
        QVERIFY(showAndWait(&combo));
        combo.showPopup();
        auto* container = qobject_cast<QFrame*>(combo.view()->parentWidget());
        QVERIFY(container);
        QTRY_VERIFY(container->isVisible());
        QStyleOptionFrame option;
        option.initFrom(container);
        option.rect = container->rect();
        option.frameShape = container->frameShape();
        option.lineWidth = container->lineWidth();
        option.midLineWidth = container->midLineWidth();
        QImage image(container->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            container->style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, container);
        }
        combo.hidePopup();
        const QColor centre = image.pixelColor(image.rect().center());
        QCOMPARE(centre.alpha(), 255);
        QVERIFY2(contrast(centre, qApp->palette().color(QPalette::Base)) < 1.1, qPrintable(centre.name()));
    }

    // Under a dark desktop palette the application's palette comes from the
    // style: every text role stays legible on its own surface.
    void paletteFollowsTheStyle_data()
    {
        QTest::addColumn<QPalette::ColorGroup>("group");
        QTest::addColumn<QPalette::ColorRole>("text");
        QTest::addColumn<QPalette::ColorRole>("surface");
        for (const auto group : { QPalette::Active, QPalette::Inactive }) {
            const QString name = group == QPalette::Active ? QStringLiteral("active") : QStringLiteral("inactive");
            const auto row = [&](const char* what, QPalette::ColorRole text, QPalette::ColorRole surface) {
                QTest::newRow(qPrintable(name + u' ' + QLatin1StringView(what))) << group << text << surface;
            };
            row("window text", QPalette::WindowText, QPalette::Window);
            row("field text", QPalette::Text, QPalette::Base);
            row("alternate row text", QPalette::Text, QPalette::AlternateBase);
            row("button text", QPalette::ButtonText, QPalette::Button);
            row("selected text", QPalette::HighlightedText, QPalette::Highlight);
            row("tool tip text", QPalette::ToolTipText, QPalette::ToolTipBase);
            row("link", QPalette::Link, QPalette::Base);
        }
    }

    void paletteFollowsTheStyle()
    {
        QFETCH(QPalette::ColorGroup, group);
        QFETCH(QPalette::ColorRole, text);
        QFETCH(QPalette::ColorRole, surface);

        QPalette dark;
        for (const auto g : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
            for (const auto role : { QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                                     QPalette::ToolTipBase, QPalette::Highlight }) {
                dark.setColor(g, role, QColor(0x20, 0x22, 0x24));
            }
            for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                                     QPalette::HighlightedText, QPalette::PlaceholderText }) {
                dark.setColor(g, role, QColor(0xee, 0xee, 0xee));
            }
        }
        QApplication::setPalette(dark);
        qApp->style()->polish(qApp);
        const QPalette palette = QApplication::palette();
        const double ratio = contrast(palette.color(group, text), palette.color(group, surface));
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3:1")
                                .arg(palette.color(group, text).name(), palette.color(group, surface).name())
                                .arg(ratio, 0, 'f', 2)));

        // And a label, a field and a view item drawn on the style's surfaces.
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* label = new QLabel(QStringLiteral("Label text MMMM"));
        layout->addWidget(label);
        QVERIFY(showAndWait(&window));
        const QImage image = grab(label);
        QVERIFY(inkIn(image, image.rect(), palette.color(QPalette::Active, QPalette::Window)) > 20);
    }

    void defaultButtonOnly()
    {
        // Inside a dialog, which makes every button an automatic default; the
        // focus in a field, so that no button stands in as the default.
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* field = new QLineEdit;
        layout->addWidget(field);
        auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        layout->addWidget(box);
        QPushButton* ok = box->button(QDialogButtonBox::Ok);
        QPushButton* cancel = box->button(QDialogButtonBox::Cancel);
        ok->setDefault(true);
        QVERIFY(cancel->autoDefault());
        QVERIFY(showAndWait(&dialog));
        field->setFocus();
        const QPoint face(4, ok->height() / 2);
        QTRY_VERIFY2(grab(ok).pixelColor(face) != grab(cancel).pixelColor(face), "the default button is not marked");
        // An automatic default without focus looks like a plain button.
        QPushButton plain(QStringLiteral("Plain"));
        layout->addWidget(&plain);
        plain.setAutoDefault(false);
        QTRY_COMPARE(grab(cancel).pixelColor(face), grab(&plain).pixelColor(face));
    }

    // A tab sized for its text shows it whole, a mnemonic inside the word
    // included ("Tab&le" read "Ta..." once).
    void tabTextWhole()
    {
        QTabBar bar;
        bar.setElideMode(Qt::ElideRight);
        bar.addTab(QStringLiteral("Table"));
        bar.addTab(QStringLiteral("Tab&le"));
        QVERIFY(showAndWait(&bar));
        const QImage image = grab(&bar);
        const QColor ground = image.pixelColor(bar.tabRect(1).left() + 3, bar.tabRect(1).center().y());
        const int plain = inkIn(image, bar.tabRect(0).adjusted(2, 2, -2, -2), ground);
        const int mnemonic = inkIn(image, bar.tabRect(1).adjusted(2, 2, -2, -2), ground);
        QCOMPARE(bar.tabRect(0).width(), bar.tabRect(1).width());
        QVERIFY2(std::abs(plain - mnemonic) * 10 < plain,
                 qPrintable(QStringLiteral("%1 vs %2").arg(plain).arg(mnemonic)));
    }

    // Tabs keep their padding around the text on both axes, upright or
    // along a side: the text's line never touches the tab's edges.
    void tabsRoomAroundText_data()
    {
        QTest::addColumn<QTabBar::Shape>("shape");
        QTest::newRow("north") << QTabBar::RoundedNorth;
        QTest::newRow("west") << QTabBar::RoundedWest;
    }

    void tabsRoomAroundText()
    {
        QFETCH(QTabBar::Shape, shape);
        QTabBar bar;
        bar.setShape(shape);
        bar.addTab(QStringLiteral("Tree View"));
        QVERIFY(showAndWait(&bar));
        const bool vertical = shape == QTabBar::RoundedWest;
        const QRect tab = bar.tabRect(0);
        const int thickness = vertical ? tab.width() : tab.height();
        const int length = vertical ? tab.height() : tab.width();
        const QFontMetrics metrics = bar.fontMetrics();
        QVERIFY2(thickness >= metrics.height() + 8, qPrintable(QString::number(thickness)));
        QVERIFY2(length >= metrics.horizontalAdvance(QStringLiteral("Tree View")) + 16,
                 qPrintable(QString::number(length)));
    }

    // A dial shows a face and a handle that follows the value to where the
    // pointer set it.
    void dialFaceAndHandle_data()
    {
        QTest::addColumn<QPointF>("click");
        QTest::newRow("top") << QPointF(0.5, 0.1);
        QTest::newRow("right") << QPointF(0.9, 0.5);
        QTest::newRow("left") << QPointF(0.1, 0.5);
    }

    void dialFaceAndHandle()
    {
        QFETCH(QPointF, click);
        QDial dial;
        dial.setRange(0, 100);
        dial.setNotchesVisible(true);
        dial.setFixedSize(100, 100);
        QVERIFY(showAndWait(&dial));
        const QPoint point(int(click.x() * dial.width()), int(click.y() * dial.height()));
        QTest::mouseClick(&dial, Qt::LeftButton, {}, point);
        const QImage image = grab(&dial);
        const QColor accent(QStringLiteral("#3daee9"));
        const QColor face(QStringLiteral("#fcfcfc"));
        QVERIFY(QuiltWidgetTest::fuzzyColor(image.pixelColor(50, 50), face));
        // The handle lies between the centre and the clicked point, not
        // across from it.
        const QPoint centre(50, 50);
        const QPoint toward = centre + (point - centre) * 4 / 5;
        const QPoint across = centre - (point - centre) * 4 / 5;
        QVERIFY2(QuiltWidgetTest::containsColor(image, QRect(toward - QPoint(8, 8), QSize(17, 17)), accent),
                 qPrintable(QStringLiteral("value %1").arg(dial.value())));
        QVERIFY(!QuiltWidgetTest::containsColor(image, QRect(across - QPoint(8, 8), QSize(17, 17)), accent));
    }

    // The calendar draws its selected day selected, and its header cells hold
    // their whole text at the calendar's smallest size.
    void calendar()
    {
        QCalendarWidget calendar;
        calendar.setSelectedDate(QDate(2026, 12, 10));
        calendar.resize(calendar.minimumSizeHint());
        QVERIFY(showAndWait(&calendar));
        auto* view = calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(view);
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        const QImage image = grab(view->viewport());
        const QRect cell = view->visualRect(selected.first());
        QVERIFY(QuiltWidgetTest::fuzzyColor(image.pixelColor(cell.topLeft() + QPoint(2, 2)), QColor(0xcd, 0xe6, 0xf5)));
        const QRect other = view->visualRect(selected.first().siblingAtColumn(selected.first().column() == 1 ? 2 : 1));
        QVERIFY(
            !QuiltWidgetTest::fuzzyColor(image.pixelColor(other.topLeft() + QPoint(2, 2)), QColor(0xcd, 0xe6, 0xf5)));

        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(0, column);
            const QString text = index.data().toString();
            if (text.isEmpty()) {
                continue;
            }
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.rect = view->visualRect(index);
            option.text = text;
            option.features = QStyleOptionViewItem::HasDisplay;
            const QVariant font = index.data(Qt::FontRole);
            option.font = font.isValid() ? font.value<QFont>() : view->font();
            option.fontMetrics = QFontMetrics(option.font);
            const QRect place = calendar.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view);
            QVERIFY2(place.width() >= option.fontMetrics.horizontalAdvance(text),
                     qPrintable(QStringLiteral("\"%1\" needs %2, has %3")
                                    .arg(text)
                                    .arg(option.fontMetrics.horizontalAdvance(text))
                                    .arg(place.width())));
        }
    }

    // The month and year on the calendar's navigation bar read as text
    // (4.5:1) on the bar, in the colour the calendar gives its buttons there,
    // not in the text colour of a field.
    void calendarNavigationReads()
    {
        QCalendarWidget calendar;
        calendar.setSelectedDate(QDate(2026, 12, 10));
        QVERIFY(showAndWait(&calendar));
        const QImage image = grab(&calendar);
        for (const char* name : { "qt_calendar_monthbutton", "qt_calendar_yearbutton" }) {
            const auto* button = calendar.findChild<QToolButton*>(QLatin1StringView(name));
            QVERIFY(button);
            const QRect rect(button->mapTo(&calendar, QPoint(0, 0)), button->size());
            QHash<QRgb, int> counts;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    ++counts[image.pixel(x, y)];
                }
            }
            const QColor bar = QColor::fromRgb(
                std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; }).key());
            double best = 0;
            for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
                best = std::max(best, contrast(QColor::fromRgb(it.key()), bar));
            }
            QVERIFY2(best >= 4.5,
                     qPrintable(QStringLiteral("%1: %2:1 on %3")
                                    .arg(QLatin1StringView(name))
                                    .arg(best, 0, 'f', 2)
                                    .arg(bar.name())));
        }
    }

    // A label that asks for a styled panel gets its frame; a plain frame
    // keeps none unless asked.
    void styledPanelFrames()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* label = new QLabel(QStringLiteral("Sunken"));
        auto* plain = new QFrame;
        for (QFrame* frame : { static_cast<QFrame*>(label), plain }) {
            frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            frame->setFixedSize(120, 40);
            layout->addWidget(frame);
        }
        QVERIFY(showAndWait(&window));
        const QColor line(0xc8, 0xca, 0xcc);
        QVERIFY(label->frameWidth() > 0);
        QVERIFY(QuiltWidgetTest::containsColor(grab(label), QRect(0, 10, 2, 20), line, 20));
        QVERIFY(!QuiltWidgetTest::containsColor(grab(plain), QRect(0, 10, 2, 20), line, 20));
    }

    // The Quick group box takes room for its title in its top padding; the
    // widget box lays its title out below the padding and must not move.
    // The rects are those from before the Quick boxes took that room.
    void groupBoxContentsStay_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<QRect>("contents");
        QTest::addColumn<QRect>("label");

        QTest::newRow("titled") << QStringLiteral("Group") << false << false << QRect(6, 18, 188, 78)
                                << QRect(6, 4, 42, 14);
        QTest::newRow("untitled") << QString() << false << false << QRect(6, 18, 188, 78) << QRect();
        QTest::newRow("checkable") << QStringLiteral("Group") << true << false << QRect(6, 31, 188, 65)
                                   << QRect(28, 4, 42, 14);
        QTest::newRow("flat") << QStringLiteral("Group") << false << true << QRect(6, 18, 188, 78)
                              << QRect(6, 4, 42, 14);
    }

    void groupBoxContentsStay()
    {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QFETCH(bool, flat);
        QFETCH(QRect, contents);
        QFETCH(QRect, label);

        struct Box : QGroupBox
        {
            using QGroupBox::initStyleOption;
        } box;
        box.setTitle(title);
        box.setCheckable(checkable);
        box.setFlat(flat);
        auto* layout = new QVBoxLayout(&box);
        layout->addWidget(new QLabel(QStringLiteral("Contents")));
        box.resize(200, 100);
        QVERIFY(showAndWait(&box));

        QStyleOptionGroupBox option;
        box.initStyleOption(&option);
        QStyle* style = box.style();
        QCOMPARE(box.contentsRect(), contents);
        QCOMPARE(style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, &box), contents);
        QCOMPARE(style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box), label);
    }

    // A model's alignment and font hold where halcyon sets none.
    void viewsKeepTheirDataLook()
    {
        QStandardItemModel model(2, 2);
        auto* right = new QStandardItem(QStringLiteral("42"));
        right->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model.setItem(0, 0, right);
        auto* plain = new QStandardItem(QStringLiteral("MMMM"));
        model.setItem(1, 0, plain);
        auto* bold = new QStandardItem(QStringLiteral("MMMM"));
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
        model.setItem(1, 1, bold);
        QTableView view;
        view.setModel(&model);
        view.horizontalHeader()->setDefaultSectionSize(120);
        view.resize(320, 160);
        QVERIFY(showAndWait(&view));
        const QImage image = grab(view.viewport());
        const QColor base = image.pixelColor(view.visualRect(model.index(0, 1)).center());

        const QRect cell = view.visualRect(model.index(0, 0));
        const QRect leftHalf(cell.left(), cell.top(), cell.width() / 2, cell.height());
        const QRect rightHalf(cell.center().x(), cell.top(), cell.width() / 2, cell.height());
        QCOMPARE(inkIn(image, leftHalf, base), 0);
        QVERIFY(inkIn(image, rightHalf, base) > 0);

        const int plainInk = inkIn(image, view.visualRect(model.index(1, 0)), base);
        const int boldInk = inkIn(image, view.visualRect(model.index(1, 1)), base);
        QVERIFY2(boldInk > plainInk * 1.15, qPrintable(QStringLiteral("%1 vs %2").arg(boldInk).arg(plainInk)));
    }
};

int main(int argc, char** argv)
{
    QuiltTest::TemporaryXdg xdg;
    qputenv("QUILT_STYLE_NAME", "halcyon");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    QApplication application(argc, argv);
    QApplication::setStyle(new QuiltStyle);
    tst_HalcyonWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_halcyon_widgets.moc"
