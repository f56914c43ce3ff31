#include "color.h"
#include "element.h"
#include "inputplugin.h"
#include "style.h"
#include "stylepackage.h"
#include "stylepropertygroup.h"
#include "stylerule.h"
#include "testfixture.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include <sys/stat.h>

using namespace Quilt;

namespace
{
class FakeInputPlugin : public InputPlugin
{
public:
    explicit FakeInputPlugin(int code)
        : code(code)
    { }

    int validatePackage(const StylePackage&) override
    {
        ++validations;
        return code;
    }
    bool createPackage(StylePackage&, std::error_code&) override { return true; }
    std::shared_ptr<Style> createStyle(const StylePackage&) override { return nullptr; }

    int code;
    int validations = 0;
};

enum class Metadata
{
    NoFolder,
    Missing,
    File,
    Folder,
    Fifo,
    DanglingLink,
};

constexpr qsizetype MiB = 1024 * 1024;

const QByteArray testInputMetadata = R"({"input-type": "testinput", "name": "N"})";

QByteArray padded(const QByteArray& json, qsizetype size)
{
    return json + QByteArray(size - json.size(), ' ');
}

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(path.toStdString());
}

// With the text after it, to see that the stream's spacing comes back.
QString debugText(const StylePackage& package)
{
    QString text;
    QDebug(&text) << package << "after";
    return text.trimmed();
}

std::shared_ptr<Element> element(const QString& type, const QString& id = QString(),
                                 Element::States states = Element::State::None)
{
    std::shared_ptr<Element> e = Element::create();
    e->setType(type);
    e->setId(id);
    e->setStates(states);
    return e;
}

Color rgb(unsigned char r, unsigned char g, unsigned char b)
{
    return Color::rgba(r, g, b, 255);
}
} // namespace

Q_DECLARE_METATYPE(Metadata)

class tst_StylePackage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void errors_data();
    void errors();
    void defaultAndId();
    void lazyValidation();
    void localisedTexts_data();
    void localisedTexts();
    void otherMetadata_data();
    void otherMetadata();
    void debugForm();

    void testInputRules_data();
    void testInputRules();
    void loadedStyleMatches();
    void testInputCreatePackage();

private:
    QString root() const { return m_xdg.path() + QStringLiteral("/packages"); }

    QuiltTest::TemporaryXdg m_xdg;
    std::shared_ptr<FakeInputPlugin> m_counting = std::make_shared<FakeInputPlugin>(0);
    QLocale m_locale;
};

void tst_StylePackage::initTestCase()
{
    QVERIFY(m_xdg.isValid());
    InputPlugin::addInputType(QStringLiteral("counting"), m_counting);
    InputPlugin::addInputType(QStringLiteral("fortytwo"), std::make_shared<FakeInputPlugin>(42));
}

void tst_StylePackage::cleanup()
{
    QLocale::setDefault(m_locale);
}

void tst_StylePackage::errors_data()
{
    QTest::addColumn<Metadata>("kind");
    QTest::addColumn<QByteArray>("metadata");
    QTest::addColumn<bool>("contents");
    QTest::addColumn<bool>("rules");
    QTest::addColumn<int>("constructed");
    QTest::addColumn<int>("validated");
    QTest::addColumn<QString>("name");

    const QByteArray m = testInputMetadata;
    QTest::newRow("valid") << Metadata::File << m << true << true << 0 << 0 << "N";
    QTest::newRow("folder missing") << Metadata::NoFolder << m << false << false << 1 << 1 << "";
    QTest::newRow("metadata.json missing") << Metadata::Missing << m << true << true << 2 << 2 << "";
    // The metadata still answers without a complete package.
    QTest::newRow("contents missing") << Metadata::File << m << false << false << 2 << 2 << "N";
    QTest::newRow("does not parse") << Metadata::File << QByteArray(R"({"name": "N",)") << true << true << 0 << 3 << "";
    QTest::newRow("array") << Metadata::File << QByteArray(R"([{"name": "N"}])") << true << true << 0 << 3 << "";
    QTest::newRow("empty object") << Metadata::File << QByteArray("{}") << true << true << 0 << 3 << "";
    QTest::newRow("unknown input type") << Metadata::File << QByteArray(R"({"input-type": "nosuch", "name": "N"})")
                                        << true << true << 0 << 4 << "N";
    QTest::newRow("no input type") << Metadata::File << QByteArray(R"({"name": "N"})") << true << true << 0 << 4 << "N";
    // The test input plug-in's code for its missing rule file, and a code of
    // a plug-in's own, taken as they come.
    QTest::newRow("rule file missing") << Metadata::File << m << true << false << 0 << 2 << "N";
    QTest::newRow("plug-in's own code") << Metadata::File << QByteArray(R"({"input-type": "fortytwo", "name": "N"})")
                                        << true << true << 0 << 42 << "N";

    // Hostile metadata files: unreadable, never waited for, never read whole.
    QTest::newRow("metadata.json a folder") << Metadata::Folder << m << true << true << 0 << 3 << "";
    QTest::newRow("metadata.json a FIFO") << Metadata::Fifo << m << true << true << 0 << 3 << "";
    QTest::newRow("metadata.json a dangling link") << Metadata::DanglingLink << m << true << true << 0 << 3 << "";
    QTest::newRow("1 MiB") << Metadata::File << padded(m, MiB) << true << true << 0 << 0 << "N";
    QTest::newRow("1 MiB + 1") << Metadata::File << padded(m, MiB + 1) << true << true << 0 << 3 << "";
}

