// The gallery under the default style halcyon: the probed widgets show
// halcyon's colours, its disabled colours on the disabled pages and mirrored
// places on the right-to-left pages; then the sweep over every page.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOption>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "gallerysweep.h"
#include "quiltstyle.h"
#include "styleregistry.h"
#include "testfixture.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;

namespace
{
const QColor ButtonFace(QStringLiteral("#fcfcfc"));
const QColor ButtonChecked(QStringLiteral("#bee3f5"));
const QColor ButtonPressed(QStringLiteral("#d6ecf8"));
const QColor ButtonDisabled(QStringLiteral("#f3f4f4"));
const QColor ButtonBorder(QStringLiteral("#b7b9bb"));
const QColor Accent(QStringLiteral("#3daee9"));
const QColor IndicatorDisabledChecked(QStringLiteral("#c5dbe7"));
const QColor SelectedRow(QStringLiteral("#cde6f5"));
const QColor AlternateRow(QStringLiteral("#f7f7f8"));
const QColor Window(QStringLiteral("#eff0f1"));
const QColor ScrollGroove(QStringLiteral("#e4e5e7"));
const QColor ScrollHandle(QStringLiteral("#a5a7aa"));
const QColor GreenIcon(0x3a, 0x9d, 0x5d);

// A page shown and laid out, with its widgets at their places.
std::unique_ptr<QWidget> showPage(const QString& name, Gallery::Variant variant)
{
    std::unique_ptr<QWidget> page(Gallery::createPage(name, variant));
    page->resize(page->sizeHint().expandedTo(QSize(640, 480)));
    if (!QuiltWidgetTest::showAndWait(page.get())) {
        return nullptr;
    }
    return page;
}

template<typename W> W* child(const QWidget* page, const char* name)
{
    return page->findChild<W*>(QLatin1StringView(name));
}

// A point on the face of a push button, left of its centred label.
QPoint facePoint(const QWidget* button)
{
    return QPoint(4, button->height() / 2);
}

// The left and right quarters of a widget.
QRect leftPart(const QWidget* widget)
{
    return QRect(0, 0, widget->width() / 4, widget->height());
}

QRect rightPart(const QWidget* widget)
{
    return QRect(widget->width() - widget->width() / 4, 0, widget->width() / 4, widget->height());
}
} // namespace

