#include "testfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace
{
const QByteArray Metadata = R"({"input-type": "testinput", "name": "Fixture"})";

const QByteArray FixtureRules = "Window > Button:hovered background.color=#ff0000 layout.padding=4\n"
                                "Button text.color=#00ff00\n"
                                "Button:pressed layout.width=10\n";

// The default style of the platform plug-in on offscreen: one rule for every
// element.
const QByteArray HalcyonRules = "layout.width=1\n";

const QByteArray HoveredPressedButton = "Matched properties:\n"
                                        "\n"
                                        "display: (empty)\n"
                                        "layout: \n"
                                        "  alignment: (empty)\n"
                                        "  width: 10\n"
                                        "  height: (empty)\n"
                                        "  spacing: (empty)\n"
                                        "  padding: \n"
                                        "    left: 4\n"
                                        "    right: 4\n"
                                        "    top: 4\n"
                                        "    bottom: 4\n"
                                        "\n"
                                        "  inset: (empty)\n"
                                        "  margins: (empty)\n"
                                        "\n"
                                        "text: \n"
                                        "  alignment: (empty)\n"
                                        "  font: (empty)\n"
                                        "  color: Color(RGBA, 0, 255, 0, 255)\n"
                                        "  wrapMode: (empty)\n"
                                        "  elide: (empty)\n"
                                        "\n"
                                        "icon: (empty)\n"
                                        "background: \n"
                                        "  color: Color(RGBA, 255, 0, 0, 255)\n"
                                        "  image: (empty)\n"
                                        "\n"
                                        "border: (empty)\n"
                                        "outline: (empty)\n"
                                        "corners: (empty)\n"
                                        "shadow: (empty)\n"
                                        "\n";

const QByteArray PlainButton = "Matched properties:\n"
                               "\n"
                               "display: (empty)\n"
                               "layout: (empty)\n"
                               "text: \n"
                               "  alignment: (empty)\n"
                               "  font: (empty)\n"
                               "  color: Color(RGBA, 0, 255, 0, 255)\n"
                               "  wrapMode: (empty)\n"
                               "  elide: (empty)\n"
                               "\n"
                               "icon: (empty)\n"
                               "background: (empty)\n"
                               "border: (empty)\n"
                               "outline: (empty)\n"
                               "corners: (empty)\n"
                               "shadow: (empty)\n"
                               "\n";

const QByteArray AnyElement = "Matched properties:\n"
                              "\n"
                              "display: (empty)\n"
                              "layout: \n"
                              "  alignment: (empty)\n"
                              "  width: 1\n"
                              "  height: (empty)\n"
                              "  spacing: (empty)\n"
                              "  padding: (empty)\n"
                              "  inset: (empty)\n"
                              "  margins: (empty)\n"
                              "\n"
                              "text: (empty)\n"
                              "icon: (empty)\n"
                              "background: (empty)\n"
                              "border: (empty)\n"
                              "outline: (empty)\n"
                              "corners: (empty)\n"
                              "shadow: (empty)\n"
                              "\n";

const QByteArray NoResult = "Query had no result!\n";

// The value of one slot in the tool's multi-line output, found by the names of
// the groups above it and its own, as in {"border", "left", "size"}: each level
// is indented by two more spaces than the one above. Null when absent.
QString slotValue(const QByteArray& output, const QStringList& path)
{
    const QStringList lines = QString::fromLocal8Bit(output).split(u'\n');
    qsizetype begin = 0;
    qsizetype end = lines.size();
    for (qsizetype depth = 0; depth < path.size(); ++depth) {
        const QString head = QString(depth * 2, u' ') + path.at(depth) + u": "_s;
        qsizetype found = -1;
        for (qsizetype i = begin; i < end && found < 0; ++i) {
            if (lines.at(i).startsWith(head)) {
                found = i;
            }
        }
        if (found < 0) {
            return QString();
        }
        if (depth == path.size() - 1) {
            return lines.at(found).mid(head.size());
        }
        // The group's lines run until the next line indented no deeper.
        begin = found + 1;
        qsizetype next = begin;
        while (next < end && (lines.at(next).isEmpty() || lines.at(next).startsWith(QString((depth + 1) * 2, u' ')))) {
            ++next;
        }
        end = next;
    }
    return QString();
}

// Slot paths as "border/left/size", and the values expected there.
using SlotValues = QMap<QString, QString>;

struct Run
{
    QByteArray out;
    QByteArray err;
    int exitCode = -1;
};
} // namespace

