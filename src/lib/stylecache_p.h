#pragma once

#include "quiltglobal.h"

#include <filesystem>
#include <memory>

namespace Quilt
{
class StylePrivate;

// Reads and writes the binary cache file that holds the parsed rules of one
// style, so that a style whose sources are unchanged need not be parsed again.
class QUILT_TESTS_EXPORT StyleCache
{
public:
    StyleCache();
    ~StyleCache();

    StyleCache(const StyleCache&) = delete;
    StyleCache& operator=(const StyleCache&) = delete;

    // False when QUILT_DISABLE_STYLE_CACHE is set (read once per process).
    static bool isEnabled();

    std::filesystem::path cacheFilePath(const std::filesystem::path& stylePath) const;
    bool hasCacheFile(const std::filesystem::path& stylePath) const;

    // The style restored from its cache file, or null when there is no usable
    // file: the caller then loads the style from its sources.
    std::unique_ptr<StylePrivate> restore(const std::filesystem::path& stylePath) const;
    bool save(const StylePrivate& style) const;

private:
    std::filesystem::path m_cacheDirectory;
};

} // namespace Quilt
