#include "packagearchive.h"

#include <QDebug>
#include <QLoggingCategory>
#include <QString>

#include <zlib.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace
{
Q_STATIC_LOGGING_CATEGORY(lcArchive, "quilt.styletool")

constexpr qsizetype BlockSize = 512;
constexpr qint64 EndOfArchiveSize = 2 * BlockSize;
// gzwrite takes its length as an unsigned int and refuses more than 2 GiB in
// one call, so the stream goes out in chunks.
constexpr qint64 WriteChunkSize = 1024 * 1024;
constexpr int ReadChunkSize = 64 * 1024;

struct Field
{
    int offset;
    int width;
};
constexpr Field NameField { 0, 100 };
constexpr Field ModeField { 100, 8 };
constexpr Field UidField { 108, 8 };
constexpr Field GidField { 116, 8 };
constexpr Field SizeField { 124, 12 };
constexpr Field MtimeField { 136, 12 };
constexpr Field ChecksumField { 148, 8 };
constexpr int TypeflagOffset = 156;
constexpr Field MagicField { 257, 8 };
constexpr Field UnameField { 265, 32 };
constexpr Field GnameField { 297, 32 };
constexpr Field PrefixField { 345, 155 };

constexpr char RegularFileType = '0';
constexpr char FolderType = '5';

std::error_code makeError(std::errc code)
{
    return std::make_error_code(code);
}

std::error_code systemError(int number)
{
    return { number != 0 ? number : EIO, std::system_category() };
}

QString text(const fs::path& path)
{
    return QString::fromStdString(path.native());
}

qint64 paddingFor(qint64 size)
{
    return (BlockSize - size % BlockSize) % BlockSize;
}

// Octal with leading zeros over all but the last byte of the field, which
// stays zero. A number that does not fit is written as 0 rather than spill
// into the next field: nothing reads these numbers back but the size, and the
// size is bounded long before it could overflow.
void writeOctal(char* header, Field field, quint64 value)
{
    const int digits = field.width - 1;
    if (value >> (3 * digits) != 0) {
        value = 0;
    }
    for (int i = digits - 1; i >= 0; --i) {
        header[field.offset + i] = char('0' + (value & 7));
        value >>= 3;
    }
    header[field.offset + digits] = '\0';
}

void writeText(char* header, Field field, const QByteArray& value)
{
    std::memcpy(header + field.offset, value.constData(), std::min<qsizetype>(value.size(), field.width));
}

// Tar writers pad numbers with leading blanks or zeros and end them with a
// zero byte or a blank; anything else (a sign, a digit 8 or 9, base-256
// numbers) is not a number we accept.
std::optional<quint64> parseOctal(const char* header, Field field)
{
    const char* p = header + field.offset;
    const char* const end = p + field.width;
    while (p < end && *p == ' ') {
        ++p;
    }
    const char* const digits = p;
    quint64 value = 0;
    for (; p < end && *p >= '0' && *p <= '7'; ++p) {
        value = value * 8 + quint64(*p - '0');
    }
    if (p == digits) {
        return std::nullopt;
    }
    for (; p < end; ++p) {
        if (*p != '\0' && *p != ' ') {
            return std::nullopt;
        }
    }
    return value;
}

// The checksum is taken with its own field counted as eight blanks. Old
// writers summed signed bytes, so a reader accepts either sum.
struct HeaderSums
{
    quint64 unsignedSum = 0;
    qint64 signedSum = 0;
};

HeaderSums headerSums(const char* header)
{
    HeaderSums sums;
    for (int i = 0; i < BlockSize; ++i) {
        const bool inChecksum = i >= ChecksumField.offset && i < ChecksumField.offset + ChecksumField.width;
        const char c = inChecksum ? ' ' : header[i];
        sums.unsignedSum += static_cast<unsigned char>(c);
        sums.signedSum += static_cast<signed char>(c);
    }
    return sums;
}

void writeChecksum(char* header)
{
    const quint64 sum = headerSums(header).unsignedSum;
    char* field = header + ChecksumField.offset;
    for (int i = 5; i >= 0; --i) {
        field[i] = char('0' + ((sum >> (3 * (5 - i))) & 7));
    }
    field[6] = '\0';
    field[7] = ' ';
}

bool isPosixMagic(const char* header)
{
    return std::memcmp(header + MagicField.offset, "ustar\0", 6) == 0;
}

bool hasUstarMagic(const char* header)
{
    return isPosixMagic(header) || std::memcmp(header + MagicField.offset, "ustar ", 6) == 0;
}

// Splits an entry name into the components of a path below the extraction
// folder. It runs before any file-system call and refuses every name that
// could reach outside that folder or mean different things to different
// tools; `reason` says why.
bool splitEntryName(const std::string& name, std::vector<std::string>& components, const char*& reason)
{
    components.clear();
    if (name.empty()) {
        reason = "the name is empty";
        return false;
    }
    if (name.front() == '/') {
        reason = "the name is absolute";
        return false;
    }
    if (name.find('\0') != std::string::npos) {
        reason = "the name contains a zero byte";
        return false;
    }
    if (name.find('\\') != std::string::npos) {
        reason = "the name contains a backslash";
        return false;
    }
    // What "tar -czf x.quiltstyle ./my-style" writes: the leading "./" says
    // nothing. A "." anywhere else is still refused.
    size_t start = 0;
    while (name.compare(start, 2, "./") == 0) {
        start += 2;
    }
    if (start < name.size() && name[start] == '/') {
        reason = "the name is absolute";
        return false;
    }
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos) {
            end = name.size();
        }
        std::string component = name.substr(start, end - start);
        if (component == "." || component == "..") {
            reason = "the name has a \".\" or \"..\" component";
            return false;
        }
        if (!component.empty()) {
            components.push_back(std::move(component));
        }
        start = end + 1;
    }
    if (components.empty()) {
        reason = "the name is empty";
        return false;
    }
    return true;
}

