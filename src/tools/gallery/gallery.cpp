#include "gallery.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QColumnView>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDateEdit>
#include <QDial>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QSlider>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace Gallery
{
namespace
{
// A small round icon in a colour of its own, so that icons show without an
// icon theme.
QIcon dotIcon(const QColor& color)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(4, 4, 24, 24));
    painter.end();
    return QIcon(pixmap);
}

QIcon blueIcon()
{
    return dotIcon(QColor(0x3d, 0x7e, 0xc9));
}

QIcon greenIcon()
{
    return dotIcon(QColor(0x3a, 0x9d, 0x5d));
}

template<typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

QMenu* sampleMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(blueIcon(), QStringLiteral("Open…"))->setShortcut(QKeySequence::Open);
    menu->addAction(QStringLiteral("Save"))->setShortcut(QKeySequence::Save);
    menu->addSeparator();
    auto* check = menu->addAction(QStringLiteral("Show hidden files"));
    check->setCheckable(true);
    check->setChecked(true);
    auto* recent = menu->addMenu(QStringLiteral("Recent"));
    recent->addAction(QStringLiteral("notes.txt"));
    menu->addAction(QStringLiteral("Unavailable"))->setEnabled(false);
    return menu;
}

QWidget* buttonsPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    auto* push = new QGroupBox(QStringLiteral("Push buttons"));
    auto* pushLayout = new QVBoxLayout(push);
    pushLayout->addWidget(named(new QPushButton(QStringLiteral("Plain")), "pushButton"));
    auto* defaultButton = named(new QPushButton(QStringLiteral("Default")), "defaultButton");
    defaultButton->setDefault(true);
    pushLayout->addWidget(defaultButton);
    auto* checkable = named(new QPushButton(QStringLiteral("Checked")), "checkedButton");
    checkable->setCheckable(true);
    checkable->setChecked(true);
    pushLayout->addWidget(checkable);
    auto* withIcon = new QPushButton(blueIcon(), QStringLiteral("With icon"));
    pushLayout->addWidget(withIcon);
    auto* withMenu = named(new QPushButton(QStringLiteral("With menu")), "menuButton");
    withMenu->setMenu(sampleMenu(withMenu));
    pushLayout->addWidget(withMenu);
    auto* flat = named(new QPushButton(QStringLiteral("Flat")), "flatButton");
    flat->setFlat(true);
    pushLayout->addWidget(flat);
    pushLayout->addWidget(
        named(new QCommandLinkButton(QStringLiteral("Command link"), QStringLiteral("A button with a description")),
              "commandLinkButton"));
    pushLayout->addStretch();
    layout->addWidget(push, 0, 0);

    auto* tools = new QGroupBox(QStringLiteral("Tool buttons"));
    auto* toolLayout = new QGridLayout(tools);
    const QList<std::pair<Qt::ToolButtonStyle, const char*>> styles {
        { Qt::ToolButtonIconOnly, "Icon" },
        { Qt::ToolButtonTextOnly, "Text" },
        { Qt::ToolButtonTextBesideIcon, "Beside" },
        { Qt::ToolButtonTextUnderIcon, "Under" },
    };
    const QList<QToolButton::ToolButtonPopupMode> modes { QToolButton::DelayedPopup, QToolButton::MenuButtonPopup,
                                                          QToolButton::InstantPopup };
    for (int row = 0; row < modes.size(); ++row) {
        for (int column = 0; column < styles.size(); ++column) {
            auto* button = new QToolButton;
            button->setText(QLatin1StringView(styles.at(column).second));
            button->setIcon(greenIcon());
            button->setToolButtonStyle(styles.at(column).first);
            button->setPopupMode(modes.at(row));
            button->setMenu(sampleMenu(button));
            button->setAutoRaise(row == 0);
            if (row == 1 && column == 2) {
                button->setObjectName(QStringLiteral("menuToolButton"));
            }
            toolLayout->addWidget(button, row, column);
        }
    }
    const QList<Qt::ArrowType> arrows { Qt::UpArrow, Qt::DownArrow, Qt::LeftArrow, Qt::RightArrow };
    for (int column = 0; column < arrows.size(); ++column) {
        auto* arrow = new QToolButton;
        arrow->setArrowType(arrows.at(column));
        toolLayout->addWidget(arrow, modes.size(), column);
    }
    auto* checkedTool = named(new QToolButton, "checkedToolButton");
    checkedTool->setText(QStringLiteral("Checked"));
    checkedTool->setCheckable(true);
    checkedTool->setChecked(true);
    toolLayout->addWidget(checkedTool, modes.size() + 1, 0, 1, 2);
    layout->addWidget(tools, 0, 1);

    auto* checks = new QGroupBox(QStringLiteral("Check boxes"));
    auto* checkLayout = new QVBoxLayout(checks);
    checkLayout->addWidget(named(new QCheckBox(QStringLiteral("Unchecked")), "checkBox"));
    auto* checked = named(new QCheckBox(QStringLiteral("Checked")), "checkedCheckBox");
    checked->setChecked(true);
    checkLayout->addWidget(checked);
    auto* partial = named(new QCheckBox(QStringLiteral("Partially checked")), "partialCheckBox");
    partial->setTristate(true);
    partial->setCheckState(Qt::PartiallyChecked);
    checkLayout->addWidget(partial);
    checkLayout->addWidget(new QCheckBox(QStringLiteral("With icon")));
    qobject_cast<QCheckBox*>(checkLayout->itemAt(3)->widget())->setIcon(blueIcon());
    checkLayout->addStretch();
    layout->addWidget(checks, 1, 0);

    auto* radios = new QGroupBox(QStringLiteral("Radio buttons"));
    auto* radioLayout = new QVBoxLayout(radios);
    auto* first = named(new QRadioButton(QStringLiteral("Selected")), "checkedRadioButton");
    first->setChecked(true);
    radioLayout->addWidget(first);
    radioLayout->addWidget(named(new QRadioButton(QStringLiteral("Not selected")), "radioButton"));
    radioLayout->addWidget(new QRadioButton(QStringLiteral("Another choice")));
    radioLayout->addStretch();
    layout->addWidget(radios, 1, 1);
    return page;
}