void tst_StylePackage::errors()
{
    QFETCH(Metadata, kind);
    QFETCH(QByteArray, metadata);
    QFETCH(bool, contents);
    QFETCH(bool, rules);
    QFETCH(int, constructed);
    QFETCH(int, validated);
    QFETCH(QString, name);

    const QString path = root() + QLatin1Char('/') + QLatin1String(QTest::currentDataTag());
    const QString metadataPath = path + QStringLiteral("/metadata.json");
    if (kind != Metadata::NoFolder) {
        QVERIFY(QDir().mkpath(path));
    }
    switch (kind) {
    case Metadata::NoFolder:
    case Metadata::Missing:
        break;
    case Metadata::File:
        QVERIFY(QuiltTest::writeFile(metadataPath, metadata));
        break;
    case Metadata::Folder:
        QVERIFY(QDir().mkpath(metadataPath));
        break;
    case Metadata::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(metadataPath).constData(), 0600), 0);
        break;
    case Metadata::DanglingLink:
        QVERIFY(QFile::link(path + QStringLiteral("/nowhere.json"), metadataPath));
        break;
    }
    if (contents) {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/contents")));
    }
    if (rules) {
        QVERIFY(QuiltTest::writeFile(path + QStringLiteral("/contents/rules.txt"), "Button layout.width=1\n"));
    }

    const StylePackage package(fsPath(path));
    QCOMPARE(package.error(), constructed);
    QCOMPARE(package.isValid(), validated == 0);
    QCOMPARE(package.error(), validated);
    QCOMPARE(package.inputType(), validated == 0 ? QStringLiteral("testinput") : QString());
    QCOMPARE(package.name(), name);

    const std::shared_ptr<Style> style = package.load();
    QCOMPARE(bool(style), validated == 0);
}

void tst_StylePackage::defaultAndId()
{
    const StylePackage none;
    QCOMPARE(none.error(), int(StylePackage::NotFound));
    QVERIFY(!none.isValid());
    QVERIFY(!none.load());

    const QString path = QuiltTest::writePackage(root(), QStringLiteral("halcyon"), testInputMetadata);
    QVERIFY(!path.isEmpty());
    QCOMPARE(StylePackage(fsPath(path)).id(), QStringLiteral("halcyon"));
    QCOMPARE(StylePackage(fsPath(path + QLatin1Char('/'))).id(), QString());
}