// The absolute, lexically normal form of a path, without a trailing
// separator, so that "style/" and "style" name the same folder.
fs::path lexicalAbsolute(const fs::path& path)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) {
        absolute = path;
    }
    return withoutTrailingSeparator(absolute.lexically_normal());
}

QByteArray userName(uid_t uid)
{
    std::vector<char> buffer(16384);
    passwd entry;
    passwd* result = nullptr;
    int rc;
    while ((rc = getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &result)) == ERANGE
           && buffer.size() < 1024 * 1024) {
        buffer.resize(buffer.size() * 2);
    }
    return rc == 0 && result ? QByteArray(result->pw_name) : QByteArray();
}

QByteArray groupName(gid_t gid)
{
    std::vector<char> buffer(16384);
    group entry;
    group* result = nullptr;
    int rc;
    while ((rc = getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &result)) == ERANGE
           && buffer.size() < 1024 * 1024) {
        buffer.resize(buffer.size() * 2);
    }
    return rc == 0 && result ? QByteArray(result->gr_name) : QByteArray();
}

const char* describeFileType(mode_t mode)
{
    if (S_ISLNK(mode)) {
        return "a symbolic link";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    return "neither a regular file nor a folder";
}

qint64 streamSizeOf(const QList<TarEntry>& entries)
{
    qint64 size = EndOfArchiveSize;
    for (const TarEntry& entry : entries) {
        size += BlockSize + entry.data.size() + entry.padding.size();
    }
    return size;
}

// Reads a whole regular file without following a link and without blocking
// on anything that turned into a FIFO since it was looked at.
bool readRegularFile(const fs::path& path, bool followLink, qint64 limit, QByteArray& data, std::error_code& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        qCWarning(lcArchive).nospace() << "Cannot open " << text(path) << ": " << strerror(errno);
        error = makeError(std::errc::io_error);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": it is no longer a regular file";
        ::close(fd);
        error = makeError(std::errc::operation_not_supported);
        return false;
    }
    if (st.st_size + paddingFor(st.st_size) > limit) {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": the package would exceed "
                                       << PackageArchive::MaximumStreamSize / (1024 * 1024) << " MiB";
        ::close(fd);
        error = makeError(std::errc::file_too_large);
        return false;
    }
    data.resize(st.st_size);
    qint64 filled = 0;
    while (filled < data.size()) {
        const ssize_t n = ::read(fd, data.data() + filled, size_t(data.size() - filled));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            qCWarning(lcArchive).nospace() << "Cannot read " << text(path) << ": " << strerror(errno);
            ::close(fd);
            error = makeError(std::errc::io_error);
            return false;
        }
        if (n == 0) {
            break; // the file shrank while we read it: keep what is there
        }
        filled += n;
    }
    data.resize(filled);
    ::close(fd);
    return true;
}

