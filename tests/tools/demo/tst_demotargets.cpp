// `tools/dev demo` builds only the targets of tools/demo-targets.txt. Here
// the galleries run with the plug-ins and QML plug-ins of those targets
// alone (every other plug-in of the build is hidden) and must draw a page of
// halcyon: its window, its buttons with their frames, and their text, in
// the colours of a scheme of the test's own. A list that misses a plug-in
// that the style needs (the colour provider, say) shows white pages.

#include "testfixture.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{
const QColor windowColour(0xc0, 0x50, 0x30);
const QColor buttonColour(0x30, 0x70, 0xc0);
const QColor textColour(0x10, 0x10, 0x10);
// halcyon's button frame: the button's background mixed 54% towards its text.
const QColor frameColour(0x30 * 0.46 + 0x10 * 0.54, 0x70 * 0.46 + 0x10 * 0.54, 0xc0 * 0.46 + 0x10 * 0.54);

// Mirrors `source` into `target` with symbolic links, leaving out the
// libraries that are not in `kept`.
bool mirror(const QString& source, const QString& target, const QSet<QString>& kept, QStringList& hidden)
{
    QDirIterator it(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const bool library = file.endsWith(u".so"_s) || file.contains(u".so."_s);
        if (library && !kept.contains(QFileInfo(file).canonicalFilePath())) {
            hidden.append(QFileInfo(file).fileName());
            continue;
        }
        const QString link = target + u'/' + QDir(source).relativeFilePath(file);
        if (!QDir().mkpath(QFileInfo(link).path()) || !QFile::link(file, link)) {
            return false;
        }
    }
    return true;
}

int countNear(const QImage& image, const QColor& colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) <= tolerance && qAbs(pixel.green() - colour.green()) <= tolerance
                && qAbs(pixel.blue() - colour.blue()) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}
// The most frequent colours, for the message of a failure.
QString commonColours(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QList<std::pair<int, QRgb>> sorted;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        sorted.append({ it.value(), it.key() });
    }
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    QStringList names;
    for (qsizetype i = 0; i < qMin<qsizetype>(12, sorted.size()); ++i) {
        names.append(u"%1 %2"_s.arg(QColor(sorted[i].second).name()).arg(sorted[i].first));
    }
    return names.join(u", "_s);
}
} // namespace

class tst_DemoTargets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void galleryDrawsHalcyon_data();
    void galleryDrawsHalcyon();

private:
    QTemporaryDir m_tree;
    QStringList m_hidden;
};

void tst_DemoTargets::initTestCase()
{
    QVERIFY(m_tree.isValid());
    QSet<QString> kept;
    for (const QString& library : QStringLiteral(QUILT_DEMO_LIBRARIES).split(u'|', Qt::SkipEmptyParts)) {
        kept.insert(QFileInfo(library).canonicalFilePath());
    }
    QVERIFY(mirror(QStringLiteral(QUILT_BUILD_PLUGINS), m_tree.filePath(u"plugins"_s), kept, m_hidden));
    QVERIFY(mirror(QStringLiteral(QUILT_BUILD_QML), m_tree.filePath(u"qml"_s), kept, m_hidden));
    // A build of the demo's targets alone has nothing else to hide.
    qInfo("Hidden from the galleries: %s", qPrintable(m_hidden.join(u", "_s)));
}

void tst_DemoTargets::galleryDrawsHalcyon_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("page");

    QTest::newRow("widget gallery") << QStringLiteral(QUILT_WIDGET_GALLERY)
                                    << QStringList { u"--style"_s, u"halcyon"_s, u"--page"_s, u"buttons"_s }
                                    << u"buttons.png"_s;
    QTest::newRow("Quick gallery") << QStringLiteral(QUILT_QUICK_GALLERY) << QStringList() << u"Buttons.png"_s;
}

void tst_DemoTargets::galleryDrawsHalcyon()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, page);

    QuiltTest::TemporaryXdg xdg;
    QVERIFY(xdg.isValid());
    const auto channel = [](const QColor& colour) {
        return colour.name();
    };
    QVERIFY(QuiltTest::writeFile(xdg.configHome() + u"/loomglobals"_s,
                                 u"[Colors:Window]\nBackgroundNormal=%1\nForegroundNormal=%3\n"
                                 "[Colors:Button]\nBackgroundNormal=%2\nForegroundNormal=%3\n"_s
                                     .arg(channel(windowColour), channel(buttonColour), channel(textColour))
                                     .toUtf8()));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "QUILT_FORCE_PLATFORM", "XDG_CURRENT_DESKTOP", "QT_STYLE_OVERRIDE",
                              "QT_QUICK_CONTROLS_STYLE", "QT_LOGGING_RULES" }) {
        environment.remove(QString::fromLatin1(name));
    }
    // As tools/dev demo runs them.
    environment.insert(u"QT_PLUGIN_PATH"_s, m_tree.filePath(u"plugins"_s));
    environment.insert(u"QML_IMPORT_PATH"_s, m_tree.filePath(u"qml"_s));
    environment.insert(u"XDG_DATA_DIRS"_s, QStringLiteral(QUILT_BUILD_DATA));
    environment.insert(u"QUILT_STYLE_NAME"_s, u"halcyon"_s);

    const QString shots = xdg.path() + u"/shots"_s;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments + QStringList { u"--screenshots"_s, shots });
    QVERIFY(process.waitForFinished(240000));
    const QByteArray errors = process.readAllStandardError();
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, errors.left(2000).constData());
    QVERIFY2(!errors.contains("No provider"), errors.left(2000).constData());

    const QImage image(shots + u'/' + page);
    QVERIFY2(!image.isNull(), qPrintable(shots + u'/' + page));
    const int area = image.width() * image.height();
    const int window = countNear(image, windowColour, 0);
    const int buttons = countNear(image, buttonColour, 0);
    // Edges blend a little differently in the two front ends.
    const int frames = countNear(image, frameColour, 6);
    const int text = countNear(image, textColour, 24);
    const QByteArray counts = u"window %1, buttons %2, frames %3, text %4 of %5 pixels"_s.arg(window)
                                  .arg(buttons)
                                  .arg(frames)
                                  .arg(text)
                                  .arg(area)
                                  .append(u"; most common: "_s + commonColours(image))
                                  .toUtf8();
    QVERIFY2(window > area / 5, counts.constData());
    QVERIFY2(buttons > 2000, counts.constData());
    QVERIFY2(frames > 200, counts.constData());
    QVERIFY2(text > 200, counts.constData());
}

QTEST_GUILESS_MAIN(tst_DemoTargets)
#include "tst_demotargets.moc"