class tst_QuiltQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void output_data();
    void output();
    void secondRunFromCacheFile();
    void withoutDisplay();
    void strayArgument();
    void version();
    void halcyonButton_data();
    void halcyonButton();

private:
    // Runs the tool in the temporary XDG folders on the offscreen platform,
    // where the test platform plug-in names "halcyon" the default style.
    // `unset` names variables removed after the test's own settings.
    Run run(const QStringList& arguments, const QString& loggingRules = QString(), const QStringList& unset = {}) const;
    QStringList cacheFiles() const;

    std::unique_ptr<QuiltTest::TemporaryXdg> m_xdg;
};

void tst_QuiltQuery::init()
{
    m_xdg = std::make_unique<QuiltTest::TemporaryXdg>();
    QVERIFY(m_xdg->isValid());
    const QString styles = m_xdg->stylesFolder();
    QVERIFY(!QuiltTest::writePackage(styles, u"fixture"_s, Metadata, { { u"contents/rules.txt"_s, FixtureRules } })
                 .isEmpty());
    QVERIFY(!QuiltTest::writePackage(styles, u"halcyon"_s, Metadata, { { u"contents/rules.txt"_s, HalcyonRules } })
                 .isEmpty());
}

void tst_QuiltQuery::cleanup()
{
    m_xdg.reset();
}

Run tst_QuiltQuery::run(const QStringList& arguments, const QString& loggingRules, const QStringList& unset) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "QUILT_STYLE_NAME", "QUILT_FORCE_PLATFORM", "QUILT_DISABLE_STYLE_CACHE",
                              "QUILT_FORCE_RECREATE_STYLE_CACHE", "XDG_CURRENT_DESKTOP", "QT_LOGGING_RULES" }) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    // Lets a test tell the tool's messages apart by category and level.
    environment.insert(u"QT_MESSAGE_PATTERN"_s, u"%{category} %{type}: %{message}"_s);
    if (!loggingRules.isEmpty()) {
        environment.insert(u"QT_LOGGING_RULES"_s, loggingRules);
    }
    for (const QString& name : unset) {
        environment.remove(name);
    }

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILT_QUERY_PROGRAM), arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning() << "quilt-query did not finish:" << process.readAllStandardError();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.exitCode = process.exitCode();
    return result;
}

QStringList tst_QuiltQuery::cacheFiles() const
{
    return QDir(m_xdg->cacheHome() + u"/quilt"_s).entryList(QDir::Files);
}

