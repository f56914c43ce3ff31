// Fuzz entry over the style cache: the input is a cache file of the style at
// StylePath, recording no source files (so that no modification time has to
// match). What restores must agree with the stream reader of rule records
// over the same bytes, build every stored property group it vouched for,
// write back what it read, and answer a query.

#include "fuzzapplication.h"

#include "element.h"
#include "elementquery.h"
#include "pathmetatype.h"
#include "style_p.h"
#include "stylecache_p.h"
#include "stylerule.h"
#include "stylerule_p.h"

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace
{
[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "fuzz_rulecache: %s\n", what);
    std::abort();
}

// A cache home of its own for the life of the process.
struct Sandbox
{
    Sandbox()
    {
        if (!folder.isValid()) {
            broken("cannot create a temporary folder");
        }
        qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.path()));
        cache = std::make_unique<Quilt::StyleCache>();
        file = QString::fromStdString(cache->cacheFilePath(StylePath).native());
        if (!QDir().mkpath(QFileInfo(file).path())) {
            broken("cannot create the cache folder");
        }
    }

    static inline const fs::path StylePath = "/quilt-fuzz/styles/halcyon";
    QTemporaryDir folder;
    std::unique_ptr<Quilt::StyleCache> cache;
    QString file;
};

QByteArray recordBytes(const Quilt::StyleRule& rule)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_7);
    Quilt::writeRuleRecord(stream, rule);
    if (stream.status() != QDataStream::Ok) {
        broken("a restored rule could not be written");
    }
    return bytes;
}

// The rules of a file that restored, read again through QDataStream. The head
// held sound counts, or the file would not have restored.
QList<std::shared_ptr<Quilt::StyleRule>> streamRules(const QByteArray& bytes)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_6_7);
    qint64 magic = 0;
    qint32 version = 0;
    fs::path path;
    QList<fs::path> sources;
    QList<qint64> times;
    qint64 count = 0;
    stream >> magic >> version >> path >> sources >> times >> count;
    QList<std::shared_ptr<Quilt::StyleRule>> rules;
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        auto rule = Quilt::StyleRule::create();
        Quilt::readRuleRecord(stream, *rule, Quilt::UnknownSelectorKinds::Reject);
        rules.append(std::move(rule));
    }
    if (stream.status() != QDataStream::Ok || !stream.atEnd()) {
        broken("the stream reader refuses a file that restored");
    }
    return rules;
}

std::shared_ptr<Quilt::Element> element(const QString& type)
{
    auto created = Quilt::Element::create();
    created->setType(type);
    created->setAttribute(QStringLiteral("position"), QStringLiteral("top"));
    return created;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QuiltFuzz::ensureApplication();
    static Sandbox box;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(box.file);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            broken("cannot write the input");
        }
    }

    std::unique_ptr<Quilt::StylePrivate> restored = box.cache->restore(Sandbox::StylePath);
    if (!restored) {
        return 0;
    }
    const QList<std::shared_ptr<Quilt::StyleRule>> expected = streamRules(bytes);
    if (expected.size() != restored->rules.size()) {
        broken("the stream reader reads another number of rules");
    }
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const Quilt::StyleRule& rule = *restored->rules.at(i);
        // A group that the restore checked must build.
        const bool stored = bool(Quilt::StyleRulePrivate::get(rule).storedGroups);
        if (stored && !rule.properties()) {
            broken("a stored group that passed the check does not build");
        }
        if (recordBytes(rule) != recordBytes(*expected.at(i))) {
            broken("a restored rule differs from the stream reader's");
        }
    }

    const auto style = std::make_shared<Quilt::Style>(std::move(restored));
    Quilt::ElementQuery query(style);
    query.setElements({ element(QStringLiteral("Window")), element(QStringLiteral("Button")) });
    query.execute();
    return 0;
}
