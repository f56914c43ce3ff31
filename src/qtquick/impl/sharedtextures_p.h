#pragma once

#include <QHash>
#include <QMutex>
#include <QtQuick/QSGTexture>

#include <memory>

namespace Quilt::Quick
{
// Textures shared by every node that draws the same picture, one per `Key`
// (which names the window): held by those nodes, forgotten when the last
// one lets go. Process-wide and never destroyed, since a texture may be
// released after static destruction began; windows may render on threads
// of their own, hence the lock.
template<typename Key> class SharedTextures
{
public:
    static SharedTextures& instance()
    {
        static auto* textures = new SharedTextures;
        return *textures;
    }

    // The texture kept under `key`, null when none is held any more.
    std::shared_ptr<QSGTexture> find(const Key& key)
    {
        QMutexLocker locker(&m_mutex);
        const auto it = m_textures.constFind(key);
        return it != m_textures.constEnd() ? it->lock() : nullptr;
    }

    // Shares `texture` under `key`; it is deleted with its last holder.
    std::shared_ptr<QSGTexture> adopt(const Key& key, QSGTexture* texture)
    {
        std::shared_ptr<QSGTexture> shared(texture, [key](QSGTexture* released) {
            instance().forget(key);
            delete released;
        });
        QMutexLocker locker(&m_mutex);
        m_textures.insert(key, shared);
        return shared;
    }

    bool holds(const Key& key)
    {
        QMutexLocker locker(&m_mutex);
        const auto it = m_textures.constFind(key);
        return it != m_textures.constEnd() && !it->expired();
    }

private:
    void forget(const Key& key)
    {
        QMutexLocker locker(&m_mutex);
        // Another holder may have put a new texture under the key since the
        // last holder of this one let go.
        const auto it = m_textures.find(key);
        if (it != m_textures.end() && it->expired()) {
            m_textures.erase(it);
        }
    }

    QMutex m_mutex;
    QHash<Key, std::weak_ptr<QSGTexture>> m_textures;
};
} // namespace Quilt::Quick
