// The gallery's colour scheme option: the file it names reaches the desktop
// colour provider, before the window exists and while it is shown. The
// fixture style takes the window's colour from the provider.

#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QTemporaryDir>
#include <QTest>

#include "gallery.h"
#include "galleryprobe.h"
#include "quicktestfixture.h"
#include "testfixture.h"

using namespace GalleryProbe;

namespace
{
const QColor DarkWindow(0x20, 0x23, 0x26);

// The colour of the window where no page and no page list draws.
QColor windowColour(QQuickWindow* window)
{
    QuiltQuickGallery::showPage(window, window->property("currentPage").toInt());
    const QImage image = window->grabWindow();
    return pixel(image, QPoint(4, image.height() - 4));
}
} // namespace

class GallerySchemeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_dark = m_folder.filePath(QStringLiteral("dark.colors"));
        QVERIFY(QuiltTest::writeFile(m_dark,
                                     QByteArrayLiteral("[Colors:Window]\n"
                                                       "BackgroundNormal=#202326\n"
                                                       "ForegroundNormal=#fcfcfc\n")));
    }

    void cleanup() { QuiltQuickGallery::setColorScheme(QString()); }

    // The scheme follows the option while the window is shown, and back.
    void switchesWhileShown()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = QuiltQuickGallery::load(engine);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QColor light = windowColour(window);
        QVERIFY2(light.lightness() > 160, qPrintable(light.name()));

        QVERIFY(QuiltQuickGallery::setColorScheme(m_dark));
        QCOMPARE(qApp->property("VYR_COLOR_SCHEME_PATH").toString(), QFileInfo(m_dark).absoluteFilePath());
        QTRY_COMPARE(windowColour(window), DarkWindow);

        QVERIFY(QuiltQuickGallery::setColorScheme(QString()));
        QTRY_COMPARE(windowColour(window), light);
    }

    // As the program does it: the scheme first, then the window.
    void darkFromTheStart()
    {
        QVERIFY(QuiltQuickGallery::setColorScheme(m_dark));
        QQmlApplicationEngine engine;
        QQuickWindow* window = QuiltQuickGallery::load(engine);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(windowColour(window), DarkWindow);
    }

    // A file that cannot be read changes nothing and says why.
    void refusesMissingFile()
    {
        QVERIFY(QuiltQuickGallery::setColorScheme(m_dark));
        QString error;
        const QString missing = m_folder.filePath(QStringLiteral("missing.colors"));
        QVERIFY(!QuiltQuickGallery::setColorScheme(missing, &error));
        QVERIFY(error.contains(missing));
        QVERIFY(!QuiltQuickGallery::setColorScheme(m_folder.path(), &error));
        QCOMPARE(qApp->property("VYR_COLOR_SCHEME_PATH").toString(), QFileInfo(m_dark).absoluteFilePath());
    }

private:
    QTemporaryDir m_folder;
    QString m_dark;
};

QUILT_QUICK_TEST_MAIN(GallerySchemeTest,
                      QByteArrayLiteral("ApplicationWindow { background-color: custom(loompalette, active, window, "
                                        "background, normal); }"))

#include "tst_quickgalleryscheme.moc"