QWidget* inputsPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Line edit"), named(new QLineEdit(QStringLiteral("Some text")), "lineEdit"));
    auto* placeholder = new QLineEdit;
    placeholder->setPlaceholderText(QStringLiteral("Placeholder"));
    placeholder->setClearButtonEnabled(true);
    form->addRow(QStringLiteral("Placeholder"), placeholder);
    auto* readOnly = named(new QLineEdit(QStringLiteral("Read only")), "readOnlyLineEdit");
    readOnly->setReadOnly(true);
    form->addRow(QStringLiteral("Read only"), readOnly);
    auto* password = new QLineEdit(QStringLiteral("secret"));
    password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Password"), password);

    auto* arrows = named(new QSpinBox, "spinBox");
    arrows->setRange(0, 100);
    arrows->setValue(42);
    form->addRow(QStringLiteral("Spin box (arrows)"), arrows);
    auto* plusMinus = new QDoubleSpinBox;
    plusMinus->setButtonSymbols(QAbstractSpinBox::PlusMinus);
    plusMinus->setValue(3.5);
    form->addRow(QStringLiteral("Spin box (plus, minus)"), plusMinus);
    auto* noButtons = new QSpinBox;
    noButtons->setButtonSymbols(QAbstractSpinBox::NoButtons);
    noButtons->setValue(7);
    form->addRow(QStringLiteral("Spin box (no buttons)"), noButtons);
    form->addRow(QStringLiteral("Date"), new QDateEdit(QDate(2026, 12, 10)));

    auto* combo = named(new QComboBox, "comboBox");
    combo->addItems({ QStringLiteral("First choice"), QStringLiteral("Second choice"), QStringLiteral("Third") });
    form->addRow(QStringLiteral("Combo box"), combo);
    auto* editable = named(new QComboBox, "editableComboBox");
    editable->setEditable(true);
    editable->addItems({ QStringLiteral("Editable"), QStringLiteral("Other") });
    form->addRow(QStringLiteral("Editable combo box"), editable);
    auto* icons = new QComboBox;
    icons->addItem(blueIcon(), QStringLiteral("Blue"));
    icons->addItem(greenIcon(), QStringLiteral("Green"));
    form->addRow(QStringLiteral("With icons"), icons);
    auto* text = new QTextEdit;
    text->setPlainText(QStringLiteral("A text area\nwith two lines."));
    text->setMaximumHeight(70);
    form->addRow(QStringLiteral("Text area"), text);
    auto* calendar = named(new QCalendarWidget, "calendar");
    calendar->setGridVisible(true);
    calendar->setSelectedDate(QDate(2026, 12, 10));
    form->addRow(QStringLiteral("Calendar"), calendar);
    return page;
}

