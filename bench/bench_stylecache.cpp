#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

#include "style.h"
#include "style_p.h"
#include "stylecache_p.h"
#include "stylepackage.h"

using namespace Quilt;
using namespace Qt::StringLiterals;

namespace
{
const std::array<const char*, 8> s_types
    = { "Window", "Frame", "ToolBar", "Button", "Label", "CheckBox", "Slider", "Tab" };
const std::array<const char*, 4> s_states = { "hovered", "pressed", "checked", "disabled" };

// A rule file of the test input plug-in: rules of the shapes a style sheet
// uses, each with a colour and one or two lengths.
QByteArray ruleFile(int count)
{
    QByteArray rules;
    for (int i = 0; i < count; ++i) {
        const QByteArray type = s_types[i % s_types.size()];
        const QByteArray parent = s_types[(i / 3) % s_types.size()];
        const QByteArray state = s_states[(i / 5) % s_states.size()];
        const QByteArray colour = QByteArray::number(0x100000 + i * 37, 16).right(6);
        switch (i % 4) {
        case 0:
            rules += type + " background.color=#" + colour + " layout.padding=" + QByteArray::number(i % 9);
            break;
        case 1:
            rules += parent + " > " + type + ":" + state + " text.color=#" + colour;
            break;
        case 2:
            rules += parent + " " + type + ".flat#item" + QByteArray::number(i) + " background.color=#" + colour
                + " layout.width=" + QByteArray::number(i % 50);
            break;
        default:
            rules += type + ":" + state + ".hint" + QByteArray::number(i % 13) + " text.color=#" + colour
                + " layout.height=" + QByteArray::number(i % 40);
            break;
        }
        rules += '\n';
    }
    return rules;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
}
} // namespace

// A style of 1,000 rules loaded from its sources through the test input
// plug-in, against the same style restored from its cache file.
class bench_StyleCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(u"cache"_s)));
        QCoreApplication::addLibraryPath(QStringLiteral(QUILT_PLUGIN_PATH));

        const QString package = m_dir.filePath(u"styles/bench"_s);
        QVERIFY(writeFile(package + u"/metadata.json"_s, R"({"input-type": "testinput", "name": "Bench"})"));
        QVERIFY(writeFile(package + u"/contents/rules.txt"_s, ruleFile(1000)));
        m_path = package.toStdString();

        const std::shared_ptr<Style> style = StylePackage(m_path).load();
        QVERIFY(style);
        QVERIFY(style->load());
        QCOMPARE(style->rules().size(), 1000);
        QVERIFY(!style->hasErrors());
        m_cache = std::make_unique<StyleCache>();
        QVERIFY(m_cache->save(StylePrivate::get(*style)));
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
        QBENCHMARK
        {
            const auto style = std::make_shared<Style>(m_cache->restore(m_path));
            QCOMPARE(style->rules().size(), 1000);
        }
    }

private:
    QTemporaryDir m_dir;
    std::filesystem::path m_path;
    std::unique_ptr<StyleCache> m_cache;
};

QTEST_GUILESS_MAIN(bench_StyleCache)
#include "bench_stylecache.moc"