// Splits a decompressed tar stream into entries as it arrives: header, then
// exactly the data blocks its size names, up to the end-of-archive block.
class TarStreamReader
{
public:
    explicit TarStreamReader(const fs::path& archive)
        : m_archive(archive)
    { }

    bool feed(const char* bytes, qint64 size, std::error_code& error)
    {
        while (size > 0 && m_state != State::End) {
            qint64 taken = 0;
            switch (m_state) {
            case State::Header:
                m_headerOffset = m_offset - m_blockFill;
                taken = std::min<qint64>(BlockSize - m_blockFill, size);
                std::memcpy(m_block + m_blockFill, bytes, size_t(taken));
                m_blockFill += taken;
                if (m_blockFill == BlockSize) {
                    m_blockFill = 0;
                    if (!startEntry(error)) {
                        return false;
                    }
                }
                break;
            case State::Data:
                taken = std::min(m_dataLeft, size);
                m_current.data.append(bytes, qsizetype(taken));
                m_dataLeft -= taken;
                if (m_dataLeft == 0) {
                    finishEntry();
                }
                break;
            case State::Padding:
                taken = std::min(m_paddingLeft, size);
                m_paddingLeft -= taken;
                if (m_paddingLeft == 0) {
                    m_state = State::Header;
                }
                break;
            case State::End:
                break;
            }
            bytes += taken;
            size -= taken;
            m_offset += taken;
        }
        return true;
    }

    bool finish(std::error_code& error)
    {
        if (m_state == State::End) {
            return true;
        }
        refuse("it ends before its end-of-archive block");
        error = makeError(std::errc::bad_message);
        return false;
    }

    QList<TarEntry> entries;

private:
    enum class State
    {
        Header,
        Data,
        Padding,
        End
    };

    bool startEntry(std::error_code& error)
    {
        const qint64 headerOffset = m_headerOffset;
        if (std::all_of(m_block, m_block + BlockSize, [](char c) { return c == '\0'; })) {
            m_state = State::End;
            return true;
        }
        if (!hasUstarMagic(m_block)) {
            refuse("there is no ustar header at offset", headerOffset);
            error = makeError(std::errc::bad_message);
            return false;
        }
        const std::optional<quint64> checksum = parseOctal(m_block, ChecksumField);
        const HeaderSums sums = headerSums(m_block);
        if (!checksum || (*checksum != sums.unsignedSum && qint64(*checksum) != sums.signedSum)) {
            refuse("the header at offset", headerOffset, "has a wrong checksum");
            error = makeError(std::errc::bad_message);
            return false;
        }
        const std::optional<quint64> size = parseOctal(m_block, SizeField);
        if (!size) {
            refuse("the header at offset", headerOffset, "has no valid size");
            error = makeError(std::errc::bad_message);
            return false;
        }
        if (*size > quint64(PackageArchive::MaximumStreamSize)) {
            refuse("the entry at offset", headerOffset, "is larger than a package may be");
            error = makeError(std::errc::file_too_large);
            return false;
        }
        if (entries.size() >= PackageArchive::MaximumEntryCount) {
            refuse("it holds more entries than a package may");
            error = makeError(std::errc::file_too_large);
            return false;
        }
        m_current = TarEntry();
        std::memcpy(m_current.header, m_block, BlockSize);
        m_dataLeft = qint64(*size);
        m_paddingLeft = paddingFor(m_dataLeft);
        if (m_dataLeft == 0) {
            finishEntry();
        } else {
            m_state = State::Data;
        }
        return true;
    }

    void finishEntry()
    {
        entries.append(std::move(m_current));
        m_current = TarEntry();
        m_state = m_paddingLeft > 0 ? State::Padding : State::Header;
    }

    void refuse(const char* reason, qint64 offset = -1, const char* more = nullptr) const
    {
        QByteArray why(reason);
        if (offset >= 0) {
            why += ' ' + QByteArray::number(offset);
        }
        if (more) {
            why += ' ' + QByteArray(more);
        }
        qCWarning(lcArchive).nospace() << "Refusing package file " << text(m_archive) << ": " << why.constData();
    }

