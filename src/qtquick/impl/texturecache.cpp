#include "texturecache_p.h"

#include "imagecache.h"
#include "sharedtextures_p.h"

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

using Textures = SharedTextures<TextureKey>;

struct Images
{
    QMutex mutex;
    ImageCache cache;
};

// Never destroyed, like the shared textures.
Images& images()
{
    static auto* instance = new Images;
    return *instance;
}
} // namespace

std::shared_ptr<QSGTexture> TextureCache::loadTexture(QQuickWindow* window, const QImage& image,
                                                      QQuickWindow::CreateTextureOptions options)
{
    if (image.isNull() || !window) {
        return {};
    }

    const TextureKey key { image.cacheKey(), window };
    // The key names the window, and a window renders on one thread: no
    // other thread makes a texture under it meanwhile.
    std::shared_ptr<QSGTexture> shared = Textures::instance().find(key);
    if (!shared) {
        QSGTexture* texture = window->createTextureFromImage(image, options);
        if (!texture) {
            return {};
        }
        shared = Textures::instance().adopt(key, texture);
    }

    if (!options.testFlag(QQuickWindow::TextureCanUseAtlas) && shared->isAtlasTexture()) {
        // The caller needs a texture of its own; the shared one stays cached
        // for the others while they hold it.
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
    auto& i = images();
    QMutexLocker locker(&i.mutex);
    return loadCachedImage(i.cache, path, size);
}

bool TextureCache::contains(const QImage& image, QQuickWindow* window)
{
    return Textures::instance().holds(TextureKey { image.cacheKey(), window });
}
} // namespace Quilt::Quick