void tst_QuiltQuery::output_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("window with a hovered and pressed button")
        << QStringList { u"--style"_s, u"fixture"_s, u"--type"_s,  u"Window"_s,  u"--child"_s, u"--type"_s,
                         u"Button"_s,  u"--state"_s, u"Hovered"_s, u"--state"_s, u"Pressed"_s }
        << HoveredPressedButton << 0;
    QTest::newRow("chain that matches nothing")
        << QStringList { u"--style"_s, u"fixture"_s, u"--type"_s, u"Label"_s } << NoResult << 2;
    QTest::newRow("child as the last option: the empty element is queried")
        << QStringList { u"--style"_s, u"fixture"_s, u"--type"_s, u"Button"_s, u"--child"_s } << NoResult << 2;
    QTest::newRow("unknown style") << QStringList { u"--style"_s, u"nosuch"_s, u"--type"_s, u"Button"_s }
                                   << QByteArray("No usable style found!\n") << 1;
    QTest::newRow("no options: the default style, one empty element") << QStringList {} << AnyElement << 0;

    // The last style given counts, wherever it stands; both option forms.
    QTest::newRow("style after the element, given twice")
        << QStringList { u"--style"_s, u"nosuch"_s, u"--type"_s, u"Button"_s, u"--style=fixture"_s } << PlainButton
        << 0;
    QTest::newRow("verbose takes no value")
        << QStringList { u"--style"_s, u"fixture"_s, u"--verbose"_s, u"--type"_s, u"Button"_s } << PlainButton << 0;

    // An unknown state name sets no flag: the pressed rule stays out.
    QTest::newRow("unknown state") << QStringList { u"--style"_s, u"fixture"_s, u"--type"_s,
                                                    u"Button"_s,  u"--state"_s, u"Bogus"_s }
                                   << "Ignoring unknown state Bogus\n" + PlainButton << 0;
    QTest::newRow("state names are exact")
        << QStringList { u"--style"_s, u"fixture"_s, u"--type"_s, u"Button"_s, u"--state"_s, u"pressed"_s }
        << "Ignoring unknown state pressed\n" + PlainButton << 0;
    QTest::newRow("invalid attributes") << QStringList { u"--style"_s,     u"fixture"_s, u"--type"_s,      u"Label"_s,
                                                         u"--attribute"_s, u"abc"_s,     u"--attribute"_s, u"a=b=c"_s,
                                                         u"--attribute"_s, u"key="_s }
                                        << "Ignoring invalid attributeabcIgnoring invalid attributea=b=c" + NoResult
                                        << 2;

    QTest::newRow("unknown option") << QStringList { u"--bogus"_s } << QByteArray() << 1;
    QTest::newRow("option without its value") << QStringList { u"--type"_s } << QByteArray() << 1;
    QTest::newRow("style without its value") << QStringList { u"--style"_s } << QByteArray() << 1;
}

void tst_QuiltQuery::output()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, out);
    QFETCH(int, exitCode);

    const Run result = run(arguments);
    QCOMPARE(result.out, out);
    QCOMPARE(result.exitCode, exitCode);
}

void tst_QuiltQuery::withoutDisplay()
{
    // No platform named and no display to reach: the tool runs offscreen.
    const Run result = run({ u"--style"_s, u"fixture"_s, u"--type"_s, u"Button"_s }, QString(),
                           { u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, PlainButton);
}

void tst_QuiltQuery::strayArgument()
{
    const Run result = run({ u"--style"_s, u"fixture"_s, u"--type"_s, u"Button"_s, u"Label"_s });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("Unexpected argument: Label\n\nUsage: "), result.err.constData());
    QVERIFY(result.err.contains("--attribute <attribute>"));
}

void tst_QuiltQuery::version()
{
    const Run result = run({ u"--version"_s });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("quilt-query " QUILT_VERSION "\n"));
}

void tst_QuiltQuery::secondRunFromCacheFile()
{
    const QStringList arguments { u"--style"_s, u"fixture"_s, u"--type"_s,  u"Window"_s,  u"--child"_s, u"--type"_s,
                                  u"Button"_s,  u"--state"_s, u"Hovered"_s, u"--state"_s, u"Pressed"_s };
    const QString debug = u"quilt.general.debug=true"_s;
    const QByteArray fromSources = "Loaded style \"fixture\" from \"";
    const QByteArray fromCache = "Loaded style \"fixture\" from cached data";

    // The cache file is written when the tool's application object goes.
    Run first = run(arguments, debug);
    QCOMPARE(first.out, HoveredPressedButton);
    QVERIFY2(first.err.contains(fromSources), first.err.constData());
    QCOMPARE(cacheFiles().size(), 1);

    Run second = run(arguments, debug);
    QCOMPARE(second.out, HoveredPressedButton);
    QVERIFY2(second.err.contains(fromCache), second.err.constData());

    // A damaged file is ignored: the style loads from its sources and the
    // file is written anew.
    const QString file = m_xdg->cacheHome() + u"/quilt/"_s + cacheFiles().constFirst();
    QVERIFY(QuiltTest::writeFile(file, "not a cache file"));
    Run third = run(arguments, debug);
    QCOMPARE(third.out, HoveredPressedButton);
    QVERIFY2(third.err.contains("invalid magic value"), third.err.constData());
    QVERIFY2(third.err.contains(fromSources), third.err.constData());

    Run fourth = run(arguments, debug);
    QCOMPARE(fourth.out, HoveredPressedButton);
    QVERIFY2(fourth.err.contains(fromCache), fourth.err.constData());
}

