#include "stylecache_p.h"

#include "logging_p.h"
#include "pathmetatype.h"
#include "propertygroup_p.h"
#include "selector_p.h"
#include "style_p.h"
#include "stylerule.h"
#include "stylerule_p.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quilt
{
namespace
{
namespace fs = std::filesystem;

// "#QUILTCF" in ASCII, most significant byte first.
constexpr qint64 CacheMagic = 0x235155494C544346;
constexpr qint32 CacheVersion = 6;
constexpr QDataStream::Version CacheStreamVersion = QDataStream::Qt_6_7;

// Qt's size markers in front of a container from stream version 6.7 on.
constexpr quint32 NullSizeMarker = 0xffffffffu;
constexpr quint32 ExtendedSizeMarker = 0xfffffffeu;

// Smallest stream form of a source path (its byte array length), of a
// modification time and of a rule record (selector count and the bool).
constexpr qint64 MinPathSize = 4;
constexpr qint64 TimeSize = 8;
constexpr qint64 MinRuleSize = 9;

// Far above the file of any real style (a style of 1,000 rules takes a few
// hundred kilobytes), far below what would exhaust memory.
constexpr qint64 MaxCacheFileSize = 64 * 1024 * 1024;

enum class FileRead
{
    Read,
    NotOpened,
    NotRegular,
    TooLarge,
};

// Anything may stand at the cache file's path: open it without blocking (a
// FIFO would wait for a writer) and look at what was opened, not at what the
// name pointed to a moment before.
FileRead readCacheFile(const fs::path& path, QByteArray& contents)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return FileRead::NotOpened;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return FileRead::NotOpened;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileRead::NotRegular;
    }
    if (info.st_size > MaxCacheFileSize) {
        ::close(fd);
        return FileRead::TooLarge;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileRead::NotOpened;
    }
    // One byte more than fstat gave tells whether the file grew meanwhile: a
    // file that is being written is no file to trust.
    const qint64 size = qint64(info.st_size);
    contents = file.read(size + 1);
    if (file.error() != QFileDevice::NoError || contents.size() > size) {
        return FileRead::NotOpened;
    }
    return FileRead::Read;
}

bool cacheDisabled()
{
    static const bool disabled = qEnvironmentVariableIsSet("QUILT_DISABLE_STYLE_CACHE");
    return disabled;
}

bool forceRecreate()
{
    static const bool force = qEnvironmentVariableIsSet("QUILT_FORCE_RECREATE_STYLE_CACHE");
    return force;
}

QString toQString(const fs::path& path)
{
    return QString::fromStdString(path.native());
}

qint64 bytesLeft(const QDataStream& stream)
{
    const QIODevice* device = stream.device();
    return device ? device->bytesAvailable() : 0;
}

// A container count in Qt's list form that the bytes left can hold, each
// element taking at least minElementSize bytes. Qt's own container readers
// reserve room for any count they read, so a damaged count must be refused
// before anything is allocated for it.
qint64 readCount(QDataStream& stream, qint64 minElementSize)
{
    quint32 first = 0;
    stream >> first;
    qint64 count = first;
    if (first == ExtendedSizeMarker) {
        stream >> count;
    }
    if (stream.status() != QDataStream::Ok) {
        return -1;
    }
    if (first == NullSizeMarker || count < 0 || count > bytesLeft(stream) / minElementSize) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return -1;
    }
    return count;
}

QList<fs::path> readPaths(QDataStream& stream)
{
    QList<fs::path> paths;
    const qint64 count = readCount(stream, MinPathSize);
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        fs::path path;
        stream >> path;
        paths.append(std::move(path));
    }
    return paths;
}

QList<fs::file_time_type> readTimes(QDataStream& stream)
{
    QList<fs::file_time_type> times;
    const qint64 count = readCount(stream, TimeSize);
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint64 ticks = 0;
        stream >> ticks;
        times.append(fs::file_time_type(fs::file_time_type::duration(ticks)));
    }
    return times;
}

