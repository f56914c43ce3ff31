#include "texturecache_p.h"

#include "imagecache.h"

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QtQuick/QSGTexture>

namespace Quilt::Quick
{
namespace
{
struct TextureKey
{
    qint64 image = 0;
    QQuickWindow* window = nullptr;

    friend bool operator==(const TextureKey&, const TextureKey&) = default;
    friend size_t qHash(const TextureKey& key, size_t seed = 0) noexcept
    {
        return qHashMulti(seed, key.image, key.window);
    }
};

struct Caches
{
    QMutex mutex;
    QHash<TextureKey, std::weak_ptr<QSGTexture>> textures;
    ImageCache images;
};

// Never destroyed: a texture may be released after static destruction began.
Caches& caches()
{
    static Caches* instance = new Caches;
    return *instance;
}

struct TextureDeleter
{
    TextureKey key;

    void operator()(QSGTexture* texture) const
    {
        {
            auto& c = caches();
            QMutexLocker locker(&c.mutex);
            // Another thread may have put a new texture under the key since
            // the last holder of this one let go.
            auto it = c.textures.find(key);
            if (it != c.textures.end() && it->expired()) {
                c.textures.erase(it);
            }
        }
        delete texture;
    }
};
} // namespace

std::shared_ptr<QSGTexture> TextureCache::loadTexture(QQuickWindow* window, const QImage& image,
                                                      QQuickWindow::CreateTextureOptions options)
{
    if (image.isNull() || !window) {
        return {};
    }

    const TextureKey key { image.cacheKey(), window };
    std::shared_ptr<QSGTexture> shared;
    {
        auto& c = caches();
        QMutexLocker locker(&c.mutex);
        auto it = c.textures.constFind(key);
        if (it != c.textures.constEnd()) {
            shared = it->lock();
        }
        if (!shared) {
            QSGTexture* texture = window->createTextureFromImage(image, options);
            if (!texture) {
                return {};
            }
            shared = std::shared_ptr<QSGTexture>(texture, TextureDeleter { key });
            c.textures.insert(key, shared);
        }
    }

    if (!options.testFlag(QQuickWindow::TextureCanUseAtlas) && shared->isAtlasTexture()) {
        // The caller needs a texture of its own; the shared one stays cached
        // for the others while they hold it. Released outside the lock, since
        // its deleter takes it.
        QSGTexture* own = window->createTextureFromImage(image, options);
        return own ? std::shared_ptr<QSGTexture>(own) : std::shared_ptr<QSGTexture>();
    }
    return shared;
}

std::shared_ptr<QSGTexture> TextureCache::loadTexture(QQuickWindow* window, const std::filesystem::path& path,
                                                      const QSizeF& size, QQuickWindow::CreateTextureOptions options)
{
    const QImage image = loadImage(path, size);
    if (image.isNull()) {
        return {};
    }
    return loadTexture(window, image, options);
}

QImage TextureCache::loadImage(const std::filesystem::path& path, const QSizeF& size)
{
    auto& c = caches();
    QMutexLocker locker(&c.mutex);
    return loadCachedImage(c.images, path, size);
}

bool TextureCache::contains(const QImage& image, QQuickWindow* window)
{
    auto& c = caches();
    QMutexLocker locker(&c.mutex);
    auto it = c.textures.constFind(TextureKey { image.cacheKey(), window });
    return it != c.textures.constEnd() && !it->expired();
}
} // namespace Quilt::Quick
