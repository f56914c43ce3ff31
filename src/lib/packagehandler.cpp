#include "packagehandler.h"

#include "inputplugin.h"
#include "logging_p.h"
#include "platformplugin.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Quilt
{
namespace fs = std::filesystem;

class PackageHandlerPrivate
{
public:
    std::shared_ptr<PlatformPlugin> platform;
};

namespace
{
constexpr char metadataFileName[] = "metadata.json";

std::error_code packageError(PackageHandler::Error error)
{
    return PackageHandler::PackageErrorCategory::make_package_error(error);
}

QString pathText(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

// A dangling link counts: something is in the way.
bool existsAsAnything(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// Names come from the environment, settings and command lines and are joined
// to a package folder; anything but one plain path element would reach
// outside it, or name the folder itself.
bool isPackageName(const QString& name)
{
    return !name.isEmpty() && name != "."_L1 && name != ".."_L1 && !name.contains(u'/') && !name.contains(QChar(0));
}

void removeQuietly(const fs::path& path)
{
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

// The transient folders of an update, ".<id>.new-<suffix>" and
// ".<id>.old-<suffix>": one left by an update that was cut off is no package.
bool isTransientName(const QString& name, const QString& id = QString())
{
    static const QRegularExpression pattern(uR"(^\.(.+)\.(new|old)-[0-9a-z]+$)"_s);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() && (id.isEmpty() || match.captured(1) == id);
}

// Removes what an earlier update of `id` that was cut off left in `folder`.
void removeStaleTransients(const fs::path& folder, const QString& id)
{
    std::error_code error;
    QList<fs::path> stale;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        if (isTransientName(QString::fromStdString(it->path().filename().string()), id)) {
            stale.append(it->path());
        }
    }
    for (const fs::path& path : stale) {
        qCDebug(lcGeneral) << "Removing" << pathText(path) << "left by an earlier update";
        removeQuietly(path);
    }
}

// Whether `inner` is `outer` or lies inside it, symbolic links resolved.
bool isWithin(const fs::path& inner, const fs::path& outer, std::error_code& error)
{
    const fs::path resolvedOuter = fs::weakly_canonical(outer, error);
    if (error) {
        return false;
    }
    const fs::path resolvedInner = fs::weakly_canonical(inner, error);
    if (error) {
        return false;
    }
    auto innerIt = resolvedInner.begin();
    for (const fs::path& element : resolvedOuter) {
        // A trailing separator shows as an empty last element.
        if (element.empty()) {
            continue;
        }
        if (innerIt == resolvedInner.end() || *innerIt != element) {
            return false;
        }
        ++innerIt;
    }
    return true;
}

// Links are copied as links: following them could recurse without end (a
// link to an ancestor) or pull in whatever lies outside the package.
void copyPackage(const fs::path& from, const fs::path& to, std::error_code& error)
{
    // The package folder itself may be reached through a link.
    const fs::path source = fs::canonical(from, error);
    if (error) {
        return;
    }
    fs::copy(source, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
}

// A new name in `folder` that nothing uses yet, for a transient sibling.
fs::path unusedName(const fs::path& folder, const QString& id, const char* purpose)
{
    for (;;) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 36);
        const fs::path candidate
            = folder / (u'.' + id + u'.' + QLatin1StringView(purpose) + u'-' + suffix).toStdString();
        if (!existsAsAnything(candidate)) {
            return candidate;
        }
    }
}

// Creates a fresh folder below `folder`; it is ours alone to fill and remove.
fs::path createTemporaryFolder(const fs::path& folder, const QString& id, std::error_code& error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = unusedName(folder, id, "new");
        if (fs::create_directory(candidate, error)) {
            return candidate;
        }
        if (error) {
            return fs::path();
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return fs::path();
}

QString jsonString(const QString& value)
{
    QString result;
    result.reserve(value.size() + 2);
    result += u'"';
    for (const QChar c : value) {
        if (c == u'"') {
            result += "\\\""_L1;
        } else if (c == u'\\') {
            result += "\\\\"_L1;
        } else if (c == u'\n') {
            result += "\\n"_L1;
        } else if (c.unicode() < 0x20) {
            result += "\\u"_L1 + QString::number(c.unicode(), 16).rightJustified(4, u'0');
        } else {
            result += c;
        }
    }
    result += u'"';
    return result;
}

QString metadataText(const PackageHandler::CreateInfo& info)
{
    const QString indent = "    "_L1;
    QStringList members;
    members.append(indent + jsonString("input-type"_L1) + ": "_L1 + jsonString(info.inputType));
    members.append(indent + jsonString("name"_L1) + ": "_L1 + jsonString(info.name));
    const std::pair<QLatin1StringView, QString> optional[] = {
        { "description"_L1, info.description },
        { "version"_L1, info.version },
        { "license"_L1, info.license },
        { "url"_L1, info.url.toString() },
    };
    for (const auto& [key, value] : optional) {
        if (!value.isEmpty()) {
            members.append(indent + jsonString(key) + ": "_L1 + jsonString(value));
        }
    }
    if (!info.authors.isEmpty()) {
        QStringList authors;
        for (const QString& author : info.authors) {
            authors.append(indent + indent + jsonString(author));
        }
        members.append(indent + jsonString("authors"_L1) + ": ["_L1 + u'\n' + authors.join(",\n"_L1) + u'\n' + indent
                       + u']');
    }
    return "{\n"_L1 + members.join(",\n"_L1) + "\n}\n"_L1;
}
} // namespace

PackageHandler::PackageErrorCategory::~PackageErrorCategory() = default;

const char* PackageHandler::PackageErrorCategory::name() const noexcept
{
    return "package_error";
}

std::error_condition PackageHandler::PackageErrorCategory::default_error_condition(int value) const noexcept
{
    switch (value) {
    case InvalidPackage:
        return std::errc::invalid_argument;
    case AlreadyInstalled:
    case AlreadyExists:
        return std::errc::file_exists;
    case NotInstalled:
        return std::errc::no_such_file_or_directory;
    case NotAnUpdate:
        return std::errc::operation_not_supported;
    case UnknownInputType:
        return std::errc::protocol_not_supported;
    default:
        return std::error_condition(value, *this);
    }
}

std::string PackageHandler::PackageErrorCategory::message(int value) const
{
    switch (value) {
    case InvalidPackage:
        return "An invalid package was provided";
    case AlreadyInstalled:
        return "The package is already installed";
    case NotInstalled:
        return "The package is not installed";
    case NotAnUpdate:
        return "The package is not an update";
    case AlreadyExists:
        return "The package already exists";
    case UnknownInputType:
        return "The package uses an unknown input type";
    default:
        return "Unknown Error";
    }
}

const PackageHandler::PackageErrorCategory& PackageHandler::PackageErrorCategory::instance()
{
    static const PackageErrorCategory category;
    return category;
}

std::error_code PackageHandler::PackageErrorCategory::make_package_error(Error error)
{
    return std::error_code(int(error), instance());
}

PackageHandler::PackageHandler(std::shared_ptr<PlatformPlugin> platform)
    : d(std::make_unique<PackageHandlerPrivate>())
{
    d->platform = std::move(platform);
}

PackageHandler::~PackageHandler() = default;

StylePackage PackageHandler::package(const QString& name) const
{
    if (!isPackageName(name) || isTransientName(name)) {
        qCDebug(lcGeneral) << "Package" << name << "was not found";
        return StylePackage();
    }
    const fs::path element(name.toStdString());
    const QList<fs::path> folders = d->platform->stylePackagePaths();
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / element;
        if (!existsAsAnything(candidate)) {
            continue;
        }
        StylePackage found(candidate);
        if (found.isValid()) {
            return found;
        }
    }
    qCDebug(lcGeneral) << "Package" << name << "was not found";
    return StylePackage();
}

QList<StylePackage> PackageHandler::allPackages(OperationFlags flags) const
{
    QList<StylePackage> result;
    QSet<QString> seen;
    const QList<fs::path> folders = d->platform->stylePackagePaths();
    for (const fs::path& folder : folders) {
        std::error_code error;
        fs::directory_iterator it(folder, error);
        for (; !error && it != fs::directory_iterator(); it.increment(error)) {
            std::error_code statusError;
            if (!it->is_directory(statusError) || statusError
                || isTransientName(QString::fromStdString(it->path().filename().string()))) {
                continue;
            }
            StylePackage package(it->path());
            if (!package.isValid()) {
                continue;
            }
            const QString id = package.id();
            if (seen.contains(id)) {
                continue;
            }
            // Not marked as seen: a visible package of that id in a later
            // folder takes its place.
            if (package.isHidden() && !flags.testFlag(OperationFlag::IncludeHidden)) {
                continue;
            }
            seen.insert(id);
            result.append(std::move(package));
        }
    }
    return result;
}

bool PackageHandler::create(StylePackage& package, const CreateInfo& info, std::error_code& error) const
{
    if (existsAsAnything(info.path)) {
        error = packageError(AlreadyExists);
        return false;
    }
    if (fs::create_directories(info.path, error); error) {
        return false;
    }
    if (fs::create_directories(info.path / "contents", error); error) {
        return false;
    }
    const std::shared_ptr<InputPlugin> plugin = InputPlugin::inputPlugin(info.inputType);
    if (!plugin) {
        error = packageError(UnknownInputType);
        return false;
    }

    QFile file(pathText(info.path / metadataFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = std::make_error_code(file.error() == QFileDevice::PermissionsError ? std::errc::permission_denied
                                                                                   : std::errc::io_error);
        return false;
    }
    // A full disk shows only when the buffers are written out: each stage is
    // checked, or a truncated file would pass for a created package.
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    stream << metadataText(info);
    stream.flush();
    const bool written = stream.status() == QTextStream::Ok && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        error = std::make_error_code(std::errc::io_error);
        return false;
    }

    package = StylePackage(info.path);
    return plugin->createPackage(package, error);
}

bool PackageHandler::install(const StylePackage& package, std::error_code& error) const
{
    if (!package.isValid() || !isPackageName(package.id())) {
        error = packageError(InvalidPackage);
        return false;
    }
    const fs::path target = d->platform->stylePackageInstallPath() / package.path().filename();
    if (existsAsAnything(target)) {
        error = packageError(AlreadyInstalled);
        return false;
    }
    // Copying a folder into itself would never end.
    const bool intoItself = isWithin(target, package.path(), error);
    if (error) {
        return false;
    }
    if (intoItself) {
        error = packageError(InvalidPackage);
        return false;
    }

    qCDebug(lcGeneral) << "Copying style from" << pathText(package.path()) << "to" << pathText(target);
    if (fs::create_directories(target, error); error) {
        return false;
    }
    copyPackage(package.path(), target, error);
    return !error;
}

bool PackageHandler::uninstall(const StylePackage& package, std::error_code& error) const
{
    // ".." or an empty last element would make the parent test below pass for
    // a package folder itself, or for a folder outside.
    if (!package.isValid() || !isPackageName(package.id())) {
        error = packageError(InvalidPackage);
        return false;
    }
    const fs::path path = package.path();
    const QList<fs::path> folders = d->platform->stylePackagePaths();
    if (!folders.contains(path.parent_path())) {
        error = packageError(NotInstalled);
        return false;
    }
    const bool isDirectory = fs::is_directory(path, error);
    if (error || !isDirectory) {
        error = std::make_error_code(std::errc::not_a_directory);
        return false;
    }
    fs::remove_all(path, error);
    return !error;
}

bool PackageHandler::update(const StylePackage& package, std::error_code& error, OperationFlags flags) const
{
    if (!package.isValid() || !isPackageName(package.id())) {
        error = packageError(InvalidPackage);
        return false;
    }
    const QString id = package.id();
    const StylePackage installed = this->package(id);
    if (!installed.isValid()) {
        error = packageError(NotInstalled);
        return false;
    }
    if (!flags.testFlag(OperationFlag::SkipVersionCheck) && installed.version() == package.version()) {
        error = packageError(NotAnUpdate);
        return false;
    }

    // Replacing the installed package by itself, or by a folder inside it,
    // would delete the very source of the update.
    const bool fromInstalled = isWithin(package.path(), installed.path(), error);
    if (error) {
        return false;
    }
    if (fromInstalled) {
        std::error_code sameError;
        error = packageError(fs::equivalent(package.path(), installed.path(), sameError) ? AlreadyInstalled
                                                                                         : InvalidPackage);
        return false;
    }

    const fs::path oldPath = installed.path();
    const fs::path installFolder = d->platform->stylePackageInstallPath();
    const fs::path target = installFolder / package.path().filename();
    // The installed package may lie in another package folder; then the
    // target must be free, as for a plain install.
    if (oldPath.lexically_normal() != target.lexically_normal() && existsAsAnything(target)) {
        error = packageError(AlreadyInstalled);
        return false;
    }
    const bool intoItself = isWithin(installFolder, package.path(), error);
    if (error) {
        return false;
    }
    if (intoItself) {
        error = packageError(InvalidPackage);
        return false;
    }

    // Copy first, next to the target, so that a failed copy leaves the
    // installed package untouched and the final step is a rename.
    if (fs::create_directories(installFolder, error); error) {
        return false;
    }
    removeStaleTransients(installFolder, id);
    if (oldPath.parent_path() != installFolder) {
        removeStaleTransients(oldPath.parent_path(), id);
    }
    const fs::path staging = createTemporaryFolder(installFolder, id, error);
    if (error) {
        return false;
    }
    qCDebug(lcGeneral) << "Copying style from" << pathText(package.path()) << "to" << pathText(target);
    copyPackage(package.path(), staging, error);
    if (error) {
        removeQuietly(staging);
        return false;
    }

    // Set the old package aside rather than deleting it, so that it can be put
    // back if the new one cannot take its place.
    const fs::path retired = unusedName(oldPath.parent_path(), id, "old");
    if (fs::rename(oldPath, retired, error); error) {
        removeQuietly(staging);
        return false;
    }
    if (fs::rename(staging, target, error); error) {
        std::error_code ignored;
        fs::rename(retired, oldPath, ignored);
        removeQuietly(staging);
        return false;
    }
    // The new package is in place; a leftover of the old one is still
    // reported, since it would show up among the packages.
    fs::remove_all(retired, error);
    return !error;
}
} // namespace Quilt
