#include "imagecache.h"

#include <QHash>
#include <QHashFunctions>
#include <QImageReader>
#include <QString>

#include <atomic>
#include <cstdint>
#include <system_error>

namespace
{
std::atomic<quint64> s_builtAlphaMasks { 0 };

void combine(std::uint64_t& h, std::uint64_t value)
{
    h ^= value + 0x9e3779b9u + (h << 6) + (h >> 2);
}

QImage loadImage(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::none || status.type() == std::filesystem::file_type::not_found) {
        return QImage();
    }
    QImageReader reader(QString::fromStdString(path.string()));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}
} // namespace

int imageCacheKey(const std::filesystem::path& path, const QSizeF& size)
{
    const auto& native = path.native();
    std::uint64_t h = QHashSeed::globalSeed();
    combine(h, qHash(QByteArrayView(native.data(), qsizetype(native.size())), 0));
    combine(h, qHash(size.width(), 0));
    combine(h, qHash(size.height(), 0));
    return int(h);
}

std::shared_ptr<CachedImage> cachedImageEntry(ImageCache& cache, const std::filesystem::path& path, const QSizeF& size)
{
    return cachedImageEntry(cache, imageCacheKey(path, size), path, size);
}

std::shared_ptr<CachedImage> cachedImageEntry(ImageCache& cache, int key, const std::filesystem::path& path,
                                              const QSizeF& size)
{
    if (auto entry = cache.get(key)) {
        const auto& cached = *entry;
        if (cached && cached->path.native() == path.native() && cached->size.width() == size.width()
            && cached->size.height() == size.height()) {
            return cached;
        }
    }
    // A miss, or another path or size under the same key: the new entry
    // replaces the old one.
    auto entry = std::make_shared<CachedImage>();
    entry->path = path;
    entry->size = size;
    entry->image = loadImage(path);
    cache.put(key, entry);
    return entry;
}

QImage loadCachedImage(ImageCache& cache, const std::filesystem::path& path, const QSizeF& size)
{
    return cachedImageEntry(cache, path, size)->image;
}

quint64 builtAlphaMasks()
{
    return s_builtAlphaMasks.load(std::memory_order_relaxed);
}

QImage tintedMask(CachedImage& entry, const QColor& color)
{
    if (entry.image.isNull()) {
        return QImage();
    }
    const QRgb rgba = color.rgba();
    if (entry.tintedMask.isNull() || entry.tintColor != rgba) {
        s_builtAlphaMasks.fetch_add(1, std::memory_order_relaxed);
        QImage mask = entry.image.createAlphaMask();
        // createAlphaMask() sets the bit (colour index 1) where the image is opaque.
        mask.setColorTable({ qRgba(0, 0, 0, 0), rgba });
        entry.tintedMask = mask.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        entry.tintColor = rgba;
    }
    return entry.tintedMask;
}
