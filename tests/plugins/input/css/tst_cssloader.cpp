#include "cssloader.h"

#include "layoutpropertygroup.h"
#include "stylecache_p.h"

#include "style_p.h"
#include "stylepropertygroup.h"
#include "stylerule.h"
#include "testfixture.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Css;
using namespace Qt::StringLiterals;

namespace
{
const QByteArray metadata = R"({ "input-type": "css", "name": "Test" })";

QString path(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

QStringList cachePaths(const Style& style)
{
    QStringList result;
    for (const std::filesystem::path& p : StylePrivate::get(style).cachePaths) {
        result << path(p);
    }
    return result;
}

QStringList selectorTexts(const Style& style)
{
    QStringList result;
    for (const auto& rule : style.rules()) {
        result << rule->selectors().toString();
    }
    return result;
}
} // namespace

class TestCssLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void ruleConversion();
    void rulesWithoutProperties();
    void sheetsAndTheirOrder_data();
    void sheetsAndTheirOrder();
    void parseErrorsAreReported();
    void parseErrorsWithWarningsOff();
    void missingMainStyleSheet();
    void loadingAgainAppends();
    void separatorRefusesDeclaration();
    void cacheFollowsWhatTheLoadLookedFor_data();
    void cacheFollowsWhatTheLoadLookedFor();

private:
    // A style over a package with these files below contents/css, loaded.
    std::shared_ptr<Style> load(const QMap<QString, QByteArray>& sheets);
    // A default style sheet in the test's data home, found before the build's.
    void installDefaultSheet(const QByteArray& text);

    std::unique_ptr<QuiltTest::TemporaryXdg> m_xdg;
    QByteArray m_savedDataDirs;
    QString m_packagePath;
};

void TestCssLoader::init()
{
    m_savedDataDirs = qgetenv("XDG_DATA_DIRS");
    m_xdg = std::make_unique<QuiltTest::TemporaryXdg>();
    QVERIFY(m_xdg->isValid());
    // No data folder but the test's own: no default style sheet unless a test
    // installs one.
    const QString emptyDataDir = m_xdg->path() + QStringLiteral("/system-data");
    QVERIFY(QDir().mkpath(emptyDataDir));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(emptyDataDir));
}

void TestCssLoader::cleanup()
{
    m_xdg.reset();
    qputenv("XDG_DATA_DIRS", m_savedDataDirs);
    QLoggingCategory::setFilterRules(QString());
}

std::shared_ptr<Style> TestCssLoader::load(const QMap<QString, QByteArray>& sheets)
{
    QMap<QString, QByteArray> files;
    for (auto it = sheets.constBegin(); it != sheets.constEnd(); ++it) {
        files.insert(QStringLiteral("contents/css/") + it.key(), it.value());
    }
    m_packagePath = QuiltTest::writePackage(m_xdg->stylesFolder(), QStringLiteral("teststyle"), metadata, files);
    if (m_packagePath.isEmpty()) {
        qWarning() << "Cannot write the package";
        return nullptr;
    }
    auto style = Style::create(QFile::encodeName(m_packagePath).toStdString(), std::make_unique<CssLoader>());
    if (!style->load()) {
        qWarning() << "load() failed";
    }
    return style;
}

void TestCssLoader::installDefaultSheet(const QByteArray& text)
{
    QVERIFY(QuiltTest::writeFile(m_xdg->dataHome() + QStringLiteral("/quilt/css/defaults/default.css"), text));
}

void TestCssLoader::ruleConversion()
{
    const auto style = load({ { "style.css", "Button:hover { width: 3px; opacity: 0.5; spacing: 2px }" } });
    QVERIFY(style);
    QVERIFY(!style->hasErrors());
    QCOMPARE(style->rules().size(), 1);

    const auto rule = style->rules().first();
    QCOMPARE(rule->selectors().size(), 2);
    QCOMPARE(rule->selectors().weight(), 11);
    const Properties::StylePropertyGroup* group = rule->properties();
    QVERIFY(group);
    QVERIFY(group->layout());
    QCOMPARE(group->layout()->width(), 3.0);
    QCOMPARE(group->layout()->spacing(), 2.0);
    QVERIFY(group->display());
    QCOMPARE(group->display()->opacity(), 0.5);

    auto* loader = static_cast<CssLoader*>(style->loader());
    QCOMPARE(loader->mainStyleSheetPath(),
             std::filesystem::path(m_packagePath.toStdString()) / "contents" / "css" / "style.css");
}