QWidget* rangesPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    const QList<QSlider::TickPosition> ticks { QSlider::NoTicks, QSlider::TicksBelow, QSlider::TicksBothSides };
    for (int i = 0; i < ticks.size(); ++i) {
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setRange(0, 100);
        slider->setValue(30 + 20 * i);
        slider->setTickPosition(ticks.at(i));
        slider->setTickInterval(10);
        if (i == 1) {
            slider->setObjectName(QStringLiteral("slider"));
        }
        layout->addWidget(slider, i, 0);
    }
    auto* vertical = new QSlider(Qt::Vertical);
    vertical->setRange(0, 10);
    vertical->setValue(6);
    vertical->setTickPosition(QSlider::TicksRight);
    layout->addWidget(vertical, 0, 1, 4, 1);
    auto* dial = named(new QDial, "dial");
    dial->setNotchesVisible(true);
    dial->setValue(40);
    layout->addWidget(dial, 0, 2, 2, 1);

    auto* progress = named(new QProgressBar, "progressBar");
    progress->setValue(60);
    layout->addWidget(progress, 3, 0);
    auto* noText = new QProgressBar;
    noText->setValue(25);
    noText->setTextVisible(false);
    layout->addWidget(noText, 4, 0);
    auto* busy = named(new QProgressBar, "busyProgressBar");
    busy->setRange(0, 0);
    layout->addWidget(busy, 5, 0);
    auto* verticalProgress = new QProgressBar;
    verticalProgress->setOrientation(Qt::Vertical);
    verticalProgress->setValue(70);
    layout->addWidget(verticalProgress, 2, 2, 4, 1);

    auto* horizontalBar = named(new QScrollBar(Qt::Horizontal), "scrollBar");
    horizontalBar->setRange(0, 100);
    horizontalBar->setPageStep(20);
    horizontalBar->setValue(30);
    layout->addWidget(horizontalBar, 6, 0);
    auto* verticalBar = new QScrollBar(Qt::Vertical);
    verticalBar->setRange(0, 100);
    verticalBar->setValue(70);
    layout->addWidget(verticalBar, 4, 1, 3, 1);
    layout->setRowStretch(7, 1);
    return page;
}

// A table model that makes its rows on demand, so that 10,000 rows cost
// nothing until they show.
class NumbersModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 10000; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole) {
            switch (index.column()) {
            case 0:
                return QStringLiteral("Item %1").arg(index.row() + 1);
            case 1:
                return (index.row() * 7919) % 1000;
            case 2:
                return QStringLiteral("%1 kB").arg((index.row() * 31) % 512);
            case 3:
                return index.row() % 3 == 0 ? QStringLiteral("Ready") : QStringLiteral("Waiting");
            default:
                return QString();
            }
        }
        if (role == Qt::CheckStateRole && index.column() == 4) {
            return m_checked.contains(index.row()) != (index.row() % 2 == 0) ? Qt::Checked : Qt::Unchecked;
        }
        // Numbers right-aligned and "Ready" in bold, as the model asks.
        if (role == Qt::TextAlignmentRole && (index.column() == 1 || index.column() == 2)) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role == Qt::FontRole && index.column() == 3 && index.row() % 3 == 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant&, int role) override
    {
        if (role != Qt::CheckStateRole || index.column() != 4) {
            return false;
        }
        if (!m_checked.remove(index.row())) {
            m_checked.insert(index.row());
        }
        Q_EMIT dataChanged(index, index, { role });
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (index.column() == 4) {
            flags |= Qt::ItemIsUserCheckable;
        }
        return flags;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            static const char* names[] = { "Name", "Number", "Size", "State", "Done" };
            return QLatin1StringView(names[section]);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QSet<int> m_checked;
};

