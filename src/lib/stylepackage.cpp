#include "stylepackage.h"
#include "stylepackage_p.h"

#include "inputplugin.h"
#include "logging_p.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

using namespace Qt::StringLiterals;

namespace Quilt
{
namespace
{
namespace fs = std::filesystem;

constexpr char metadataFileName[] = "metadata.json";
constexpr QLatin1StringView defaultLocale("en_US");
// Far beyond any real description; keeps a hostile package from making us
// read an arbitrary amount of data.
constexpr qint64 maxMetadataSize = 1024 * 1024;

QString pathText(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

// A dangling link counts as present: the entry is there, it just cannot be
// read, which validation reports.
bool existsAsAnything(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

enum class ReadResult
{
    Read,
    NotOpened,
    NotRegular,
    TooLarge,
};

// The metadata file comes from whoever made the package: open it without
// blocking (a FIFO would wait for a writer) and look at what was opened, not
// at what the name pointed to a moment before.
ReadResult readMetadataFile(const fs::path& path, QByteArray& contents)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return ReadResult::NotOpened;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return ReadResult::NotOpened;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadResult::NotRegular;
    }
    if (info.st_size > maxMetadataSize) {
        ::close(fd);
        return ReadResult::TooLarge;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReadResult::NotOpened;
    }
    // The file may have grown since fstat: one byte past the limit tells.
    contents = file.read(maxMetadataSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return ReadResult::NotOpened;
    }
    if (contents.size() > maxMetadataSize) {
        return ReadResult::TooLarge;
    }
    return ReadResult::Read;
}

// The locale of a localised key: "name" gives "en_US", "name[de_DE]" gives
// "de_DE". Nothing for a key of another prefix, and nothing for one that ends
// in "]" without a "[" after the prefix, which names no locale.
std::optional<QString> localeOfKey(const QString& key, QLatin1StringView prefix)
{
    if (!key.startsWith(prefix)) {
        return std::nullopt;
    }
    if (!key.endsWith(u']')) {
        return QString(defaultLocale);
    }
    const qsizetype open = key.lastIndexOf(u'[');
    if (open < prefix.size()) {
        return std::nullopt;
    }
    return key.sliced(open + 1, key.size() - open - 2);
}

QString localised(const QHash<QString, QString>& texts)
{
    const auto it = texts.constFind(QLocale().name());
    if (it != texts.constEnd()) {
        return it.value();
    }
    return texts.value(defaultLocale);
}
} // namespace

// Not found by definition: nothing to look at, and nothing to log (an empty
// path would only say "Package \"\" was not found", naming nothing).
StylePackage::StylePackage()
    : d(std::make_unique<StylePackagePrivate>())
{
    d->error = NotFound;
}

StylePackage::StylePackage(const fs::path& path)
    : d(std::make_unique<StylePackagePrivate>())
{
    d->path = path;

    std::error_code error;
    if (!fs::exists(fs::status(path, error)) || error) {
        qCDebug(lcGeneral) << "Package" << pathText(path) << "was not found";
        d->error = NotFound;
    } else if (!existsAsAnything(path / metadataFileName)) {
        qCDebug(lcGeneral) << "Could not find metadata.json in package" << pathText(path);
        d->error = MissingFiles;
    } else if (!existsAsAnything(path / "contents")) {
        qCDebug(lcGeneral) << "Could not find contents directory in package" << pathText(path);
        d->error = MissingFiles;
    }
}

StylePackage::StylePackage(const StylePackage& other)
    : d(std::make_unique<StylePackagePrivate>(*other.d))
{ }

StylePackage::StylePackage(StylePackage&& other) noexcept = default;

StylePackage::~StylePackage() = default;

StylePackage& StylePackage::operator=(const StylePackage& other)
{
    if (this != &other) {
        d = std::make_unique<StylePackagePrivate>(*other.d);
    }
    return *this;
}

StylePackage& StylePackage::operator=(StylePackage&& other) noexcept
{
    std::swap(d, other.d);
    return *this;
}

fs::path StylePackage::path() const
{
    return d->path;
}

QString StylePackage::id() const
{
    return QString::fromStdString(d->path.filename().string());
}

int StylePackage::error() const
{
    return d->error;
}

bool StylePackage::isValid() const
{
    if (d->error != NoError) {
        return false;
    }
    if (!d->inputType.isEmpty()) {
        return true;
    }
    validate();
    return d->error == NoError;
}

QString StylePackage::inputType() const
{
    return isValid() ? d->inputType : QString();
}

QString StylePackage::name() const
{
    loadMetadata();
    return d->metadata ? localised(d->metadata->names) : QString();
}

QString StylePackage::description() const
{
    loadMetadata();
    return d->metadata ? localised(d->metadata->descriptions) : QString();
}

QString StylePackage::version() const
{
    loadMetadata();
    return d->metadata ? d->metadata->version : QString();
}

QString StylePackage::license() const
{
    loadMetadata();
    return d->metadata ? d->metadata->license : QString();
}

QUrl StylePackage::url() const
{
    loadMetadata();
    return d->metadata ? d->metadata->url : QUrl();
}

QStringList StylePackage::authors() const
{
    loadMetadata();
    return d->metadata ? d->metadata->authors : QStringList();
}

bool StylePackage::isHidden() const
{
    loadMetadata();
    return d->metadata && d->metadata->hidden;
}

std::shared_ptr<Style> StylePackage::load() const
{
    if (!isValid()) {
        return nullptr;
    }
    loadMetadata();
    const std::shared_ptr<InputPlugin> plugin = InputPlugin::inputPlugin(d->inputType);
    if (!plugin) {
        return nullptr;
    }
    return plugin->createStyle(*this);
}

void StylePackage::validate() const
{
    const QString path = pathText(d->path);
    QByteArray contents;
    switch (readMetadataFile(d->path / metadataFileName, contents)) {
    case ReadResult::Read:
        break;
    case ReadResult::NotOpened:
        qCDebug(lcGeneral) << "Could not open metadata.json of package" << path << "for reading";
        d->error = InvalidMetadata;
        return;
    case ReadResult::NotRegular:
        qCDebug(lcGeneral) << "metadata.json of package" << path << "is not a regular file";
        d->error = InvalidMetadata;
        return;
    case ReadResult::TooLarge:
        qCDebug(lcGeneral) << "metadata.json of package" << path << "is larger than" << maxMetadataSize << "bytes";
        d->error = InvalidMetadata;
        return;
    }

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(contents, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qCDebug(lcGeneral) << "Could not parse metadata for package" << path << parseError.errorString();
        d->error = InvalidMetadata;
        return;
    }
    const QJsonObject object = document.object();
    if (object.isEmpty()) {
        qCDebug(lcGeneral) << "Metadata for package" << path << "is not an object";
        d->error = InvalidMetadata;
        return;
    }

    d->inputType = object.value("input-type"_L1).toString();
    const std::shared_ptr<InputPlugin> plugin = InputPlugin::inputPlugin(d->inputType);
    if (!plugin) {
        qCDebug(lcGeneral) << "Could not find input type" << d->inputType << "for package" << path;
        d->error = UnknownInputType;
        return;
    }
    const int result = plugin->validatePackage(*this);
    if (result != NoError) {
        qCDebug(lcGeneral) << "Input plugin" << d->inputType << "considers package" << path << "invalid";
        d->error = result;
    }
}

void StylePackage::loadMetadata() const
{
    if (d->metadata) {
        return;
    }
    QByteArray contents;
    if (readMetadataFile(d->path / metadataFileName, contents) != ReadResult::Read) {
        return;
    }

    StylePackageMetadata metadata;
    const QJsonObject object = QJsonDocument::fromJson(contents).object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        if (const std::optional<QString> locale = localeOfKey(key, "name"_L1)) {
            metadata.names.insert(*locale, value.toString());
        } else if (const std::optional<QString> locale = localeOfKey(key, "description"_L1)) {
            metadata.descriptions.insert(*locale, value.toString());
        } else if (key == "version"_L1) {
            metadata.version = value.toString();
        } else if (key == "license"_L1) {
            metadata.license = value.toString();
        } else if (key == "url"_L1) {
            metadata.url = QUrl(value.toString(), QUrl::TolerantMode);
        } else if (key == "hidden"_L1) {
            metadata.hidden = value.toBool(false);
        } else if (key == "authors"_L1) {
            const QJsonArray authors = value.toArray();
            for (const QJsonValue& author : authors) {
                metadata.authors.append(author.toString());
            }
        }
    }
    d->metadata = std::move(metadata);
}

QDebug operator<<(QDebug debug, const StylePackage& package)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "StylePackage(" << pathText(package.path());
    if (package.isValid()) {
        debug << ", valid, inputType: " << package.inputType();
    } else {
        debug << ", invalid: " << package.error();
    }
    debug << ')';
    return debug;
}
} // namespace Quilt