void TestCssLoader::rulesWithoutProperties()
{
    // A rule without declarations leaves no trace; one whose declarations
    // set nothing is still a rule, with an empty group.
    const auto style = load({ { "style.css", "Button {}\nLabel { cursor: pointer; widths: 2px }\n" } });
    QVERIFY(style);
    QCOMPARE(selectorTexts(*style), QStringList { "SelectorList(Type(Label))" });
    const Properties::StylePropertyGroup* group = style->rules().first()->properties();
    QVERIFY(group);
    QVERIFY(!group->hasAnyValue());
}

void TestCssLoader::sheetsAndTheirOrder_data()
{
    QTest::addColumn<bool>("withDefaultSheet");
    QTest::newRow("default sheet installed") << true;
    QTest::newRow("no default sheet") << false;
}

void TestCssLoader::sheetsAndTheirOrder()
{
    QFETCH(bool, withDefaultSheet);
    if (withDefaultSheet) {
        installDefaultSheet("Defaults { width: 1px }\n");
    }
    const auto style = load({
        { "style.css", "@import \"buttons.css\";\nMain { width: 3px }\n" },
        { "buttons.css", "Imported { width: 2px }\n" },
    });
    QVERIFY(style);
    QVERIFY(!style->hasErrors());

    const QString css = m_packagePath + QStringLiteral("/contents/css/");
    QStringList rules { "SelectorList(Type(Imported))", "SelectorList(Type(Main))" };
    QStringList sources { css + "buttons.css", css + "style.css" };
    if (withDefaultSheet) {
        rules.prepend("SelectorList(Type(Defaults))");
    }
    QCOMPARE(selectorTexts(*style), rules);

    // Every file read guards the cache file, the default sheet included; so
    // does the nearest existing folder of each default sheet looked for in
    // vain (the data home comes first, and the build's data folders are not
    // searched here).
    const QStringList recorded = cachePaths(*style);
    if (!withDefaultSheet) {
        sources << m_xdg->dataHome() + QStringLiteral("/quilt") << m_xdg->path() + QStringLiteral("/system-data");
    }
    QCOMPARE(recorded.size(), sources.size() + (withDefaultSheet ? 1 : 0));
    for (const QString& source : sources) {
        QVERIFY2(recorded.contains(source), qPrintable(recorded.join(u' ')));
    }
    if (withDefaultSheet) {
        QVERIFY(recorded.contains(m_xdg->dataHome() + QStringLiteral("/quilt/css/defaults/default.css")));
    }
}

void TestCssLoader::parseErrorsAreReported()
{
    const QByteArray sheet = "Button { width: 1px }\n"
                             "Label { width: ; }\n"
                             "Frame { width: 2px }\n"
                             "Menu ] { width: 3px }\n";
    const QString file = QRegularExpression::escape(m_xdg->stylesFolder() + "/teststyle/contents/css/style.css");
    QTest::ignoreMessage(QtWarningMsg, "Errors encountered while parsing CSS:");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^In file \"" + file + "\" on line 2 column \\d+ \\S.*$"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^In file \"" + file + "\" on line 4 column \\d+ \\S.*$"));

    const auto style = load({ { "style.css", sheet } });
    QVERIFY(style);
    QVERIFY(style->hasErrors());
    QVERIFY(selectorTexts(*style).contains("SelectorList(Type(Button))"));
    QVERIFY(selectorTexts(*style).contains("SelectorList(Type(Frame))"));
}

void TestCssLoader::parseErrorsWithWarningsOff()
{
    QLoggingCategory::setFilterRules(QStringLiteral("quilt.css.warning=false"));
    QTest::failOnWarning(QRegularExpression(".*"));

    const auto style = load({ { "style.css", "Label { width: ; }\nButton { width: 1px }\n" } });
    QVERIFY(style);
    QVERIFY(style->hasErrors());
    QCOMPARE(style->rules().size(), 1);
}