    const fs::path& m_archive;
    State m_state = State::Header;
    char m_block[BlockSize] = {};
    qint64 m_blockFill = 0;
    qint64 m_offset = 0; // of the next byte fed
    qint64 m_headerOffset = 0;
    TarEntry m_current;
    qint64 m_dataLeft = 0;
    qint64 m_paddingLeft = 0;
};

// Turns a package file into its tar stream, chunk by chunk, and hands the
// chunks on while counting them against the limit, so that no package file
// can make us inflate more than a package may hold.
//
// zlib's inflate is driven directly rather than through gzread: gzread takes
// a gzip stream that was cut short (even one missing only its checksum) for
// a complete one. A file that does not start with the gzip magic is taken
// as a plain tar stream.
class PackageFileDecoder
{
public:
    explicit PackageFileDecoder(const fs::path& archive)
        : m_archive(archive)
    { }
    ~PackageFileDecoder()
    {
        if (m_inflating) {
            inflateEnd(&m_stream);
        }
    }

    bool run(int fd, TarStreamReader& reader, std::error_code& error)
    {
        std::vector<unsigned char> input(ReadChunkSize);
        std::vector<unsigned char> output(ReadChunkSize);
        enum class Mode
        {
            Unknown,
            Plain,
            Gzip
        } mode
            = Mode::Unknown;
        bool inMember = false;
        for (;;) {
            const ssize_t n = ::read(fd, input.data(), input.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                return fail("it cannot be read", std::errc::io_error, error);
            }
            if (n == 0) {
                break;
            }
            if (mode == Mode::Unknown) {
                mode = n >= 2 && input[0] == 0x1f && input[1] == 0x8b ? Mode::Gzip : Mode::Plain;
                if (mode == Mode::Gzip) {
                    if (inflateInit2(&m_stream, 16 + MAX_WBITS) != Z_OK) {
                        return fail("out of memory", std::errc::not_enough_memory, error);
                    }
                    m_inflating = true;
                }
            }
            if (mode == Mode::Plain) {
                if (!deliver(input.data(), n, reader, error)) {
                    return false;
                }
                continue;
            }
            m_stream.next_in = input.data();
            m_stream.avail_in = uInt(n);
            for (;;) {
                if (!inMember) {
                    if (m_stream.avail_in == 0) {
                        break;
                    }
                    // Another gzip member follows; anything else after a
                    // member fails its header check below.
                    inflateReset(&m_stream);
                    inMember = true;
                }
                m_stream.next_out = output.data();
                m_stream.avail_out = uInt(output.size());
                const int rc = inflate(&m_stream, Z_NO_FLUSH);
                if (rc == Z_STREAM_END) {
                    inMember = false;
                } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
                    return fail(m_stream.msg ? m_stream.msg : "the compressed stream is damaged", std::errc::io_error,
                                error);
                }
                if (!deliver(output.data(), qint64(output.size() - m_stream.avail_out), reader, error)) {
                    return false;
                }
                if (inMember && m_stream.avail_out != 0) {
                    break; // everything read so far is inflated
                }
            }
        }
        if (inMember) {
            return fail("the compressed stream is cut short", std::errc::io_error, error);
        }
        if (m_total == 0) {
            return fail("it is empty", std::errc::io_error, error);
        }
        return true;
    }

private:
    bool deliver(const unsigned char* bytes, qint64 size, TarStreamReader& reader, std::error_code& error)
    {
        m_total += size;
        if (m_total > PackageArchive::MaximumStreamSize) {
            return fail("it unpacks to more than a package may hold", std::errc::file_too_large, error);
        }
        return reader.feed(reinterpret_cast<const char*>(bytes), size, error);
    }

    bool fail(const char* reason, std::errc code, std::error_code& error) const
    {
        qCWarning(lcArchive).nospace() << "Refusing package file " << text(m_archive) << ": " << reason;
        error = makeError(code);
        return false;
    }

    const fs::path& m_archive;
    z_stream m_stream {};
    bool m_inflating = false;
    qint64 m_total = 0;
};

