// CSS style packages end to end: found and loaded through libQuilt, queried
// like a front end queries them, and kept in the style cache.

#include "element.h"
#include "elementquery.h"
#include "packagehandler.h"
#include "style.h"
#include "style_p.h"
#include "stylecache_p.h"
#include "stylepackage.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"
#include "stylerule.h"
#include "testfixture.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

using namespace Quilt;
using namespace Quilt::Properties;

Q_DECLARE_METATYPE(Quilt::ElementChain)
Q_DECLARE_METATYPE(std::optional<double>)

namespace
{
// For the whole process: the registry writes its cache files when the
// application object goes, after the last test function.
QuiltTest::TemporaryXdg& xdg()
{
    static QuiltTest::TemporaryXdg instance;
    return instance;
}

const QByteArray metadata = R"({ "input-type": "css", "name": "Test" })";

// Rules of every weight and from two files: the imported file comes first, so
// the main file wins ties.
const QMap<QString, QByteArray> basicSheets {
    { "contents/css/style.css",
      "@import \"buttons.css\";\n"
      "Window { background-color: #eff0f1; }\n"
      "Window > Button { width: 30px; }\n"
      "Button { height: 24px; }\n" },
    { "contents/css/buttons.css",
      "Button { width: 10px; height: 20px; background-color: #ff0000; }\n"
      "Button:hover { background-color: #0000ff; }\n"
      "#ok { width: 50px; }\n"
      "Button.flat { background: none; }\n" },
};

const QMap<QString, QByteArray> brokenSheets {
    { "contents/css/style.css",
      "Button { width: 12px; }\n"
      "Button { width: ; }\n"
      "Label { height: 5px }\n" },
};

std::shared_ptr<Element> element(const QString& type, Element::States states = {}, const QString& id = {},
                                 const QStringList& hints = {})
{
    auto result = Element::create();
    result->setType(type);
    result->setStates(states);
    result->setId(id);
    result->setHints(hints);
    return result;
}

// The resolved properties of a chain; a copy, so that it outlives the query.
std::shared_ptr<const StylePropertyGroup> query(const std::shared_ptr<Style>& style, const ElementChain& chain)
{
    ElementQuery q(style);
    q.setElements(chain);
    q.execute();
    return q.sharedProperties();
}

QString rgbaOf(const std::optional<Color>& color)
{
    if (!color) {
        return QStringLiteral("unset");
    }
    if (!color->isValid()) {
        return QStringLiteral("invalid");
    }
    return color->toQColor().name(QColor::HexArgb);
}

std::shared_ptr<Style> loadPackage(const QString& path)
{
    const StylePackage package(QFile::encodeName(path).toStdString());
    std::shared_ptr<Style> style = package.load();
    if (!style || !style->load()) {
        return nullptr;
    }
    return style;
}
} // namespace

class TestCssStyles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void queries_data();
    void queries();
    void defaultStyleSheet();
    void withoutDefaultStyleSheet();
    void parseErrors();
    void halcyon();
    void cacheRoundTrip();
    void createdPackageLoads();

private:
    QString m_basicPath;
};

void TestCssStyles::initTestCase()
{
    QVERIFY(xdg().isValid());
    m_basicPath = QuiltTest::writePackage(xdg().stylesFolder(), QStringLiteral("cssbasic"), metadata, basicSheets);
    QVERIFY(!m_basicPath.isEmpty());
    QVERIFY(
        !QuiltTest::writePackage(xdg().stylesFolder(), QStringLiteral("cssbroken"), metadata, brokenSheets).isEmpty());
    StyleRegistry::instance()->load();
}

void TestCssStyles::cleanup()
{
    QLoggingCategory::setFilterRules(QString());
}