void tst_QuiltQuery::halcyonButton_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<SlotValues>("expected");

    // What the button sheet sets for every button, whatever its state: the
    // desktop's colours, as the tool shows them unresolved.
    SlotValues button {
        { u"background/color"_s,
          u"Color(Custom, source: loompalette, arguments: active, button, background, normal)"_s },
        { u"text/color"_s, u"Color(Custom, source: loompalette, arguments: active, button, foreground, text)"_s },
        { u"layout/padding/left"_s, u"8"_s },
        { u"layout/padding/top"_s, u"4"_s },
    };
    for (const QString& corner : { u"topLeft"_s, u"topRight"_s, u"bottomLeft"_s, u"bottomRight"_s }) {
        button.insert(u"corners/%1/radius"_s.arg(corner), u"3"_s);
    }
    const auto withBorder = [&button](const QString& color) {
        SlotValues values = button;
        for (const QString& side : { u"left"_s, u"right"_s, u"top"_s, u"bottom"_s }) {
            values.insert(u"border/%1/size"_s.arg(side), u"1"_s);
            values.insert(u"border/%1/color"_s.arg(side), color);
            values.insert(u"border/%1/style"_s.arg(side), u"Solid"_s);
        }
        return values;
    };

    // Without a style option the default style is queried, which is halcyon.
    QTest::newRow("button in a window, default style")
        << QStringList { u"--type"_s, u"Window"_s, u"--child"_s, u"--type"_s, u"Button"_s }
        << withBorder(
               u"Color(Mix, color: Color(Custom, source: loompalette, arguments: active, button, background, normal), "
               "other: Color(Custom, source: loompalette, arguments: active, button, foreground, text), amount: 0.54)"_s);
    QTest::newRow("hovered button in a window")
        << QStringList { u"--style"_s, u"halcyon"_s, u"--type"_s,  u"Window"_s, u"--child"_s,
                         u"--type"_s,  u"Button"_s,  u"--state"_s, u"Hovered"_s }
        << withBorder(u"Color(Custom, source: loompalette, arguments: active, view, decoration, focus)"_s);
}

void tst_QuiltQuery::halcyonButton()
{
    QFETCH(QStringList, arguments);
    QFETCH(SlotValues, expected);

    // The installed halcyon, read from the build's data folder, rather than
    // the fixture that stands in for it elsewhere in this test.
    QVERIFY(QDir(m_xdg->stylesFolder() + u"/halcyon"_s).removeRecursively());

    const Run result = run(arguments, u"quilt.general.debug=true"_s);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.startsWith("Matched properties:\n\n"), result.out.constData());
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        // The path goes into both sides, so that a failure names the slot.
        QCOMPARE(it.key() + u" = "_s + slotValue(result.out, it.key().split(u'/')), it.key() + u" = "_s + it.value());
    }

    // Parsed from its style sheets, not taken from a cache file, and without
    // a single complaint from the CSS plug-in.
    QVERIFY2(result.err.contains("quilt.general debug: Loaded style \"halcyon\" from \""), result.err.constData());
    for (const QByteArray& line : result.err.split('\n')) {
        QVERIFY2(!line.startsWith("quilt.css warning") && !line.startsWith("quilt.css critical"), line.constData());
    }
}

QTEST_GUILESS_MAIN(tst_QuiltQuery)
#include "tst_quiltquery.moc"