void tst_StylePackage::lazyValidation()
{
    m_counting->validations = 0;
    m_counting->code = 0;
    const QString path
        = QuiltTest::writePackage(root(), QStringLiteral("lazy"), R"({"input-type": "counting", "name": "Lazy"})");
    QVERIFY(!path.isEmpty());

    const StylePackage package(fsPath(path));
    QCOMPARE(package.error(), 0);
    QCOMPARE(package.name(), QStringLiteral("Lazy"));
    QCOMPARE(m_counting->validations, 0);

    QVERIFY(package.isValid());
    QCOMPARE(package.inputType(), QStringLiteral("counting"));
    QCOMPARE(m_counting->validations, 1);

    // The metadata read is kept; copies carry the checks already made.
    QVERIFY(QuiltTest::writeFile(path + QStringLiteral("/metadata.json"),
                                 R"({"input-type": "counting", "name": "Changed"})"));
    StylePackage copy(package);
    StylePackage moved(std::move(copy));
    QVERIFY(moved.isValid());
    QCOMPARE(moved.name(), QStringLiteral("Lazy"));
    QCOMPARE(m_counting->validations, 1);

    // A failed package keeps its error without asking again.
    m_counting->code = 9;
    const StylePackage failing(fsPath(path));
    QVERIFY(!failing.isValid());
    QVERIFY(!failing.isValid());
    QCOMPARE(failing.inputType(), QString());
    QCOMPARE(failing.error(), 9);
    QCOMPARE(failing.name(), QStringLiteral("Changed"));
    QCOMPARE(m_counting->validations, 2);

    StylePackage assigned;
    assigned = failing;
    QCOMPARE(assigned.error(), 9);
    assigned = StylePackage(fsPath(path + QStringLiteral("/nowhere")));
    QCOMPARE(assigned.error(), 1);
    QCOMPARE(failing.error(), 9);
}

void tst_StylePackage::localisedTexts_data()
{
    QTest::addColumn<QByteArray>("metadata");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const QByteArray both
        = R"({"name": "Plain", "name[de_DE]": "Deutsch", "description": "D", "description[de_DE]": "DD"})";
    QTest::newRow("plain only") << QByteArray(R"({"name": "Plain", "description": "D"})") << "de_DE"
                                << "Plain"
                                << "D";
    QTest::newRow("bracketed for the locale") << both << "de_DE"
                                              << "Deutsch"
                                              << "DD";
    QTest::newRow("bracketed for another locale") << both << "fr_FR"
                                                  << "Plain"
                                                  << "D";
    QTest::newRow("only another locale") << QByteArray(R"({"name[de_DE]": "Deutsch"})") << "fr_FR"
                                         << ""
                                         << "";
    QTest::newRow("no fallback to the language") << QByteArray(R"({"name": "Plain", "name[de]": "Deutsch"})") << "de_DE"
                                                 << "Plain"
                                                 << "";
    // Sorted after the plain key, the bracketed en_US key wins.
    QTest::newRow("bracketed en_US") << QByteArray(R"({"name": "Plain", "name[en_US]": "American"})") << "fr_FR"
                                     << "American"
                                     << "";
    QTest::newRow("last bracket") << QByteArray(R"({"name[x][de_DE]": "Nested"})") << "de_DE"
                                  << "Nested"
                                  << "";
    QTest::newRow("no bracket after the prefix")
        << QByteArray(R"({"name": "Plain", "name]": "X", "namefoo]": "Y", "description": "D", "description]": "Z"})")
        << "de_DE"
        << "Plain"
        << "D";
    QTest::newRow("mistyped") << QByteArray(R"({"name": 5, "description": ["D"]})") << "en_US"
                              << ""
                              << "";
}

void tst_StylePackage::localisedTexts()
{
    QFETCH(QByteArray, metadata);
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QFETCH(QString, description);

    QLocale::setDefault(QLocale(locale));
    const QString path = QuiltTest::writePackage(root() + QStringLiteral("/localised"),
                                                 QLatin1String(QTest::currentDataTag()), metadata);
    QVERIFY(!path.isEmpty());
    const StylePackage package(fsPath(path));
    QCOMPARE(package.name(), name);
    QCOMPARE(package.description(), description);
}

void tst_StylePackage::otherMetadata_data()
{
    QTest::addColumn<QByteArray>("metadata");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("license");
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QStringList>("authors");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("all set") << QByteArray(R"({"version": "1.2", "license": "MIT", "url": "https://example.org/a b",
                                              "authors": ["Ann", "Bob"], "hidden": true})")
                             << "1.2"
                             << "MIT" << QUrl(QStringLiteral("https://example.org/a%20b"))
                             << QStringList { "Ann", "Bob" } << true;
    QTest::newRow("none set") << QByteArray(R"({"name": "N"})") << ""
                              << "" << QUrl() << QStringList() << false;
    QTest::newRow("mistyped") << QByteArray(R"({"version": 2, "license": true, "url": 5, "authors": "Ann",
                                               "hidden": "yes"})")
                              << ""
                              << "" << QUrl() << QStringList() << false;
    QTest::newRow("author no string") << QByteArray(R"({"authors": ["Ann", 3]})") << ""
                                      << "" << QUrl() << QStringList { "Ann", "" } << false;
    QTest::newRow("keys match exactly") << QByteArray(R"({"Version": "1", "licensed": "x", "hidden ": true})") << ""
                                        << "" << QUrl() << QStringList() << false;
}

