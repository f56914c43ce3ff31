// The gallery under the default style halcyon: the probed widgets show
// halcyon's colours, its disabled colours on the disabled pages and mirrored
// places on the right-to-left pages; then the sweep over every page.

#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QTest>

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
const QColor ButtonChecked(QStringLiteral("#e3f2fb"));
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
        // The check box element lays out its indicator at the left whatever
        // the direction; this row passes once it mirrors its places.
        QEXPECT_FAIL("right to left", "The check box indicator is not mirrored yet", Abort);
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
