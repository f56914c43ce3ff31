#include "stylesheet_p.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cssparser
{
namespace detail
{
namespace
{
std::string tooLarge()
{
    return "the file is larger than " + std::to_string(Limits::maxFileSize / (1024 * 1024)) + " MiB";
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

bool FileReader::read(const std::filesystem::path& path, std::string& identity, std::string& text, std::string& reason)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        reason = "the file does not exist";
        return false;
    }
    if (ec) {
        reason = ec.message();
        return false;
    }
    if (status.type() == fs::file_type::directory) {
        reason = "it is a folder, not a file";
        return false;
    }
    if (status.type() != fs::file_type::regular) {
        reason = "it is not a regular file";
        return false;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        reason = ec.message();
        return false;
    }
    if (size > Limits::maxFileSize) {
        reason = tooLarge();
        return false;
    }

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        reason = errno ? std::strerror(errno) : "it cannot be opened";
        return false;
    }
    // The file may have changed since its size was read: never read more than
    // the limit, whatever its size is now.
    text.resize(static_cast<std::size_t>(size) + 1);
    std::size_t length = 0;
    for (;;) {
        length += std::fread(text.data() + length, 1, text.size() - length, file.get());
        if (length < text.size()) {
            break;
        }
        if (length > Limits::maxFileSize) {
            reason = tooLarge();
            return false;
        }
        text.resize(std::min<std::size_t>(text.size() * 2, Limits::maxFileSize + 1));
    }
    if (std::ferror(file.get())) {
        reason = "it cannot be read";
        return false;
    }
    text.resize(length);

    identity = identify(path);
    return true;
}

std::string FileReader::identify(const std::filesystem::path& path) const
{
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::canonical(path, ec);
    return ec ? path.lexically_normal().string() : canonical.string();
}

bool MemoryReader::read(const std::filesystem::path& path, std::string& identity, std::string& text,
                        std::string& reason)
{
    identity = identify(path);
    const auto it = m_files.find(identity);
    if (it == m_files.end()) {
        reason = "the file does not exist";
        return false;
    }
    if (it->second.size() > Limits::maxFileSize) {
        reason = tooLarge();
        return false;
    }
    text = it->second;
    return true;
}

std::string MemoryReader::identify(const std::filesystem::path& path) const
{
    return path.lexically_normal().string();
}

void setSourceReader(StyleSheet& sheet, std::unique_ptr<SourceReader> reader)
{
    StyleSheetPrivate::get(sheet)->reader = std::move(reader);
}
} // namespace detail

StyleSheetPrivate* StyleSheetPrivate::get(StyleSheet& sheet)
{
    return sheet.d.get();
}

StyleSheet::StyleSheet(const std::filesystem::path& path)
    : d(std::make_unique<StyleSheetPrivate>())
{
    d->main = path;
    d->reader = std::make_unique<detail::FileReader>();
}

StyleSheet::~StyleSheet() = default;

void StyleSheet::import(const std::filesystem::path& path)
{
    // Without an installed default sheet the caller still passes its (empty)
    // location; that is not an error.
    if (!path.empty()) {
        d->defaults.push_back(path);
    }
}

void StyleSheet::parse()
{
    d->paths.clear();
    d->errors.clear();
    d->rules.clear();
    detail::Session session(*d->reader, d->paths, d->errors, d->rules);
    for (const auto& path : d->defaults) {
        session.readTopLevel(path);
    }
    if (d->main.empty()) {
        d->errors.push_back(Error { std::string(), 1, 1, "no style sheet file was given" });
    } else {
        session.readTopLevel(d->main);
    }
}

const std::vector<std::filesystem::path>& StyleSheet::paths() const
{
    return d->paths;
}

const std::vector<Error>& StyleSheet::errors() const
{
    return d->errors;
}

const std::vector<Rule>& StyleSheet::rules() const
{
    return d->rules;
}

} // namespace cssparser
