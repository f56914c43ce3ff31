// The Quick gallery under halcyon, shown through the gallery's own code: each
// page loads in its three copies without a warning, the parts of controls sit
// mirrored in the right-to-left copy, and disabled parts look different.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QTest>
#include <QtMath>

#include "gallery.h"
#include "galleryprobe.h"
#include "quicktestfixture.h"

using namespace GalleryProbe;

class GalleryPagesTest : public QObject
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
        QVERIFY(!m_pages.isEmpty());
    }

    void pagesLoad_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& page : QuiltQuickGallery::pageNames())
            QTest::newRow(qPrintable(page)) << page;
    }

    // Every page loads in each copy, and neither the page nor a control
    // complains while it is shown.
    void pagesLoad()
    {
        QFETCH(QString, page);
        QTest::failOnWarning();
        QuiltQuickGallery::showPage(m_window, int(m_pages.indexOf(page)));
        for (const char* name : { "enabled", "disabled", "mirrored" }) {
            QQuickItem* loader = frame(m_window, QString::fromLatin1(name));
            QVERIFY2(loader, name);
            QCOMPARE(loader->property("status").toInt(), 1); // Loader.Ready
            auto* item = loader->property("item").value<QQuickItem*>();
            QVERIFY2(item, name);
            QVERIFY2(item->height() > 0, name);
            QCOMPARE(item->isEnabled(), QByteArray(name) != "disabled");
        }
    }

    void parts_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("part");
        QTest::newRow("check box") << "Toggles" << QByteArray("QQuickCheckBox") << "Checked" << QByteArray("indicator");
        QTest::newRow("radio button") << "Toggles" << QByteArray("QQuickRadioButton") << "Radio"
                                      << QByteArray("indicator");
        QTest::newRow("switch") << "Toggles" << QByteArray("QQuickSwitch") << "On" << QByteArray("indicator");
        QTest::newRow("check delegate") << "Delegates" << QByteArray("QQuickCheckDelegate") << "Check delegate"
                                        << QByteArray("indicator");
        QTest::newRow("switch delegate") << "Delegates" << QByteArray("QQuickSwitchDelegate") << "Switch delegate"
                                         << QByteArray("indicator");
        QTest::newRow("slider") << "Ranges" << QByteArray("QQuickSlider") << QString() << QByteArray("handle");
    }

    // A control's part lies on the other side of the control in the
    // right-to-left copy and looks as it does from left to right; in the
    // disabled copy it lies where it does enabled, and the control looks
    // different.
    void parts()
    {
        QFETCH(QString, page);
        QFETCH(QByteArray, className);
        QFETCH(QString, text);
        QFETCH(QByteArray, part);
        QuiltQuickGallery::showPage(m_window, int(m_pages.indexOf(page)));
        // All three copies in the picture.
        const int pageHeight = qCeil(m_window->property("pageHeight").toReal());
        if (pageHeight > m_window->height()) {
            m_window->resize(m_window->width(), pageHeight);
            QuiltQuickGallery::showPage(m_window, int(m_pages.indexOf(page)));
        }

        struct Found
        {
            QQuickItem* control = nullptr;
            QRectF part; // in the control's coordinates
        };
        const auto find = [&](const char* frameName) {
            Found found;
            found.control = control(frame(m_window, QString::fromLatin1(frameName)), className.constData(), text);
            if (!found.control)
                return found;
            auto* partItem = found.control->property(part.constData()).value<QQuickItem*>();
            if (partItem && partItem->isVisible())
                found.part = partItem->mapRectToItem(found.control, partItem->boundingRect());
            return found;
        };
        const Found enabled = find("enabled");
        const Found disabled = find("disabled");
        const Found mirrored = find("mirrored");
        QVERIFY(enabled.control && disabled.control && mirrored.control);
        QVERIFY(!enabled.part.isEmpty());
        QCOMPARE(mirrored.control->width(), enabled.control->width());

        // The part is off the control's centre, else mirroring shows nothing.
        const qreal width = enabled.control->width();
        QVERIFY(qAbs(enabled.part.center().x() - width / 2) > 4);
        QVERIFY2(qAbs(mirrored.part.center().x() - (width - enabled.part.center().x())) <= 1.5,
                 qPrintable(QStringLiteral("left to right at %1, right to left at %2, width %3")
                                .arg(enabled.part.center().x())
                                .arg(mirrored.part.center().x())
                                .arg(width)));
        QCOMPARE(disabled.part, enabled.part);

        const QImage image = m_window->grabWindow();
        const auto sceneRect = [](const QQuickItem* item, const QRectF& rect) {
            return item->mapRectToScene(rect).toAlignedRect().adjusted(1, 1, -1, -1);
        };
        const QColor ltr = meanColour(image, sceneRect(enabled.control, enabled.part));
        const QColor rtl = meanColour(image, sceneRect(mirrored.control, mirrored.part));
        const QRectF whole(0, 0, width, enabled.control->height());
        const QColor on = meanColour(image, sceneRect(enabled.control, whole));
        const QColor off = meanColour(image, sceneRect(disabled.control, whole));
        QVERIFY2(similar(ltr, rtl, 3), qPrintable(ltr.name() + QStringLiteral(" / ") + rtl.name()));
        // Where the part lies from left to right, the mirrored control shows
        // something else.
        const QColor unmirrored = meanColour(image, sceneRect(mirrored.control, enabled.part));
        QVERIFY2(!similar(ltr, unmirrored, 3), qPrintable(ltr.name() + QStringLiteral(" / ") + unmirrored.name()));
        // The disabled control, drawn alike but for its colours, shows them.
        QVERIFY2(!similar(on, off, 3), qPrintable(on.name() + QStringLiteral(" / ") + off.name()));
    }

private:
    QQmlApplicationEngine m_engine;
    QQuickWindow* m_window = nullptr;
    QStringList m_pages;
};

QUILT_QUICK_TEST_MAIN(GalleryPagesTest, QByteArrayLiteral("/* halcyon serves */"))

#include "tst_quickgallerypages.moc"