QStandardItemModel* treeModel(QObject* parent)
{
    auto* model = new QStandardItemModel(parent);
    model->setHorizontalHeaderLabels({ QStringLiteral("Name"), QStringLiteral("Kind") });
    std::function<void(QStandardItem*, int)> fill = [&](QStandardItem* parentItem, int depth) {
        for (int i = 0; i < (depth == 0 ? 4 : 3); ++i) {
            auto* item = new QStandardItem(i % 2 ? greenIcon() : blueIcon(),
                                           QStringLiteral("Level %1, item %2").arg(depth).arg(i + 1));
            parentItem->appendRow(
                { item, new QStandardItem(depth < 4 ? QStringLiteral("Folder") : QStringLiteral("File")) });
            if (depth < 4) {
                fill(item, depth + 1);
            }
        }
    };
    fill(model->invisibleRootItem(), 0);
    return model;
}

QWidget* viewsPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    auto* list = named(new QListWidget, "listView");
    for (int i = 0; i < 30; ++i) {
        auto* item = new QListWidgetItem(i % 3 ? blueIcon() : greenIcon(), QStringLiteral("List item %1").arg(i + 1));
        list->addItem(item);
    }
    list->setCurrentRow(1);
    list->item(3)->setSelected(true);
    layout->addWidget(list, 0, 0);

    auto* icons = named(new QListWidget, "iconView");
    icons->setViewMode(QListView::IconMode);
    icons->setIconSize(QSize(32, 32));
    icons->setResizeMode(QListView::Adjust);
    for (int i = 0; i < 12; ++i) {
        icons->addItem(new QListWidgetItem(i % 2 ? blueIcon() : greenIcon(), QStringLiteral("Icon %1").arg(i + 1)));
    }
    icons->setCurrentRow(2);
    layout->addWidget(icons, 0, 1);

    auto* table = named(new QTableView, "tableView");
    auto* proxy = new QSortFilterProxyModel(table);
    proxy->setSourceModel(new NumbersModel(proxy));
    table->setModel(proxy);
    table->setSortingEnabled(true);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->setAlternatingRowColors(true);
    table->selectRow(2);
    layout->addWidget(table, 1, 0, 1, 2);

    auto* tree = named(new QTreeView, "treeView");
    tree->setModel(treeModel(tree));
    tree->expandToDepth(2);
    tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0)));
    tree->header()->resizeSection(0, 220);
    layout->addWidget(tree, 2, 0);

    auto* columns = named(new QColumnView, "columnView");
    columns->setModel(treeModel(columns));
    columns->setCurrentIndex(columns->model()->index(1, 0, columns->model()->index(0, 0)));
    layout->addWidget(columns, 2, 1);
    return page;
}

