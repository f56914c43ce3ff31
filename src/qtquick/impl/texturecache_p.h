#pragma once

#include "quickimplglobal.h"

#include <QSizeF>
#include <QtQuick/QQuickWindow>

#include <filesystem>
#include <memory>

class QImage;
class QSGTexture;

namespace Quilt::Quick
{
// One scene-graph texture per image and window, shared by every node that
// draws that image in that window for as long as one of them holds it.
// Windows may render on threads of their own, so all of it is locked.
class QUILT_QUICK_EXPORT TextureCache
{
public:
    static std::shared_ptr<QSGTexture> loadTexture(QQuickWindow* window, const QImage& image,
                                                   QQuickWindow::CreateTextureOptions options);
    // Loads the image through this library's background-image cache first.
    static std::shared_ptr<QSGTexture> loadTexture(QQuickWindow* window, const std::filesystem::path& path,
                                                   const QSizeF& size, QQuickWindow::CreateTextureOptions options);

    // The image of a path at its file's size, from the same cache; null when
    // it does not load.
    static QImage loadImage(const std::filesystem::path& path, const QSizeF& size);

    // Whether a texture of the image for the window is held somewhere.
    static bool contains(const QImage& image, QQuickWindow* window);
};
} // namespace Quilt::Quick
