#pragma once

#include <QByteArray>
#include <QList>

#include <filesystem>
#include <string>
#include <system_error>

// The path without a trailing separator: "mystyle/" names the folder
// "mystyle", whose name is the package id, where a trailing separator would
// leave an empty last element. The root stays the root.
std::filesystem::path withoutTrailingSeparator(std::filesystem::path path);

// One entry of a package file: a ustar header block followed by the file's
// contents and the zero bytes that fill them up to a whole block.
struct TarEntry
{
    char header[512] = {};
    QByteArray data;
    // Filled by the writer only; the reader leaves it empty.
    QByteArray padding;

    // The name as stored: the name field up to its first zero byte (all 100
    // bytes when there is none), behind the prefix field of a POSIX header.
    std::string name() const;
    char typeflag() const { return header[156]; }
};

// A package file (".quiltstyle"): one style package folder as a tar archive
// in the ustar layout, compressed as a gzip stream.
//
// A package file is untrusted input: reading walks the archive header by
// header and refuses anything damaged, truncated or larger than the limits
// below; extraction writes only regular files and folders, and only below the
// folder it is given.
class PackageArchive
{
public:
    // Bounds on what a package file may unpack to. They hold while
    // decompressing, so no package file can make the reader hold more; the
    // writer keeps to them too, so that it never makes a package that cannot
    // be read back.
    static constexpr qint64 MaximumStreamSize = qint64(256) * 1024 * 1024;
    static constexpr qsizetype MaximumEntryCount = 10000;

    PackageArchive();
    explicit PackageArchive(const std::filesystem::path& archivePath);

    bool addDirectory(const std::filesystem::path& folder, std::error_code& error);
    bool addEntry(const std::filesystem::path& path, const std::filesystem::path& base, std::error_code& error);
    bool write(std::error_code& error);

    bool read(std::error_code& error);
    bool extractAll(const std::filesystem::path& folder, std::error_code& error);
    bool extractEntry(const TarEntry& entry, const std::filesystem::path& folder, std::error_code& error);
    bool extract(const std::string& name, const std::filesystem::path& folder, std::error_code& error);

    std::filesystem::path archivePath;
    QList<TarEntry> entries;

private:
    bool canAddEntries(std::error_code& error) const;
    bool addNamed(const std::filesystem::path& path, const std::string& name, bool followLink, qint64& streamSize,
                  std::error_code& error);
};
