#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

#include "element.h"
#include "elementquery.h"
#include "style.h"
#include "style_p.h"
#include "stylecache_p.h"
#include "stylepackage.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

using namespace Quilt;
using namespace Qt::StringLiterals;

namespace
{
constexpr int RuleCount = 1000;
// The sheets a style of that size is split into, imported by style.css.
constexpr int SheetCount = 4;

const std::array<const char*, 12> s_types = { "Window",    "Frame",     "ToolBar", "Button", "Label", "CheckBox",
                                              "TextField", "ScrollBar", "Slider",  "TabBar", "Tab",   "MenuItem" };
const std::array<const char*, 4> s_hints = { "flat", "default", "vertical", "checkable" };
const std::array<const char*, 5> s_states = { "hover", "pressed", "checked", "disabled", "visual-focus" };
const std::array<const char*, 3> s_families = { "\"Noto Sans\"", "\"DejaVu Sans\"", "sans-serif" };

QByteArray number(int value)
{
    return QByteArray::number(value);
}

QByteArray colour(int i)
{
    return '#' + QByteArray::number(0x100000 + i * 2749 % 0xefffff, 16).right(6);
}

// Selectors of the shapes a style sheet uses: types alone, with hints, states
// and ids, and below their parents as descendants and children.
QByteArray selector(int i)
{
    const QByteArray type = s_types[i % s_types.size()];
    const QByteArray parent = s_types[(i / 3) % s_types.size()];
    const QByteArray hint = s_hints[(i / 5) % s_hints.size()];
    const QByteArray state = s_states[(i / 7) % s_states.size()];
    switch (i % 7) {
    case 0:
        return type;
    case 1:
        return type + '.' + hint;
    case 2:
        return type + ':' + state;
    case 3:
        return parent + ' ' + type;
    case 4:
        return parent + ' ' + type + '.' + hint + ':' + state;
    case 5:
        return parent + " > " + type + ':' + state;
    default:
        return "Window " + parent + " #item" + number(i % 50);
    }
}

// Two to five declarations of the properties a style sheet sets most.
QByteArray declarations(int i)
{
    QByteArray text = "    background-color: " + colour(i) + ";\n    color: " + colour(i + 7) + ";\n";
    if (i % 2 == 0) {
        text += "    border: " + number(1 + i % 2) + "px solid " + colour(i + 13) + ";\n";
    }
    if (i % 3 == 0) {
        text += "    padding: " + number(2 + i % 5) + "px " + number(4 + i % 7) + "px;\n";
    }
    if (i % 4 == 0) {
        text += "    border-radius: " + number(i % 6) + "px;\n";
    }
    if (i % 5 == 0) {
        text += "    font-family: " + QByteArray(s_families[i % s_families.size()]) + ";\n    font-size: "
            + number(10 + i % 8) + "px;\n    font-weight: " + (i % 10 == 0 ? "bold" : "normal") + ";\n";
    }
    return text;
}

QByteArray sheet(int first, int count)
{
    QByteArray text = "/* Rules " + number(first) + " to " + number(first + count - 1) + ". */\n\n";
    for (int i = first; i < first + count; ++i) {
        text += selector(i) + " {\n" + declarations(i) + "}\n\n";
    }
    return text;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
}

// Window > Frame > Button, the button flat, hovered and named, the way a front
// end describes a widget.
ElementChain makeChain()
{
    ElementChain chain;
    for (const char* type : { "Window", "Frame", "Button" }) {
        auto element = Element::create();
        element->setType(QString::fromLatin1(type));
        chain.append(element);
    }
    chain.last()->setHints({ u"flat"_s });
    chain.last()->setStates(Element::State::Hovered);
    chain.last()->setId(u"item7"_s);
    return chain;
}
} // namespace

// A CSS style package of 1,000 rules: loaded from its style sheets through the
// CSS plug-in, restored from its cache file, and queried past the result cache.
class bench_CssStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* name : { "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME" }) {
            const QString folder = m_dir.filePath(QString::fromLatin1(name).section(u'_', 1, 1).toLower());
            QVERIFY(QDir().mkpath(folder));
            qputenv(name, QFile::encodeName(folder));
        }
        // The default style sheet of the build tree takes part in every load,
        // as the installed one does.
        qputenv("XDG_DATA_DIRS", QUILT_DATA_PATH);
        QCoreApplication::addLibraryPath(QStringLiteral(QUILT_PLUGIN_PATH));

        const QString package = m_dir.filePath(u"data/quilt/styles/bench"_s);
        QVERIFY(writeFile(package + u"/metadata.json"_s, R"({"input-type": "css", "name": "Bench"})"));
        QByteArray main;
        for (int i = 0; i < SheetCount; ++i) {
            const QString name = u"sheet%1.css"_s.arg(i);
            const int count = RuleCount / SheetCount;
            QVERIFY(writeFile(package + u"/contents/css/"_s + name, sheet(i * count, count)));
            main += "@import \"" + name.toLatin1() + "\";\n";
        }
        QVERIFY(writeFile(package + u"/contents/css/style.css"_s, main));
        m_path = QFile::encodeName(package).toStdString();

        m_style = StylePackage(m_path).load();
        QVERIFY(m_style);
        QVERIFY(m_style->load());
        QVERIFY(!m_style->hasErrors());
        // The style's own rules, and at least one of the default style sheet.
        QVERIFY(m_style->rules().size() > RuleCount);
        m_cache = std::make_unique<StyleCache>();
        QVERIFY(m_cache->save(StylePrivate::get(*m_style)));
    }

    void loadFromSources()
    {
        const StylePackage package(m_path);
        QBENCHMARK
        {
            const std::shared_ptr<Style> style = package.load();
            style->load();
        }
    }

    void restoreFromCacheFile()
    {
        const qsizetype ruleCount = m_style->rules().size();
        QBENCHMARK
        {
            const auto style = std::make_shared<Style>(m_cache->restore(m_path));
            QCOMPARE(style->rules().size(), ruleCount);
        }
    }

    // Restored, then every rule's properties read, as a style whose every
    // rule gets used would be.
    void restoreAndReadAllGroups()
    {
        const qsizetype ruleCount = m_style->rules().size();
        QBENCHMARK
        {
            const auto style = std::make_shared<Style>(m_cache->restore(m_path));
            qsizetype groups = 0;
            for (const std::shared_ptr<StyleRule>& rule : style->rules()) {
                groups += rule->properties() != nullptr;
            }
            QCOMPARE(groups, ruleCount);
        }
    }

    void queryMiss()
    {
        ElementQuery query(m_style);
        const ElementChain chain = makeChain();
        query.setElements(chain);
        const std::shared_ptr<Element>& queried = chain.last();

        // The first query builds what the style keeps for later ones.
        query.execute();
        // A fresh attribute value gives a fresh key, so every run misses.
        qint64 serial = 0;
        QBENCHMARK
        {
            queried->setAttribute(u"serial"_s, ++serial);
            query.execute();
        }
        QVERIFY(query.hasMatches());
    }

private:
    QTemporaryDir m_dir;
    std::filesystem::path m_path;
    std::shared_ptr<Style> m_style;
    std::unique_ptr<StyleCache> m_cache;
};

QTEST_GUILESS_MAIN(bench_CssStyle)
#include "bench_cssstyle.moc"