QWidget* containersPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    auto* group = named(new QGroupBox(QStringLiteral("Group box")), "groupBox");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("Content of a group")));
    layout->addWidget(group, 0, 0);
    auto* checkable = named(new QGroupBox(QStringLiteral("Checkable group")), "checkableGroupBox");
    checkable->setCheckable(true);
    checkable->setChecked(true);
    auto* checkableLayout = new QVBoxLayout(checkable);
    checkableLayout->addWidget(new QLabel(QStringLiteral("Enabled by its check box")));
    layout->addWidget(checkable, 0, 1);
    auto* sunken = named(new QLabel(QStringLiteral("A label in a sunken panel")), "sunkenLabel");
    sunken->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    layout->addWidget(sunken, 5, 0);

    const QList<std::pair<QTabWidget::TabPosition, const char*>> positions {
        { QTabWidget::North, "tabWidgetNorth" },
        { QTabWidget::South, "tabWidgetSouth" },
        { QTabWidget::West, "tabWidgetWest" },
        { QTabWidget::East, "tabWidgetEast" },
    };
    for (int i = 0; i < positions.size(); ++i) {
        auto* tabs = named(new QTabWidget, positions.at(i).second);
        tabs->setTabPosition(positions.at(i).first);
        tabs->setTabsClosable(i == 0);
        tabs->setMovable(i == 0);
        tabs->setDocumentMode(i == 1);
        tabs->addTab(new QLabel(QStringLiteral("First page")), blueIcon(), QStringLiteral("First"));
        tabs->addTab(new QLabel(QStringLiteral("Second page")), QStringLiteral("Second"));
        tabs->addTab(new QLabel(QStringLiteral("Third page")), QStringLiteral("Third"));
        tabs->setCurrentIndex(1);
        tabs->setMinimumHeight(110);
        layout->addWidget(tabs, 1 + i / 2, i % 2);
    }

    auto* toolBox = named(new QToolBox, "toolBox");
    toolBox->addItem(new QLabel(QStringLiteral("General settings")), blueIcon(), QStringLiteral("General"));
    toolBox->addItem(new QLabel(QStringLiteral("Advanced settings")), QStringLiteral("Advanced"));
    toolBox->addItem(new QLabel(QStringLiteral("About")), QStringLiteral("About"));
    toolBox->setCurrentIndex(1);
    layout->addWidget(toolBox, 3, 0);

    auto* splitter = named(new QSplitter, "splitter");
    splitter->addWidget(new QPlainTextEdit(QStringLiteral("Left pane")));
    splitter->addWidget(new QPlainTextEdit(QStringLiteral("Right pane")));
    layout->addWidget(splitter, 3, 1);

    auto* scrollArea = named(new QScrollArea, "scrollArea");
    auto* big = new QLabel(QStringLiteral("A label larger than its scroll area"));
    big->setMinimumSize(600, 300);
    big->setAlignment(Qt::AlignCenter);
    scrollArea->setWidget(big);
    scrollArea->setMaximumHeight(120);
    layout->addWidget(scrollArea, 4, 0, 1, 2);
    return page;
}

QWidget* mdiPage()
{
    auto* area = named(new QMdiArea, "mdiArea");
    area->setMinimumSize(640, 420);
    const QList<const char*> titles { "Normal", "Minimized", "Another window" };
    for (const char* title : titles) {
        auto* editor = new QPlainTextEdit(QStringLiteral("Contents of \"%1\"").arg(QLatin1StringView(title)));
        auto* window = area->addSubWindow(editor);
        window->setWindowTitle(QLatin1StringView(title));
        window->setWindowIcon(blueIcon());
        window->resize(260, 160);
    }
    const auto windows = area->subWindowList();
    windows.at(0)->move(10, 10);
    windows.at(2)->move(290, 60);
    windows.at(1)->showMinimized();
    // A second area shows a maximized window beside.
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(area, 2);
    auto* maximizedArea = named(new QMdiArea, "maximizedMdiArea");
    auto* maximized = maximizedArea->addSubWindow(new QPlainTextEdit(QStringLiteral("Maximized")));
    maximized->setWindowTitle(QStringLiteral("Maximized"));
    maximized->showMaximized();
    layout->addWidget(maximizedArea, 1);
    for (QMdiSubWindow* window : windows) {
        if (!window->isMinimized()) {
            window->show();
        }
    }
    return page;
}