// Validates an entry before anything touches the disk.
bool checkEntry(const TarEntry& entry, const fs::path& folder, std::vector<std::string>& components,
                std::error_code& error)
{
    const std::string name = entry.name();
    const char* reason = nullptr;
    bool safe = splitEntryName(name, components, reason);
    if (safe) {
        // Belt and braces: whatever the name, the target must lie below the
        // folder once both are normalised.
        fs::path target = folder;
        for (const std::string& component : components) {
            target /= component;
        }
        const fs::path base = withoutTrailingSeparator(folder.lexically_normal());
        const fs::path relative = target.lexically_normal().lexically_relative(base);
        if (relative.empty() || *relative.begin() == "." || *relative.begin() == "..") {
            reason = "the name leads outside the folder";
            safe = false;
        }
    }
    if (!safe) {
        qCWarning(lcArchive).nospace() << "Refusing entry " << QByteArray::fromStdString(name) << ": " << reason;
        error = makeError(std::errc::operation_not_permitted);
        return false;
    }
    if (entry.typeflag() != RegularFileType && entry.typeflag() != FolderType) {
        qCWarning(lcArchive).nospace() << "Refusing entry " << QByteArray::fromStdString(name)
                                       << ": only regular files and folders are extracted";
        error = makeError(std::errc::operation_not_supported);
        return false;
    }
    return true;
}

bool writeAll(int fd, const QByteArray& data)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += n;
    }
    return true;
}

// Creates a checked entry below `folder`. Every component on the way must be
// a real folder: a symbolic link already in the folder is never followed.
bool extractChecked(const TarEntry& entry, const std::vector<std::string>& components, const fs::path& folder,
                    std::error_code& error)
{
    const bool isFolder = entry.typeflag() == FolderType;
    fs::path current = folder;
    for (size_t i = 0; i + 1 < components.size(); ++i) {
        current /= components[i];
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno == ENOENT && isFolder) {
                if (::mkdir(current.c_str(), 0777) != 0) {
                    error = systemError(errno);
                    return false;
                }
                continue;
            }
            error = errno == ENOENT ? makeError(std::errc::not_a_directory) : systemError(errno);
            return false;
        }
        if (!S_ISDIR(st.st_mode)) {
            qCWarning(lcArchive).nospace() << "Refusing entry " << QByteArray::fromStdString(entry.name()) << ": "
                                           << text(current) << " is not a folder";
            error = makeError(std::errc::not_a_directory);
            return false;
        }
    }
    const fs::path target = current / components.back();
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0) {
        error = makeError(std::errc::file_exists);
        return false;
    }
    if (isFolder) {
        if (::mkdir(target.c_str(), 0777) != 0) {
            error = errno == EEXIST ? makeError(std::errc::file_exists) : systemError(errno);
            return false;
        }
        return true;
    }
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        error = errno == EEXIST ? makeError(std::errc::file_exists) : makeError(std::errc::io_error);
        return false;
    }
    const bool written = writeAll(fd, entry.data);
    if (::close(fd) != 0 || !written) {
        error = makeError(std::errc::io_error);
        return false;
    }
    return true;
}
} // namespace

std::string TarEntry::name() const
{
    const auto field = [this](Field f) {
        const char* start = header + f.offset;
        return std::string(start, strnlen(start, size_t(f.width)));
    };
    const std::string name = field(NameField);
    // A POSIX header keeps a long name in two parts; GNU headers use the
    // prefix's bytes for other things.
    if (isPosixMagic(header)) {
        const std::string prefix = field(PrefixField);
        if (!prefix.empty()) {
            return prefix + '/' + name;
        }
    }
    return name;
}

PackageArchive::PackageArchive() = default;

PackageArchive::PackageArchive(const std::filesystem::path& archivePath)
    : archivePath(archivePath)
{ }

bool PackageArchive::canAddEntries(std::error_code& error) const
{
    if (archivePath.empty()) {
        error = makeError(std::errc::not_a_directory);
        return false;
    }
    fs::path parent = archivePath.parent_path();
    if (parent.empty()) {
        parent = ".";
    }
    std::error_code ec;
    if (!fs::is_directory(parent, ec)) {
        error = makeError(std::errc::not_a_directory);
        return false;
    }
    return true;
}

bool PackageArchive::addDirectory(const std::filesystem::path& folder, std::error_code& error)
{
    // The folder itself may be a link (an installed style linked into the
    // styles folder); what lies below it is never followed.
    const fs::path top = lexicalAbsolute(folder);
    qint64 streamSize = streamSizeOf(entries);
    return addNamed(top, top.filename().native(), true, streamSize, error);
}