void TestCssLoader::missingMainStyleSheet()
{
    installDefaultSheet("Defaults { width: 1px }\n");
    QTest::ignoreMessage(QtWarningMsg, "Errors encountered while parsing CSS:");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^In file .*style\\.css\".*$"));

    // load() still succeeds; the parser's error marks the style.
    const auto style = load({});
    QVERIFY(style);
    QVERIFY(style->hasErrors());
    QCOMPARE(selectorTexts(*style), QStringList { "SelectorList(Type(Defaults))" });
}

void TestCssLoader::loadingAgainAppends()
{
    const auto style = load({ { "style.css", "Button { width: 1px }\n" } });
    QVERIFY(style);
    QVERIFY(style->load());
    QCOMPARE(selectorTexts(*style), QStringList({ "SelectorList(Type(Button))", "SelectorList(Type(Button))" }));
}

void TestCssLoader::separatorRefusesDeclaration()
{
    // A separator would be read as a value of 0: the declaration is refused
    // with one message, even when a selector list shares it.
    QTest::ignoreMessage(QtWarningMsg,
                         "Ignoring the declaration of \"padding\": the separator \",\" stands where the property "
                         "takes none (its values are separated by blanks)");
    QTest::ignoreMessage(QtWarningMsg,
                         "Ignoring the declaration of \"margin\": the separator \"/\" stands where the property "
                         "takes none (its values are separated by blanks)");
    const auto style = load({ { "style.css", "A, B { padding: 1px, 2px; width: 3px }\nC { margin: 1px / 2px }\n" } });
    QVERIFY(style);
    QVERIFY(style->hasErrors());
    QCOMPARE(style->rules().size(), 3);
    const Properties::StylePropertyGroup* group = style->rules().first()->properties();
    QVERIFY(group && group->layout());
    QCOMPARE(group->layout()->width(), 3.0);
    QVERIFY(!group->layout()->padding());
    QVERIFY(!style->rules().last()->properties()->hasAnyValue());
}

void TestCssLoader::cacheFollowsWhatTheLoadLookedFor_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("missing image added") << "add image";
    QTest::newRow("image removed") << "remove image";
    QTest::newRow("image changed") << "change image";
    QTest::newRow("default sheet added to the data home") << "add home default";
    QTest::newRow("default sheet added to a data folder") << "add system default";
    QTest::newRow("nothing changed") << "";
}

void TestCssLoader::cacheFollowsWhatTheLoadLookedFor()
{
    QFETCH(QString, change);

    // The style names one image that is there and one that is not; no data
    // folder holds a default sheet.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Could not load image .*missing\\.png\"$"));
    const auto style = load({
        { "style.css", "A { background-image: url(there.png) }\nB { background-image: url(sub/missing.png) }\n" },
        { "there.png", "png" },
    });
    QVERIFY(style);
    QVERIFY(!style->hasErrors());

    StyleCache cache;
    QVERIFY(cache.save(StylePrivate::get(*style)));
    QVERIFY(cache.restore(style->path()));

    // File times have the granularity of the kernel's clock tick.
    QTest::qSleep(30);
    const QString css = m_packagePath + QStringLiteral("/contents/css/");
    if (change == "add image"_L1) {
        QVERIFY(QuiltTest::writeFile(css + "sub/missing.png", "png"));
    } else if (change == "remove image"_L1) {
        QVERIFY(QFile::remove(css + "there.png"));
    } else if (change == "change image"_L1) {
        QVERIFY(QuiltTest::writeFile(css + "there.png", "other png"));
    } else if (change == "add home default"_L1) {
        installDefaultSheet("Defaults { width: 1px }\n");
    } else if (change == "add system default"_L1) {
        QVERIFY(QuiltTest::writeFile(m_xdg->path() + "/system-data/quilt/css/defaults/default.css", "X {}\n"));
    }
    QCOMPARE(bool(cache.restore(style->path())), change.isEmpty());
}

QTEST_MAIN(TestCssLoader)
#include "tst_cssloader.moc"