void tst_StylePackage::otherMetadata()
{
    QFETCH(QByteArray, metadata);
    QFETCH(QString, version);
    QFETCH(QString, license);
    QFETCH(QUrl, url);
    QFETCH(QStringList, authors);
    QFETCH(bool, hidden);

    const QString path
        = QuiltTest::writePackage(root() + QStringLiteral("/other"), QLatin1String(QTest::currentDataTag()), metadata);
    QVERIFY(!path.isEmpty());
    const StylePackage package(fsPath(path));
    QCOMPARE(package.version(), version);
    QCOMPARE(package.license(), license);
    QCOMPARE(package.url(), url);
    QCOMPARE(package.authors(), authors);
    QCOMPARE(package.isHidden(), hidden);
}

void tst_StylePackage::debugForm()
{
    const QString valid = QuiltTest::writePackage(root(), QStringLiteral("debug"), testInputMetadata,
                                                  { { QStringLiteral("contents/rules.txt"), QByteArray() } });
    QVERIFY(!valid.isEmpty());
    QCOMPARE(debugText(StylePackage(fsPath(valid))),
             QStringLiteral("StylePackage(\"%1\", valid, inputType: \"testinput\") after").arg(valid));

    const QString missing = root() + QStringLiteral("/absent");
    QCOMPARE(debugText(StylePackage(fsPath(missing))),
             QStringLiteral("StylePackage(\"%1\", invalid: 1) after").arg(missing));
}

void tst_StylePackage::testInputRules_data()
{
    QTest::addColumn<QByteArray>("rules");
    QTest::addColumn<QStringList>("selectors");
    QTest::addColumn<bool>("hasErrors");

    QTest::newRow("type and state") << QByteArray("Button:hovered background.color=#ff0000")
                                    << QStringList { "SelectorList(Type(Button), State(Hovered))" } << false;
    QTest::newRow("child and descendant")
        << QByteArray("Window > Button#ok.flat:Pressed text.color=#00ff00\nWindow Label layout.width=10")
        << QStringList { "SelectorList(Type(Window), Child, Type(Button), Id(ok), Hint(flat), State(Pressed))",
                         "SelectorList(Type(Window), Descendant, Type(Label))" }
        << false;
    QTest::newRow("any element, no selector, no properties")
        << QByteArray("* layout.padding=2\nlayout.height=3 layout.width=1\nButton")
        << QStringList { "SelectorList(AnyElement)", "SelectorList()", "SelectorList(Type(Button))" } << false;
    QTest::newRow("comments, blanks, tabs, CRLF")
        << QByteArray("# a comment\n\n   \n\tButton\t\tlayout.width=1\r\n  # indented comment\r\n")
        << QStringList { "SelectorList(Type(Button))" } << false;

    // A bad line is skipped and marks the style; the lines around it load.
    const QStringList kept { "SelectorList(Type(Label))", "SelectorList(Type(Button))" };
    const auto bad = [&](const char* tag, const QByteArray& line) {
        QTest::newRow(tag) << "Label layout.width=1\n" + line + "\nButton layout.width=1" << kept << true;
    };
    bad("unknown property", "Button border.width=1");
    bad("bad colour", "Button background.color=red");
    bad("short colour", "Button background.color=#fff");
    bad("bad number", "Button layout.width=wide");
    bad("unknown state", "Button:sleepy layout.width=1");
    bad("empty hint", "Button. layout.width=1");
    bad("leading child", "> Button layout.width=1");
    bad("trailing child", "Window > layout.width=1");
    bad("double child", "Window > > Button layout.width=1");
    bad("selector after properties", "Button layout.width=1 Label");
}