void ignoring(const fs::path& path, const char* reason)
{
    qCDebug(lcGeneral) << "Ignoring cache for style" << toQString(path) << reason;
}

enum class SourceCheck
{
    Compare,
    Skip,
};

struct CacheReading
{
    std::unique_ptr<StylePrivate> style;
    // Why the data was refused, and the path the refusal concerns.
    const char* reason = nullptr;
    fs::path subject;
};

CacheReading refuse(const fs::path& subject, const char* reason)
{
    return { nullptr, reason, subject };
}

// The style held by the bytes of a cache file. Without the source check the
// recorded modification times are not compared with the files: a file about
// to be written is read back that way.
CacheReading readCacheData(const QByteArray& contents, const fs::path& stylePath, SourceCheck sourceCheck)
{
    QDataStream stream(contents);
    stream.setVersion(CacheStreamVersion);

    qint64 magic = 0;
    stream >> magic;
    if (magic != CacheMagic) {
        return refuse(stylePath, "invalid magic value");
    }
    qint32 version = 0;
    stream >> version;
    if (version != CacheVersion) {
        return refuse(stylePath, "version mismatch");
    }

    auto style = std::make_unique<StylePrivate>();
    stream >> style->path;
    if (stream.status() != QDataStream::Ok) {
        return refuse(stylePath, "restoring cached data failed");
    }
    if (style->path != stylePath) {
        return refuse(stylePath, "style path mismatch");
    }

    style->cachePaths = readPaths(stream);
    style->cacheTimes = readTimes(stream);
    if (stream.status() != QDataStream::Ok) {
        return refuse(stylePath, "restoring cached data failed");
    }
    if (style->cachePaths.size() != style->cacheTimes.size()) {
        return refuse(stylePath, "mismatch between cache paths and modification times");
    }

    for (qsizetype i = 0; sourceCheck == SourceCheck::Compare && i < style->cachePaths.size(); ++i) {
        const fs::path& source = style->cachePaths.at(i);
        std::error_code error;
        const fs::file_status sourceStatus = fs::status(source, error);
        fs::file_time_type time;
        if (!error && fs::exists(sourceStatus)) {
            time = fs::last_write_time(source, error);
        }
        if (error || !fs::exists(sourceStatus)) {
            return refuse(source, "original file no longer exists");
        }
        if (time != style->cacheTimes.at(i)) {
            return refuse(source, "file modification time mismatch");
        }
    }

    qint64 ruleCount = 0;
    stream >> ruleCount;
    if (stream.status() == QDataStream::Ok && (ruleCount < 0 || ruleCount > bytesLeft(stream) / MinRuleSize)) {
        stream.setStatus(QDataStream::ReadCorruptData);
    }
    if (stream.status() != QDataStream::Ok) {
        return refuse(stylePath, "restoring cached data failed");
    }

    // The rules are read from the bytes themselves, and each property group
    // only checked now: it is built when its rule's properties are first
    // asked for.
    detail::ByteReader reader(contents, stream.device()->pos());
    const auto stored = std::make_shared<StoredGroups>();
    stored->bytes = contents;
    SelectorModelPool selectorModels;
    style->rules.reserve(qsizetype(ruleCount));
    for (qint64 i = 0; i < ruleCount && reader.ok(); ++i) {
        std::shared_ptr<StyleRule> rule = StyleRule::create();
        StyleRulePrivate& data = StyleRulePrivate::get(*rule);
        readSelectorList(reader, data.selectors, selectorModels);
        const bool hasProperties = reader.readBool();
        if (hasProperties && reader.ok()) {
            data.storedOffset = reader.position();
            detail::GroupAccess::skip<Properties::StylePropertyGroup>(reader);
            data.storedGroups = stored;
        }
        if (reader.ok()) {
            style->rules.append(std::move(rule));
        }
    }
    // Bytes after the last rule mean the file is not what its counts claim.
    if (!reader.ok() || !reader.atEnd()) {
        return refuse(stylePath, "restoring cached data failed");
    }
    return { std::move(style), nullptr, {} };
}
} // namespace