QWidget* mainWindowPage()
{
    auto* window = named(new QMainWindow, "mainWindow");
    window->setWindowFlags(Qt::Widget);
    auto* menuBar = named(window->menuBar(), "menuBar");
    menuBar->addMenu(sampleMenu(window))->setText(QStringLiteral("&File"));
    menuBar->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("Undo"));
    menuBar->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("Zoom in"));
    menuBar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("About"));

    const QList<std::pair<Qt::ToolBarArea, const char*>> areas {
        { Qt::TopToolBarArea, "Top" },
        { Qt::BottomToolBarArea, "Bottom" },
        { Qt::LeftToolBarArea, "Left" },
        { Qt::RightToolBarArea, "Right" },
    };
    for (const auto& [area, name] : areas) {
        auto* bar = new QToolBar(QLatin1StringView(name));
        bar->setObjectName(QStringLiteral("toolBar%1").arg(QLatin1StringView(name)));
        bar->addAction(blueIcon(), QStringLiteral("Open"));
        auto* bold = bar->addAction(greenIcon(), QStringLiteral("Bold"));
        bold->setCheckable(true);
        bold->setChecked(true);
        bar->addSeparator();
        bar->addAction(blueIcon(), QStringLiteral("Save"));
        window->addToolBar(area, bar);
    }

    auto* central = new QTextEdit;
    central->setPlainText(QStringLiteral("The central widget of a main window."));
    window->setCentralWidget(central);

    auto* dock = named(new QDockWidget(QStringLiteral("Dock")), "dockWidget");
    auto* dockList = new QListWidget;
    dockList->addItems({ QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three") });
    dockList->setCurrentRow(0);
    dock->setWidget(dockList);
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    auto* bottomDock = new QDockWidget(QStringLiteral("Output"));
    bottomDock->setWidget(new QPlainTextEdit(QStringLiteral("Build finished.")));
    window->addDockWidget(Qt::BottomDockWidgetArea, bottomDock);

    auto* status = named(window->statusBar(), "statusBar");
    status->setSizeGripEnabled(true);
    status->showMessage(QStringLiteral("Ready"));
    status->addPermanentWidget(new QLabel(QStringLiteral("Line 1, column 1")));
    window->setMinimumSize(720, 480);
    return window;
}

QWidget* dialogsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* box = named(new QMessageBox(QMessageBox::Question, QStringLiteral("Save changes?"),
                                      QStringLiteral("The document has been modified.\nSave your changes?"),
                                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel),
                      "messageBox");
    box->setWindowFlags(Qt::Widget);
    box->setDefaultButton(QMessageBox::Save);
    layout->addWidget(box);

    auto* formBox = new QGroupBox(QStringLiteral("Form layout"));
    auto* form = new QFormLayout(formBox);
    form->addRow(QStringLiteral("&Name:"), new QLineEdit(QStringLiteral("Ada")));
    form->addRow(QStringLiteral("&E-mail:"), new QLineEdit);
    auto* kind = new QComboBox;
    kind->addItems({ QStringLiteral("Personal"), QStringLiteral("Work") });
    form->addRow(QStringLiteral("&Kind:"), kind);
    form->addRow(new QCheckBox(QStringLiteral("Remember me")));
    layout->addWidget(formBox);

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help
                                               | QDialogButtonBox::Apply),
                          "buttonBox");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    layout->addStretch();
    return page;
}

struct PageEntry
{
    const char* name;
    QWidget* (*create)();
};

const PageEntry pages[] = {
    { "buttons", buttonsPage },       { "inputs", inputsPage },         { "ranges", rangesPage },
    { "views", viewsPage },           { "containers", containersPage }, { "mdi", mdiPage },
    { "mainwindow", mainWindowPage }, { "dialogs", dialogsPage },
};
} // namespace

QStringList pageNames()
{
    QStringList names;
    for (const PageEntry& entry : pages) {
        names.append(QLatin1StringView(entry.name));
    }
    return names;
}

QList<Variant> variants()
{
    return { Variant::Enabled, Variant::Disabled, Variant::RightToLeft };
}

QString variantName(Variant variant)
{
    switch (variant) {
    case Variant::Enabled:
        return QString();
    case Variant::Disabled:
        return QStringLiteral("disabled");
    case Variant::RightToLeft:
        return QStringLiteral("rtl");
    }
    return QString();
}

QWidget* createPage(const QString& name, Variant variant, QWidget* parent)
{
    for (const PageEntry& entry : pages) {
        if (name != QLatin1StringView(entry.name)) {
            continue;
        }
        QWidget* page = entry.create();
        page->setObjectName(name);
        if (parent) {
            page->setParent(parent);
        }
        if (variant == Variant::Disabled) {
            page->setEnabled(false);
        } else if (variant == Variant::RightToLeft) {
            page->setLayoutDirection(Qt::RightToLeft);
        }
        return page;
    }
    return nullptr;
}
} // namespace Gallery