void TestCssStyles::queries_data()
{
    QTest::addColumn<ElementChain>("chain");
    QTest::addColumn<std::optional<double>>("width");
    QTest::addColumn<std::optional<double>>("height");
    QTest::addColumn<QString>("background");

    const auto window = [] {
        return element(QStringLiteral("Window"));
    };
    QTest::newRow("button alone") << ElementChain { element("Button") } << std::optional(10.0) << std::optional(24.0)
                                  << "#ffff0000";
    QTest::newRow("child of a window") << ElementChain { window(), element("Button") } << std::optional(30.0)
                                       << std::optional(24.0) << "#ffff0000";
    QTest::newRow("hovered") << ElementChain { window(), element("Button", Element::State::Hovered) }
                             << std::optional(30.0) << std::optional(24.0) << "#ff0000ff";
    QTest::newRow("by id") << ElementChain { window(), element("Button", {}, "ok") } << std::optional(50.0)
                           << std::optional(24.0) << "#ffff0000";
    QTest::newRow("background none") << ElementChain { element("Button", {}, {}, { "flat" }) } << std::optional(10.0)
                                     << std::optional(24.0) << "invalid";
    QTest::newRow("window") << ElementChain { window() } << std::optional<double>() << std::optional<double>()
                            << "#ffeff0f1";
}

void TestCssStyles::queries()
{
    QFETCH(ElementChain, chain);
    QFETCH(std::optional<double>, width);
    QFETCH(std::optional<double>, height);
    QFETCH(QString, background);

    const std::shared_ptr<Style> style = StyleRegistry::instance()->style(QStringLiteral("cssbasic"));
    QVERIFY(style);
    QVERIFY(!style->hasErrors());
    const auto properties = query(style, chain);
    QVERIFY(properties);
    const LayoutPropertyGroup* layout = properties->layout();
    QCOMPARE(layout ? layout->width() : std::nullopt, width);
    QCOMPARE(layout ? layout->height() : std::nullopt, height);
    QCOMPARE(rgbaOf(properties->background() ? properties->background()->color() : std::nullopt), background);
}

void TestCssStyles::defaultStyleSheet()
{
    // The build's default style sheet applies to every element, below the
    // style's own rules.
    const std::shared_ptr<Style> style = StyleRegistry::instance()->style(QStringLiteral("cssbasic"));
    QVERIFY(style);
    const auto properties = query(style, { element("Anything") });
    QVERIFY(properties->display());
    QCOMPARE(properties->display()->visible(), std::optional(true));
    QCOMPARE(properties->display()->opacity(), std::optional(1.0));
}

void TestCssStyles::withoutDefaultStyleSheet()
{
    const QByteArray saved = qgetenv("XDG_DATA_DIRS");
    const QString empty = xdg().path() + QStringLiteral("/no-data");
    QVERIFY(QDir().mkpath(empty));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(empty));
    const std::shared_ptr<Style> style = loadPackage(m_basicPath);
    qputenv("XDG_DATA_DIRS", saved);

    QVERIFY(style);
    QVERIFY(!style->hasErrors());
    const auto properties = query(style, { element("Button") });
    QVERIFY(!properties->display());
    QCOMPARE(properties->layout()->width(), std::optional(10.0));
}

void TestCssStyles::parseErrors()
{
    QTest::ignoreMessage(QtWarningMsg, "Errors encountered while parsing CSS:");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^In file \".*/cssbroken/contents/css/style.css\" on line 2 "));

    const std::shared_ptr<Style> style = StyleRegistry::instance()->style(QStringLiteral("cssbroken"));
    QVERIFY(style);
    QVERIFY(style->hasErrors());
    QCOMPARE(query(style, { element("Button") })->layout()->width(), std::optional(12.0));
    QCOMPARE(query(style, { element("Label") })->layout()->height(), std::optional(5.0));
}