StyleCache::StyleCache()
    : m_cacheDirectory(fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString())
                       / "quilt")
{ }

StyleCache::~StyleCache() = default;

bool StyleCache::isEnabled()
{
    return !cacheDisabled();
}

fs::path StyleCache::cacheFilePath(const fs::path& stylePath) const
{
    const std::string& native = stylePath.native();
    const QByteArray digest
        = QCryptographicHash::hash(QByteArrayView(native.data(), qsizetype(native.size())), QCryptographicHash::Sha256);
    const QByteArray name = digest.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return m_cacheDirectory / name.toStdString();
}

bool StyleCache::hasCacheFile(const fs::path& stylePath) const
{
    std::error_code error;
    return fs::exists(cacheFilePath(stylePath), error) && !error;
}

std::unique_ptr<StylePrivate> StyleCache::restore(const fs::path& stylePath) const
{
    if (!isEnabled()) {
        ignoring(stylePath, "because caching has been disabled");
        return nullptr;
    }
    const fs::path filePath = cacheFilePath(stylePath);
    std::error_code error;
    const fs::file_status status = fs::status(filePath, error);
    if (error || !fs::exists(status)) {
        ignoring(stylePath, "because no cache file could be found");
        return nullptr;
    }
    if (forceRecreate()) {
        return nullptr;
    }

    // Read at once: the readers look ahead into the bytes left.
    QByteArray contents;
    switch (readCacheFile(filePath, contents)) {
    case FileRead::Read:
        break;
    case FileRead::NotOpened:
        return nullptr;
    case FileRead::NotRegular:
        ignoring(stylePath, "because the cache file is not a regular file");
        return nullptr;
    case FileRead::TooLarge:
        ignoring(stylePath, "because the cache file is too large");
        return nullptr;
    }

    CacheReading reading = readCacheData(contents, stylePath, SourceCheck::Compare);
    if (!reading.style) {
        ignoring(reading.subject, reading.reason);
    }
    return std::move(reading.style);
}

bool StyleCache::save(const StylePrivate& style) const
{
    if (!isEnabled() || style.hasErrors) {
        return false;
    }

    std::error_code error;
    if (!fs::exists(m_cacheDirectory, error)) {
        fs::create_directories(m_cacheDirectory, error);
        if (error) {
            qCWarning(lcGeneral).noquote() << "Could not create cache path" << toQString(m_cacheDirectory);
            return false;
        }
    }

    const QString fileName = toQString(cacheFilePath(style.path));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcGeneral).noquote() << "Could not open cache file" << fileName << "for writing";
        return false;
    }

    QByteArray contents;
    {
        QDataStream stream(&contents, QIODevice::WriteOnly);
        stream.setVersion(CacheStreamVersion);
        stream << CacheMagic << CacheVersion << style.path << style.cachePaths;
        QList<qint64> times;
        times.reserve(style.cacheTimes.size());
        for (const fs::file_time_type& time : style.cacheTimes) {
            times.append(qint64(time.time_since_epoch().count()));
        }
        stream << times;
        stream << qint64(style.rules.size());
        for (const std::shared_ptr<StyleRule>& rule : style.rules) {
            writeRuleRecord(stream, *rule);
        }
    }

    // Qt writes a value of a type without stream operators as its type name
    // alone and still reports success, so the data is read back before it
    // replaces the former file: a file that would not restore is not written.
    if (!readCacheData(contents, style.path, SourceCheck::Skip).style || file.write(contents) != contents.size()) {
        file.cancelWriting();
        qCWarning(lcGeneral).noquote() << "Could not write cache file" << fileName;
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcGeneral).noquote() << "Could not commit cache file" << fileName;
        return false;
    }
    return true;
}

} // namespace Quilt