bool PackageArchive::addEntry(const std::filesystem::path& path, const std::filesystem::path& base,
                              std::error_code& error)
{
    const fs::path absolutePath = lexicalAbsolute(path);
    const fs::path relative = absolutePath.lexically_relative(lexicalAbsolute(base));
    if (relative.empty() || *relative.begin() == "." || *relative.begin() == "..") {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": it does not lie below " << text(base);
        error = makeError(std::errc::invalid_argument);
        return false;
    }
    qint64 streamSize = streamSizeOf(entries);
    return addNamed(absolutePath, relative.native(), false, streamSize, error);
}

bool PackageArchive::addNamed(const std::filesystem::path& path, const std::string& name, bool followLink,
                              qint64& streamSize, std::error_code& error)
{
    struct stat st;
    if ((followLink ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) {
        error = errno == ENOENT || errno == ENOTDIR ? makeError(std::errc::no_such_file_or_directory)
                                                    : systemError(errno);
        return false;
    }
    if (!canAddEntries(error)) {
        return false;
    }
    if (name.size() > 99) {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": its name is longer than 99 bytes";
        error = makeError(std::errc::filename_too_long);
        return false;
    }
    std::vector<std::string> components;
    const char* reason = nullptr;
    if (!splitEntryName(name, components, reason)) {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": " << reason;
        error = makeError(std::errc::invalid_argument);
        return false;
    }
    const bool isFolder = S_ISDIR(st.st_mode);
    if (!isFolder && !S_ISREG(st.st_mode)) {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": it is " << describeFileType(st.st_mode)
                                       << ", and a package holds only regular files and folders";
        error = makeError(std::errc::operation_not_supported);
        return false;
    }
    if (entries.size() >= MaximumEntryCount || streamSize + BlockSize > MaximumStreamSize) {
        qCWarning(lcArchive).nospace() << "Cannot package " << text(path) << ": the package would hold more than "
                                       << MaximumEntryCount << " entries or " << MaximumStreamSize / (1024 * 1024)
                                       << " MiB";
        error = makeError(std::errc::file_too_large);
        return false;
    }

    TarEntry entry;
    char* header = entry.header;
    std::string storedName = name;
    if (isFolder) {
        storedName += '/';
    } else if (!readRegularFile(path, followLink, MaximumStreamSize - streamSize - BlockSize, entry.data, error)) {
        return false;
    }
    entry.padding = QByteArray(paddingFor(entry.data.size()), '\0');

    std::memcpy(header + MagicField.offset, "ustar  ", 8);
    std::memcpy(header + NameField.offset, storedName.data(), storedName.size());
    writeOctal(header, ModeField, st.st_mode & 07777);
    writeOctal(header, UidField, st.st_uid);
    writeOctal(header, GidField, st.st_gid);
    writeOctal(header, SizeField, quint64(entry.data.size()));
    writeOctal(header, MtimeField, st.st_mtim.tv_sec > 0 ? quint64(st.st_mtim.tv_sec) : 0);
    header[TypeflagOffset] = isFolder ? FolderType : RegularFileType;
    writeText(header, UnameField, userName(st.st_uid));
    writeText(header, GnameField, groupName(st.st_gid));
    writeChecksum(header);

    streamSize += BlockSize + entry.data.size() + entry.padding.size();
    entries.append(std::move(entry));

    if (!isFolder) {
        return true;
    }
    std::error_code ec;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        if (!addNamed(it->path(), name + '/' + it->path().filename().native(), false, streamSize, error)) {
            return false;
        }
    }
    if (ec) {
        qCWarning(lcArchive).nospace() << "Cannot list " << text(path) << ": " << ec.message().c_str();
        error = ec;
        return false;
    }
    return true;
}