void TestCssStyles::halcyon()
{
    QTest::failOnWarning(QRegularExpression(".*"));
    const std::shared_ptr<Style> style = StyleRegistry::instance()->style(QStringLiteral("halcyon"));
    QVERIFY(style);
    QVERIFY(!style->hasErrors());
    QVERIFY(style->path().string().ends_with("share/quilt/styles/halcyon"));

    const auto button = query(style, { element("Window"), element("Button", Element::State::Hovered) });
    QVERIFY(button->background());
    QCOMPARE(rgbaOf(button->background()->color()), "#fffcfcfc");
    QVERIFY(button->border() && button->border()->left());
    QCOMPARE(rgbaOf(button->border()->left()->color()), "#ff3daee9");
    QCOMPARE(button->border()->left()->size(), std::optional(1.0));
    QVERIFY(button->layout() && button->layout()->padding());
    QCOMPARE(button->layout()->padding()->left(), std::optional(8.0));
    QVERIFY(button->text());
    QCOMPARE(rgbaOf(button->text()->color()), "#ff232629");

    const auto disabled = query(style, { element("Window"), element("Button", Element::State::Disabled) });
    QCOMPARE(rgbaOf(disabled->text()->color()), "#ffa0a2a4");

    const auto indicator
        = query(style, { element("Window"), element("CheckBox", Element::State::Checked), element("Indicator") });
    QVERIFY(indicator->background());
    QCOMPARE(rgbaOf(indicator->background()->color()), "#ff3daee9");
}

void TestCssStyles::cacheRoundTrip()
{
    const std::shared_ptr<Style> loaded = loadPackage(m_basicPath);
    QVERIFY(loaded);
    QVERIFY(!loaded->hasErrors());

    StyleCache cache;
    QVERIFY(cache.save(StylePrivate::get(*loaded)));
    std::unique_ptr<StylePrivate> restoredData = cache.restore(loaded->path());
    QVERIFY(restoredData);
    const auto restored = std::make_shared<Style>(std::move(restoredData));

    const auto loadedRules = loaded->rules();
    const auto restoredRules = restored->rules();
    QCOMPARE(restoredRules.size(), loadedRules.size());
    for (qsizetype i = 0; i < loadedRules.size(); ++i) {
        QCOMPARE(restoredRules[i]->selectors().toString(), loadedRules[i]->selectors().toString());
        QVERIFY(restoredRules[i]->properties() && loadedRules[i]->properties());
        QVERIFY(*restoredRules[i]->properties() == *loadedRules[i]->properties());
    }

    const QList<ElementChain> chains {
        { element("Window"), element("Button", Element::State::Hovered) },
        { element("Button", {}, "ok") },
        { element("Button", {}, {}, { "flat" }) },
        { element("Window") },
    };
    for (const ElementChain& chain : chains) {
        QVERIFY(*query(restored, chain) == *query(loaded, chain));
    }
}

void TestCssStyles::createdPackageLoads()
{
    // A new package, made through the package handler, is valid and loads
    // without errors, also with metadata texts that could break its header.
    const auto handler = StyleRegistry::instance()->packageHandler();
    QVERIFY(handler);
    PackageHandler::CreateInfo info;
    info.path = QFile::encodeName(xdg().path() + QStringLiteral("/created/newstyle")).toStdString();
    info.inputType = QStringLiteral("css");
    info.name = QStringLiteral("New */ Button { width: 1px } /*");
    info.license = QStringLiteral("MIT");
    info.authors = QStringList { QStringLiteral("Ann\nExample") };
    StylePackage package;
    std::error_code error;
    QVERIFY2(handler->create(package, info, error), error.message().c_str());
    QVERIFY(package.isValid());

    QTest::failOnWarning(QRegularExpression(".*"));
    const std::shared_ptr<Style> style = package.load();
    QVERIFY(style);
    QVERIFY(style->load());
    QVERIFY(!style->hasErrors());
    // Only the default style sheet's rules.
    for (const auto& rule : style->rules()) {
        QCOMPARE(rule->selectors().toString(), QStringLiteral("SelectorList(AnyElement)"));
    }
}

QTEST_MAIN(TestCssStyles)
#include "tst_cssstyles.moc"
