#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;

namespace
{
const QColor MenuBarColor(0x38, 0x3c, 0x44);
const QColor ToolBarColor(0x44, 0x48, 0x50);
const QColor GrooveColor(0x60, 0x64, 0x6c);
const QColor HandleColor(0x3d, 0xae, 0xe9);
const QColor TrackColor(0x27, 0xae, 0x60);

// A small style of the kind a desktop would ship, to see everything together.
QByteArray styleSheet()
{
    return R"(
ApplicationWindow { background-color: #2a2e32; }
SmallIconSize { width: 16px; height: 16px; }
MenuBar { padding: 2px 4px; spacing: 2px; background-color: #383c44; }
MenuBarItem { padding: 4px 8px; color: #eff0f1; }
MenuBarItem:highlighted { background-color: #3daee9; }
Menu { padding: 4px 4px; border: 1px solid #1b1e20; background-color: #31363b; }
MenuItem { padding: 4px 8px; spacing: 6px; height: 26px; color: #eff0f1; }
MenuItem:hover { background-color: #3daee9; }
MenuItem Indicator { width: 14px; height: 14px; }
MenuItem CheckBox Indicator { border: 1px solid #eff0f1; }
MenuItem CheckBox:checked Indicator { background-color: #3daee9; }
MenuItem ShortcutText { color: #a0a4a8; text-alignment-horizontal: end; }
MenuItem Arrow { width: 12px; height: 12px; layout-alignment-horizontal: end; }
MenuItem MenuSeparator { width: 160px; padding: 3px 0px; background-color: #4d5257; }
ToolBar { padding: 2px; spacing: 4px; background-color: #444850; icon-size: 22px; }
ToolBar Handle { width: 4px; height: 14px; background-color: #5c6066; }
ToolBar Separator { width: 1px; height: 1px; background-color: #5c6066; }
ToolButton { padding: 4px; spacing: 4px; color: #eff0f1; }
ToolButton:hover { background-color: #4f5560; }
ToolButton Indicator { width: 8px; height: 8px; padding: 1px; layout-alignment-horizontal: end; icon-name: pan-down-symbolic; }
ScrollBar { width: 10px; height: 10px; background-color: #60646c; }
ScrollBar Handle { padding: 2px; background-color: #3daee9; }
Slider { width: 4px; height: 4px; background-color: #60646c; }
Slider Fill { background-color: #3daee9; }
Slider Handle { width: 16px; height: 16px; background-color: #eff0f1; }
Slider TickMark { width: 1px; height: 4px; margin: 1px; background-color: #80848c; }
Slider TickMark.active { background-color: #3daee9; }
ProgressBar { height: 8px; background-color: #60646c; color: #eff0f1; }
ProgressBar Track { background-color: #27ae60; }
)";
}
} // namespace

// A main window with menus, tool bars, tool buttons, a scroll area, sliders
// and progress bars, all drawn from one style.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeWindow();
};

void tst_MainWindow::wholeWindow()
{
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QIcon::fromTheme(QStringLiteral("window-close-symbolic")), QStringLiteral("&Close"),
                    QKeySequence(QStringLiteral("Ctrl+W")));
    QAction* check = file->addAction(QStringLiteral("&Wrap lines"));
    check->setCheckable(true);
    check->setChecked(true);
    file->addSeparator();
    file->addMenu(QStringLiteral("&Recent"))->addAction(QStringLiteral("notes.txt"));
    window.menuBar()->addMenu(QStringLiteral("&Edit"));

    QToolBar* tools = window.addToolBar(QStringLiteral("Tools"));
    tools->setMovable(true);
    tools->addAction(QIcon::fromTheme(QStringLiteral("window-close-symbolic")), QStringLiteral("Close"));
    tools->addSeparator();
    auto* menuButton = new QToolButton;
    menuButton->setText(QStringLiteral("Open"));
    menuButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    menuButton->setPopupMode(QToolButton::InstantPopup);
    menuButton->setMenu(file);
    tools->addWidget(menuButton);
    auto* split = new QToolButton;
    split->setIcon(QIcon::fromTheme(QStringLiteral("window-restore")));
    split->setPopupMode(QToolButton::MenuButtonPopup);
    split->setMenu(file);
    tools->addWidget(split);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* area = new QScrollArea;
    auto* content = new QWidget;
    content->setFixedSize(900, 600);
    area->setWidget(content);
    layout->addWidget(area);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setValue(40);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    layout->addWidget(slider);
    auto* progress = new QProgressBar;
    progress->setValue(65);
    layout->addWidget(progress);
    window.setCentralWidget(central);
    window.resize(480, 360);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));

    const QImage image = QuiltWidgetTest::grabImage(&window);
    if (const QByteArray folder = qgetenv("QUILT_TEST_IMAGES"); !folder.isEmpty()) {
        image.save(QString::fromLocal8Bit(folder) + QStringLiteral("/mainwindow.png"));
    }

    const QPoint barPoint = window.menuBar()->geometry().topRight() + QPoint(-3, 3);
    QUILT_COMPARE_COLOR(colorAt(image, barPoint), MenuBarColor);
    QVERIFY(containsColor(image, tools->geometry(), ToolBarColor));
    // The scroll bars: 10 thick, thumbs in the handle colour.
    QScrollBar* horizontal = area->horizontalScrollBar();
    QCOMPARE(horizontal->height(), 10);
    const QRect hBar(horizontal->mapTo(&window, QPoint(0, 0)), horizontal->size());
    QVERIFY(containsColor(image, hBar, HandleColor));
    QVERIFY(containsColor(image, hBar, GrooveColor));
    const QRect sliderRect(slider->mapTo(&window, QPoint(0, 0)), slider->size());
    QVERIFY(containsColor(image, sliderRect, HandleColor));
    const QRect progressRect(progress->mapTo(&window, QPoint(0, 0)), progress->size());
    QVERIFY(containsColor(image, progressRect, TrackColor));

    // The menu, popped up.
    file->popup(window.mapToGlobal(QPoint(10, 30)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    const QImage menu = QuiltWidgetTest::grabImage(file);
    if (const QByteArray folder = qgetenv("QUILT_TEST_IMAGES"); !folder.isEmpty()) {
        menu.save(QString::fromLocal8Bit(folder) + QStringLiteral("/menu.png"));
    }
    QUILT_COMPARE_COLOR(colorAt(menu, QPoint(2, 2)), QColor(0x31, 0x36, 0x3b));
    file->close();
}

QUILT_WIDGET_TEST_MAIN(tst_MainWindow, styleSheet())
#include "tst_mainwindow.moc"