bool PackageArchive::write(std::error_code& error)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(archivePath, ec))) {
        error = makeError(std::errc::file_exists);
        return false;
    }
    // Exclusive creation: a link or a file that appeared at the path since
    // is never written through or over.
    const int fd = ::open(archivePath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        error = errno == EEXIST ? makeError(std::errc::file_exists) : systemError(errno);
        return false;
    }
    errno = 0;
    gzFile file = gzdopen(fd, "wb");
    if (!file) {
        error = systemError(errno != 0 ? errno : ENOMEM);
        ::close(fd);
        ::unlink(archivePath.c_str());
        return false;
    }

    int failure = 0;
    const auto put = [&](const char* bytes, qint64 size) {
        while (failure == 0 && size > 0) {
            const unsigned chunk = unsigned(std::min(size, WriteChunkSize));
            errno = 0;
            const int written = gzwrite(file, bytes, chunk);
            if (written <= 0) {
                int zlibError = Z_OK;
                gzerror(file, &zlibError);
                failure = zlibError == Z_ERRNO && errno != 0 ? errno : EIO;
                return;
            }
            bytes += written;
            size -= written;
        }
    };
    for (const TarEntry& entry : std::as_const(entries)) {
        put(entry.header, BlockSize);
        put(entry.data.constData(), entry.data.size());
        put(entry.padding.constData(), entry.padding.size());
    }
    static const char endOfArchive[EndOfArchiveSize] = {};
    put(endOfArchive, EndOfArchiveSize);

    errno = 0;
    const int closed = gzclose(file);
    if (failure == 0 && closed != Z_OK) {
        failure = closed == Z_ERRNO && errno != 0 ? errno : EIO;
    }
    if (failure != 0) {
        qCWarning(lcArchive).nospace() << "Cannot write " << text(archivePath) << ": " << strerror(failure);
        ::unlink(archivePath.c_str());
        error = systemError(failure);
        return false;
    }
    return true;
}

bool PackageArchive::read(std::error_code& error)
{
    entries.clear();
    std::error_code ec;
    if (!fs::exists(archivePath, ec)) {
        error = makeError(std::errc::no_such_file_or_directory);
        return false;
    }
    // Without blocking, and only a regular file: a FIFO would wait for a
    // writer that never comes, a device could stream without end.
    const int fd = ::open(archivePath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = systemError(errno);
        return false;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0) {
        error = systemError(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        error = makeError(S_ISDIR(st.st_mode) ? std::errc::is_a_directory : std::errc::invalid_argument);
        return false;
    }
    TarStreamReader reader(archivePath);
    PackageFileDecoder decoder(archivePath);
    const bool decoded = decoder.run(fd, reader, error);
    ::close(fd);
    if (!decoded || !reader.finish(error)) {
        return false;
    }
    entries = std::move(reader.entries);
    return true;
}

bool PackageArchive::extractAll(const std::filesystem::path& folder, std::error_code& error)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        error = makeError(std::errc::not_a_directory);
        return false;
    }
    // Check every entry before writing anything, so that a hostile archive
    // leaves the folder as it was.
    std::vector<std::vector<std::string>> checked;
    checked.reserve(size_t(entries.size()));
    std::set<std::vector<std::string>> seen;
    for (const TarEntry& entry : std::as_const(entries)) {
        std::vector<std::string> components;
        if (!checkEntry(entry, folder, components, error)) {
            return false;
        }
        if (!seen.insert(components).second) {
            qCWarning(lcArchive).nospace()
                << "Refusing entry " << QByteArray::fromStdString(entry.name()) << ": the package holds it twice";
            error = makeError(std::errc::file_exists);
            return false;
        }
        checked.push_back(std::move(components));
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!extractChecked(entries.at(i), checked[size_t(i)], folder, error)) {
            return false;
        }
    }
    return true;
}

bool PackageArchive::extractEntry(const TarEntry& entry, const std::filesystem::path& folder, std::error_code& error)
{
    std::vector<std::string> components;
    if (!checkEntry(entry, folder, components, error)) {
        return false;
    }
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        error = makeError(std::errc::not_a_directory);
        return false;
    }
    return extractChecked(entry, components, folder, error);
}

bool PackageArchive::extract(const std::string& name, const std::filesystem::path& folder, std::error_code& error)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        error = makeError(std::errc::not_a_directory);
        return false;
    }
    for (const TarEntry& entry : std::as_const(entries)) {
        if (entry.name() == name) {
            return extractEntry(entry, folder, error);
        }
    }
    error = makeError(std::errc::no_such_file_or_directory);
    return false;
}

std::filesystem::path withoutTrailingSeparator(std::filesystem::path path)
{
    while (!path.has_filename() && path.has_relative_path()) {
        path = path.parent_path();
    }
    return path;
}