void tst_StylePackage::testInputRules()
{
    QFETCH(QByteArray, rules);
    QFETCH(QStringList, selectors);
    QFETCH(bool, hasErrors);

    const QString path
        = QuiltTest::writePackage(root() + QStringLiteral("/rules"), QLatin1String(QTest::currentDataTag()),
                                  testInputMetadata, { { QStringLiteral("contents/rules.txt"), rules } });
    QVERIFY(!path.isEmpty());
    const std::shared_ptr<Style> style = StylePackage(fsPath(path)).load();
    QVERIFY(style);
    if (hasErrors) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^testinput: .*rules.txt:2: ")));
    }
    QVERIFY(style->load());
    QCOMPARE(style->hasErrors(), hasErrors);

    QStringList loaded;
    for (const std::shared_ptr<StyleRule>& rule : style->rules()) {
        loaded.append(rule->selectors().toString());
    }
    QCOMPARE(loaded, selectors);
}

void tst_StylePackage::loadedStyleMatches()
{
    const QByteArray rules = "Button background.color=#0000ff layout.width=10\n"
                             "Window > Button:hovered background.color=#ff0000 layout.padding=4\n"
                             "Button#ok text.color=#00ff0080\n"
                             "Label layout.width=99\n";
    const QString path = QuiltTest::writePackage(root(), QStringLiteral("matching"), testInputMetadata,
                                                 { { QStringLiteral("contents/rules.txt"), rules } });
    QVERIFY(!path.isEmpty());

    const std::shared_ptr<Style> style = StylePackage(fsPath(path)).load();
    QVERIFY(style);
    QCOMPARE(style->id(), QStringLiteral("matching"));
    QVERIFY(style->rules().isEmpty());
    QVERIFY(style->load());
    QVERIFY(!style->hasErrors());
    QCOMPARE(style->rules().size(), 4);

    const auto button = element(QStringLiteral("Button"), QStringLiteral("ok"), Element::State::Hovered);
    const QList<std::shared_ptr<StyleRule>> matches = style->matches({ element(QStringLiteral("Window")), button });
    QCOMPARE(matches.size(), 3);
    QCOMPARE(matches[0]->properties()->text()->color(), Color::rgba(0, 255, 0, 128));
    QCOMPARE(matches[1]->properties()->background()->color(), rgb(255, 0, 0));
    QCOMPARE(matches[1]->properties()->layout()->padding()->toMargins(), QMarginsF(4, 4, 4, 4));
    QCOMPARE(matches[2]->properties()->background()->color(), rgb(0, 0, 255));
    QCOMPARE(matches[2]->properties()->layout()->width(), 10.0);

    // Without the window the child rule stays out.
    QCOMPARE(style->matches({ button }).size(), 2);
}

void tst_StylePackage::testInputCreatePackage()
{
    const std::shared_ptr<InputPlugin> plugin = InputPlugin::inputPlugin(QStringLiteral("testinput"));
    QVERIFY(plugin);

    const QString path = QuiltTest::writePackage(root(), QStringLiteral("created"), testInputMetadata);
    QVERIFY(!path.isEmpty());
    StylePackage package(fsPath(path));
    std::error_code error = std::make_error_code(std::errc::io_error);
    QVERIFY(plugin->createPackage(package, error));
    QVERIFY(!error);
    QFile rules(path + QStringLiteral("/contents/rules.txt"));
    QVERIFY(rules.exists());
    QCOMPARE(rules.size(), 0);

    const std::shared_ptr<Style> style = StylePackage(fsPath(path)).load();
    QVERIFY(style);
    QVERIFY(style->load());
    QVERIFY(style->rules().isEmpty());
    QVERIFY(!style->hasErrors());

    // The rule file gone after validation: the loader fails.
    const std::shared_ptr<Style> late = StylePackage(fsPath(path)).load();
    QVERIFY(late);
    QVERIFY(rules.remove());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^testinput: cannot read")));
    QVERIFY(!late->load());

    // `contents` a file: nothing can be written below it.
    const QString blocked = QuiltTest::writePackage(root(), QStringLiteral("blocked"), testInputMetadata);
    QVERIFY(QDir(blocked).rmdir(QStringLiteral("contents")));
    QVERIFY(QuiltTest::writeFile(blocked + QStringLiteral("/contents"), "a file"));
    StylePackage blockedPackage(fsPath(blocked));
    QVERIFY(!plugin->createPackage(blockedPackage, error));
    QVERIFY(error);
}

QTEST_GUILESS_MAIN(tst_StylePackage)

#include "tst_stylepackage.moc"
