// The Quick gallery under halcyon, read back from the drawn window: what a
// page shows of single controls in their states (disabled, checked, flat,
// swiped, right to left) and that nothing stale is left in the picture.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QTest>
#include <QtMath>

#include <algorithm>

#include "gallery.h"
#include "galleryprobe.h"
#include "quicktestfixture.h"

using namespace GalleryProbe;

namespace
{
int darkness(const QColor& colour)
{
    return 255 - qGray(colour.rgb());
}

// The darkest and the bluest pixel of `rect`: where text is drawn, and in
// what colour.
struct Ink
{
    int darkest = 0;
    int blueness = -255;
};

Ink ink(const QImage& image, QRect rect)
{
    Ink found;
    rect &= image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            found.darkest = std::max(found.darkest, darkness(c));
            found.blueness = std::max(found.blueness, c.blue() - std::max(c.red(), c.green()));
        }
    }
    return found;
}

QRect sceneRect(const QQuickItem* item)
{
    return item->mapRectToScene(item->boundingRect()).toAlignedRect();
}

QQuickItem* textItem(QQuickItem* root, const QString& text)
{
    return findItem(root, [&text](QQuickItem* item) {
        return item->inherits("QQuickText") && item->property("text").toString() == text;
    });
}
} // namespace

class GalleryLookTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QuiltQuickTest::installShippedStyle(QStringLiteral("halcyon")));
        m_window = QuiltQuickGallery::load(m_engine);
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_pages = QuiltQuickGallery::pageNames();
    }

    // A header view drops the cells it laid out before its sync view took
    // over; the picture shows each section once, and nothing below the last
    // row of the small table.
    void headerCellsOnce()
    {
        show(QStringLiteral("Buttons"));
        show(QStringLiteral("Tables"));
        const QImage image = m_window->grabWindow();
        for (const char* name : { "enabled", "disabled", "mirrored" }) {
            QQuickItem* header = findItem(frame(m_window, QString::fromLatin1(name)), [](QQuickItem* item) {
                return item->inherits("QQuickVerticalHeaderView") && item->property("rows").toInt() == 3;
            });
            QVERIFY2(header, name);
            auto* cells = header->property("contentItem").value<QQuickItem*>();
            const auto labels = cells->childItems();
            const qsizetype threes = std::count_if(labels.cbegin(), labels.cend(), [](QQuickItem* cell) {
                return textItem(cell, QStringLiteral("3")) != nullptr;
            });
            QCOMPARE(threes, 1);
            QQuickItem* last = *std::find_if(labels.cbegin(), labels.cend(), [](QQuickItem* cell) {
                return textItem(cell, QStringLiteral("3")) != nullptr;
            });
            QVERIFY(last);
            const QRectF below = header->mapRectToScene(QRectF(
                0, last->mapToItem(header, QPointF(0, last->height())).y() + 1, header->width(), header->height()));
            const Ink found = ink(image, below.toAlignedRect().adjusted(1, 0, -1, -1));
            QVERIFY2(found.darkest < 60,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(found.darkest)));
        }
    }

    // Disabled, a checked button still looks unlike an unchecked one (sampled
    // just inside the frame, away from the text).
    void disabledCheckedButton()
    {
        show(QStringLiteral("Buttons"));
        QQuickItem* disabled = frame(m_window, QStringLiteral("disabled"));
        QQuickItem* one = control(disabled, "QQuickButton", QStringLiteral("Checked"));
        QQuickItem* other = control(disabled, "QQuickButton", QStringLiteral("&Button"));
        QVERIFY(one && other);
        const QImage image = m_window->grabWindow();
        const QColor a = pixel(image, scenePoint(one, QPointF(3, one->height() / 2)));
        const QColor b = pixel(image, scenePoint(other, QPointF(3, other->height() / 2)));
        QVERIFY2(!similar(a, b, 4), qPrintable(a.name() + QStringLiteral(" / ") + b.name()));
    }

    // Hover events reach disabled rows; a disabled row under the pointer
    // looks as it does without it.
    void disabledRowIgnoresHover()
    {
        show(QStringLiteral("Delegates"));
        QQuickItem* disabled = frame(m_window, QStringLiteral("disabled"));
        QQuickItem* row = control(disabled, "QQuickItemDelegate", QStringLiteral("Row 4"));
        QQuickItem* other = control(disabled, "QQuickItemDelegate", QStringLiteral("Row 5"));
        QVERIFY(row && other);
        QTest::mouseMove(m_window, scenePoint(row, QPointF(row->width() - 10, row->height() / 2)));
        QTRY_VERIFY(row->property("hovered").toBool());
        show(QStringLiteral("Delegates"));
        const QImage image = m_window->grabWindow();
        const QColor under = pixel(image, scenePoint(row, QPointF(row->width() - 4, 3)));
        const QColor away = pixel(image, scenePoint(other, QPointF(other->width() - 4, 3)));
        QVERIFY2(similar(under, away, 2), qPrintable(under.name() + QStringLiteral(" / ") + away.name()));
        QTest::mouseMove(m_window, QPoint(m_window->width() - 2, m_window->height() - 2));
    }

    // The title of a disabled menu is drawn as disabled as the bar's titles in
    // the disabled copy.
    void disabledMenuTitle()
    {
        show(QStringLiteral("Menus"));
        const QImage image = m_window->grabWindow();
        const auto title = [&](const char* frameName, const QString& text) {
            QQuickItem* item = control(frame(m_window, QString::fromLatin1(frameName)), "QQuickMenuBarItem", text);
            return item ? ink(image, sceneRect(item)).darkest : -1;
        };
        const int view = title("enabled", QStringLiteral("&View"));
        const int file = title("enabled", QStringLiteral("&File"));
        const int disabledFile = title("disabled", QStringLiteral("&File"));
        QVERIFY(view >= 0 && file >= 0 && disabledFile >= 0);
        QVERIFY2(qAbs(view - disabledFile) <= 8 && file - view > 60,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(view).arg(file).arg(disabledFile)));
    }

    // A flat combo box draws no frame: its edge is the page's colour; a plain
    // one's is not.
    void flatComboBoxHasNoFrame()
    {
        show(QStringLiteral("Combos"));
        QQuickItem* enabled = frame(m_window, QStringLiteral("enabled"));
        QQuickItem* flat = findItem(enabled, [](QQuickItem* item) {
            return item->inherits("QQuickComboBox") && item->property("flat").toBool();
        });
        QQuickItem* plain = control(enabled, "QQuickComboBox", QString());
        QVERIFY(flat && plain);
        const QImage image = m_window->grabWindow();
        const auto edge = [&](QQuickItem* item) {
            return pixel(image, scenePoint(item, QPointF(0.2, item->height() / 2)));
        };
        const auto outside = [&](QQuickItem* item) {
            return pixel(image, scenePoint(item, QPointF(-2, item->height() / 2)));
        };
        QVERIFY(!similar(edge(plain), outside(plain), 8));
        QVERIFY2(similar(edge(flat), outside(flat), 3),
                 qPrintable(edge(flat).name() + QStringLiteral(" / ") + outside(flat).name()));
    }

    // Links of a disabled label are as grey as its text; enabled, they are
    // blue.
    void disabledLinks()
    {
        show(QStringLiteral("Containers"));
        const QImage image = m_window->grabWindow();
        const auto label = [&](const char* frameName) {
            QQuickItem* item = findItem(frame(m_window, QString::fromLatin1(frameName)), [](QQuickItem* candidate) {
                return candidate->inherits("QQuickLabel") && candidate->property("text").toString().contains(u"href");
            });
            return item ? ink(image, sceneRect(item)) : Ink();
        };
        QVERIFY(label("enabled").blueness > 80);
        // Text edges may be tinted where glyphs are smoothed per subpixel.
        QQuickItem* plain
            = control(frame(m_window, QStringLiteral("disabled")), "QQuickLabel", QStringLiteral("A pane"));
        QVERIFY(plain);
        const int grey = ink(image, sceneRect(plain)).blueness;
        QVERIFY2(label("disabled").blueness <= grey + 10,
                 qPrintable(QStringLiteral("%1 / %2").arg(label("disabled").blueness).arg(grey)));
    }

    // A frame keeps its content as far from its line as a pane does.
    void framePadding()
    {
        show(QStringLiteral("Containers"));
        QQuickItem* enabled = frame(m_window, QStringLiteral("enabled"));
        QQuickItem* frameControl = findItem(enabled, [](QQuickItem* item) { return item->inherits("QQuickFrame"); });
        QQuickItem* pane = findItem(enabled, [](QQuickItem* item) {
            return item->inherits("QQuickPane") && !item->inherits("QQuickFrame") && !item->inherits("QQuickPage");
        });
        QVERIFY(frameControl && pane);
        auto* content = frameControl->property("contentItem").value<QQuickItem*>();
        QVERIFY(content && !content->childItems().isEmpty());
        const QPointF label = content->childItems().constFirst()->mapToItem(frameControl, QPointF());
        QCOMPARE(label, QPointF(pane->property("leftPadding").toReal(), pane->property("topPadding").toReal()));
    }

    // A delegate swiped open moves its text with its content, and its action
    // shows at the end that the swipe uncovers, in both directions.
    void swipedDelegate()
    {
        show(QStringLiteral("Delegates"));
        const QImage image = m_window->grabWindow();
        for (const char* name : { "enabled", "mirrored" }) {
            QQuickItem* copy = frame(m_window, QString::fromLatin1(name));
            QQuickItem* swiped = control(copy, "QQuickSwipeDelegate", QStringLiteral("Swiped open"));
            QQuickItem* resting = control(copy, "QQuickSwipeDelegate", QStringLiteral("Swipe delegate"));
            QVERIFY(swiped && resting);
            QQuickItem* action = textItem(swiped, QStringLiteral("Delete"));
            QQuickItem* text = textItem(swiped, QStringLiteral("Swiped open"));
            QQuickItem* restingText = textItem(resting, QStringLiteral("Swipe delegate"));
            QVERIFY(action && text && restingText);
            const qreal moved = action->width();
            QVERIFY(moved > 10);
            // Both texts start (or end, right to left) at the same padding
            // when at rest.
            const QRectF at = text->mapRectToScene(text->boundingRect());
            const QRectF rest = restingText->mapRectToScene(restingText->boundingRect());
            const qreal shift = QByteArray(name) == "mirrored" ? at.right() - rest.right() : at.left() - rest.left();
            QVERIFY2(qAbs(shift + moved) <= 1.5,
                     qPrintable(QStringLiteral("%1: moved %2 of %3").arg(QLatin1String(name)).arg(shift).arg(moved)));
            // The action's red, at the delegate's right end.
            const QPoint end = scenePoint(swiped, QPointF(swiped->width() - 3, 3));
            const QColor red = pixel(image, end);
            QVERIFY2(red.red() - red.blue() > 80,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name), red.name())));
        }
    }

    // The text context menu of a field laid out right to left is mirrored:
    // its entries' texts sit at the right, their shortcuts at the left.
    void mirroredContextMenu()
    {
        show(QStringLiteral("TextMenu"));
        // The menu of the right-to-left copy, open below its field.
        const qreal top = frame(m_window, QStringLiteral("mirrored"))->mapToScene(QPointF()).y();
        QQuickItem* cut = findItem(m_window->contentItem(), [top](QQuickItem* item) {
            return item->inherits("QQuickMenuItem") && item->property("text").toString() == QStringLiteral("Cut")
                && item->isVisible() && item->mapToScene(QPointF()).y() > top;
        });
        QVERIFY(cut);
        QVERIFY(cut->property("mirrored").toBool());
        QQuickItem* label = textItem(cut, QStringLiteral("Cut"));
        QQuickItem* shortcut = findItem(cut, [](QQuickItem* item) {
            return item->inherits("QQuickText") && item->property("text").toString().contains(u'+');
        });
        QVERIFY(label && shortcut);
        // Both texts span the entry; their alignments place them.
        QCOMPARE(label->property("effectiveHorizontalAlignment").toInt(), int(Qt::AlignRight));
        QCOMPARE(shortcut->property("effectiveHorizontalAlignment").toInt(), int(Qt::AlignLeft));
    }

private:
    void show(const QString& page)
    {
        QuiltQuickGallery::showPage(m_window, int(m_pages.indexOf(page)));
        const int pageHeight = qCeil(m_window->property("pageHeight").toReal());
        if (pageHeight > m_window->height()) {
            m_window->resize(m_window->width(), pageHeight);
            QuiltQuickGallery::showPage(m_window, int(m_pages.indexOf(page)));
        }
    }

    QQmlApplicationEngine m_engine;
    QQuickWindow* m_window = nullptr;
    QStringList m_pages;
};

QUILT_QUICK_TEST_MAIN(GalleryLookTest, QByteArrayLiteral("/* halcyon serves */"))

#include "tst_quickgallerylook.moc"
