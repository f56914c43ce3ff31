#pragma once

#include "lrucache.h"

#include <QColor>
#include <QImage>
#include <QSizeF>

#include <filesystem>
#include <memory>

// One background image as loaded from its file, with the path and requested
// size it was loaded for: two requests may share a key, and only an entry
// made for the same path and size answers a request.
struct CachedImage
{
    std::filesystem::path path;
    QSizeF size;
    // The file's own size; null when the file is missing or unreadable.
    QImage image;
    // The image's alpha mask painted in one colour, for images used as masks;
    // made on first use and remade when another colour asks.
    QImage tintedMask;
    QRgb tintColor = 0;
};

// Background images by path and requested size. Each library that paints
// backgrounds keeps one instance of its own and uses it from one thread only.
using ImageCache = Quilt::LruCache<int, std::shared_ptr<CachedImage>, 100>;

// The cache key of a path and a requested size: a hash over the process's
// global seed, so it differs between processes.
int imageCacheKey(const std::filesystem::path& path, const QSizeF& size);

// The entry for a path and size, loading the file on a miss. Missing files
// are cached too (as a null image), and entries are never refreshed: a file
// that changes on disk keeps its cached pixels until its entry is evicted.
// The size only tells entries apart; nothing is scaled.
std::shared_ptr<CachedImage> cachedImageEntry(ImageCache& cache, const std::filesystem::path& path, const QSizeF& size);
// The same under a given key, so that tests can make two requests collide.
std::shared_ptr<CachedImage> cachedImageEntry(ImageCache& cache, int key, const std::filesystem::path& path,
                                              const QSizeF& size);

// The image of cachedImageEntry(): a shared copy, so its cacheKey() stays the
// same while the cache keeps the image.
QImage loadCachedImage(ImageCache& cache, const std::filesystem::path& path, const QSizeF& size);

// The entry's image as a mask: opaque where the image's alpha mask is set, in
// `color`, transparent elsewhere. Kept in the entry for the next paint.
QImage tintedMask(CachedImage& entry, const QColor& color);

// How many tinted masks tintedMask() has built in this library so far.
quint64 builtAlphaMasks();