class tst_GalleryHalcyon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttons()
    {
        const auto page = showPage(QStringLiteral("buttons"), Gallery::Variant::Enabled);
        QVERIFY(page);
        auto* plain = child<QPushButton>(page.get(), "pushButton");
        auto* checked = child<QPushButton>(page.get(), "checkedButton");
        QUILT_COMPARE_COLOR(colorAt(plain->grab().toImage(), facePoint(plain)), ButtonFace);
        QUILT_COMPARE_COLOR(colorAt(checked->grab().toImage(), facePoint(checked)), ButtonChecked);
        QVERIFY(containsColor(plain->grab().toImage(), leftPart(plain), ButtonBorder));

        // Under the mouse the frame turns to the accent; pressed, the face.
        QTest::mouseMove(plain, plain->rect().center());
        if (!plain->underMouse()) {
            // Windows of other test programs on the same display can stand
            // between the pointer and ours; the button is under it all the same.
            plain->setAttribute(Qt::WA_UnderMouse);
        }
        QTRY_VERIFY(containsColor(plain->grab().toImage(), leftPart(plain), Accent));
        QTest::mousePress(plain, Qt::LeftButton, {}, plain->rect().center());
        QUILT_COMPARE_COLOR(colorAt(plain->grab().toImage(), facePoint(plain)), ButtonPressed);
        QTest::mouseRelease(plain, Qt::LeftButton, {}, plain->rect().center());
    }

    void disabledButtons()
    {
        const auto page = showPage(QStringLiteral("buttons"), Gallery::Variant::Disabled);
        QVERIFY(page);
        auto* plain = child<QPushButton>(page.get(), "pushButton");
        QUILT_COMPARE_COLOR(colorAt(plain->grab().toImage(), facePoint(plain)), ButtonDisabled);
        auto* box = child<QCheckBox>(page.get(), "checkedCheckBox");
        const QImage image = box->grab().toImage();
        QVERIFY(containsColor(image, leftPart(box), IndicatorDisabledChecked));
        QVERIFY(!containsColor(image, box->rect(), Accent));
    }

    void disabledFields()
    {
        // Complex controls paint their own face: disabled, it is the disabled
        // field's, not the enabled one's.
        const auto page = showPage(QStringLiteral("inputs"), Gallery::Variant::Disabled);
        QVERIFY(page);
        for (const char* name : { "comboBox", "spinBox" }) {
            auto* field = child<QWidget>(page.get(), name);
            QVERIFY2(field, name);
            const QImage image = field->grab().toImage();
            QUILT_COMPARE_COLOR(colorAt(image, QPoint(3, field->height() / 2)), ButtonDisabled);
        }
    }

    void checkBoxSides_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("onTheRight");
        QTest::newRow("left to right") << int(Gallery::Variant::Enabled) << false;
        QTest::newRow("right to left") << int(Gallery::Variant::RightToLeft) << true;
    }

    void checkBoxSides()
    {
        QFETCH(int, variant);
        QFETCH(bool, onTheRight);
        const auto page = showPage(QStringLiteral("buttons"), Gallery::Variant(variant));
        QVERIFY(page);
        bool right = true;
        bool left = true;
        for (const char* name : { "checkedCheckBox", "partialCheckBox" }) {
            auto* box = child<QCheckBox>(page.get(), name);
            const QImage image = box->grab().toImage();
            right = right && containsColor(image, rightPart(box), Accent);
            left = left && containsColor(image, leftPart(box), Accent);
        }
        QCOMPARE(right && !left, onTheRight);
        QCOMPARE(left && !right, !onTheRight);
    }

    void views()
    {
        const auto page = showPage(QStringLiteral("views"), Gallery::Variant::Enabled);
        QVERIFY(page);
        auto* table = child<QTableView>(page.get(), "tableView");
        const QImage image = table->viewport()->grab().toImage();
        const int x = table->columnViewportPosition(1) + 4;
        QUILT_COMPARE_COLOR(colorAt(image, QPoint(x, table->rowViewportPosition(2) + 2)), SelectedRow);
        QUILT_COMPARE_COLOR(colorAt(image, QPoint(x, table->rowViewportPosition(1) + 2)), AlternateRow);
    }

    void ranges()
    {
        const auto page = showPage(QStringLiteral("ranges"), Gallery::Variant::Enabled);
        QVERIFY(page);
        auto* slider = child<QSlider>(page.get(), "slider");
        QVERIFY(containsColor(slider->grab().toImage(), leftPart(slider), Accent));
        // A progress bar shows its groove and, over it, the accent up to its value.
        auto* progress = child<QProgressBar>(page.get(), "progressBar");
        const QImage progressImage = progress->grab().toImage();
        QUILT_COMPARE_COLOR(colorAt(progressImage, QPoint(6, progress->height() / 2)), Accent);
        QUILT_COMPARE_COLOR(colorAt(progressImage, QPoint(progress->width() - 6, progress->height() / 2)),
                            ScrollGroove);
        auto* bar = child<QScrollBar>(page.get(), "scrollBar");
        const QImage image = bar->grab().toImage();
        QVERIFY(containsColor(image, bar->rect(), ScrollGroove));
        QVERIFY(containsColor(image, bar->rect(), ScrollHandle));
    }

    void mainWindow()
    {
        const auto page = showPage(QStringLiteral("mainwindow"), Gallery::Variant::Enabled);
        QVERIFY(page);
        auto* menuBar = child<QMenuBar>(page.get(), "menuBar");
        const QImage image = menuBar->grab().toImage();
        QUILT_COMPARE_COLOR(colorAt(image, QPoint(menuBar->width() - 4, menuBar->height() / 2)), Window);
    }

    void groupBoxTitles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("groupBox");
        QTest::newRow("checkable") << QStringLiteral("checkableGroupBox");
    }

    void groupBoxTitles()
    {
        // The title and the check box share a band at the top; the contents
        // start below it.
        QFETCH(QString, name);
        const auto page = showPage(QStringLiteral("containers"), Gallery::Variant::Enabled);
        QVERIFY(page);
        auto* box = child<QGroupBox>(page.get(), qPrintable(name));
        QVERIFY(box);
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable()) {
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        }
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const QWidget* content = box->findChild<QWidget*>();
        QVERIFY(content);
        QVERIFY(!title.isEmpty());
        QVERIFY2(
            title.bottom() < content->y(),
            qPrintable(
                QStringLiteral("title %1..%2, contents at %3").arg(title.top()).arg(title.bottom()).arg(content->y())));
        QVERIFY(title.top() < box->height() / 2);
        if (box->isCheckable()) {
            const QRect check
                = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, box);
            QVERIFY(!check.isEmpty());
            QVERIFY(box->rect().contains(check));
            QVERIFY(check.right() < title.left());
            QVERIFY(qAbs(check.center().y() - title.center().y()) <= 1);
            QVERIFY(check.bottom() < content->y());
        }
    }

    void toolButtonTextUnderIcon()
    {
        // The icon centred above the text, not at the top left beside it.
        const auto page = showPage(QStringLiteral("buttons"), Gallery::Variant::Enabled);
        QVERIFY(page);
        const auto buttons = page->findChildren<QToolButton*>();
        int probed = 0;
        for (auto* button : buttons) {
            if (button->toolButtonStyle() != Qt::ToolButtonTextUnderIcon) {
                continue;
            }
            ++probed;
            const QImage image = button->grab().toImage();
            const int w = button->width();
            const int h = button->height();
            QVERIFY(containsColor(image, QRect(w / 3, 0, w / 3, h / 2), GreenIcon));
            QVERIFY(!containsColor(image, QRect(0, 0, w / 4, h), GreenIcon));
            QVERIFY(!containsColor(image, QRect(0, h / 2 + 2, w, h - h / 2 - 2), GreenIcon));
        }
        QVERIFY(probed > 0);
    }

    void dockTitle()
    {
        // A title bar little taller than its font: the title fits in it, at
        // the left, the buttons at the right end.
        const auto page = showPage(QStringLiteral("mainwindow"), Gallery::Variant::Enabled);
        QVERIFY(page);
        auto* dock = child<QDockWidget>(page.get(), "dockWidget");
        QVERIFY(dock && dock->widget());
        QStyleOptionDockWidget option;
        option.initFrom(dock);
        option.rect = QRect(0, 0, dock->width(), dock->widget()->y());
        option.title = dock->windowTitle();
        option.closable = true;
        option.floatable = true;
        const QRect text = dock->style()->subElementRect(QStyle::SE_DockWidgetTitleBarText, &option, dock);
        const QRect close = dock->style()->subElementRect(QStyle::SE_DockWidgetCloseButton, &option, dock);
        QVERIFY(!text.isEmpty());
        QVERIFY2(option.rect.contains(text),
                 qPrintable(QStringLiteral("title %1,%2 %3x%4 in a bar %5 high")
                                .arg(text.x())
                                .arg(text.y())
                                .arg(text.width())
                                .arg(text.height())
                                .arg(option.rect.height())));
        QVERIFY(text.left() < option.rect.width() / 4);
        QVERIFY(close.left() > text.right());
    }

    void sweep_data() { GallerySweep::addPageRows(); }

    void sweep()
    {
        QFETCH(QString, page);
        QFETCH(int, variant);
        GallerySweep::sweepPage(page, Gallery::Variant(variant));
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
    QApplication application(argc, argv);
    QApplication::setStyle(new QuiltStyle);
    tst_GalleryHalcyon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gallery_halcyon.moc"
