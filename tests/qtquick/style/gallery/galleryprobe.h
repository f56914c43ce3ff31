#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>

#include <functional>

// Finding the gallery's controls and reading the colours it drew.
namespace GalleryProbe
{
inline QQuickItem* findItem(QQuickItem* root, const std::function<bool(QQuickItem*)>& matches)
{
    if (!root)
        return nullptr;
    if (matches(root))
        return root;
    for (QQuickItem* child : root->childItems()) {
        if (QQuickItem* found = findItem(child, matches))
            return found;
    }
    return nullptr;
}

// The loader of one copy of the page: "enabled", "disabled" or "mirrored".
inline QQuickItem* frame(QQuickWindow* window, const QString& name)
{
    return findItem(window->contentItem(), [&name](QQuickItem* item) { return item->objectName() == name; });
}

// The first control of the class `className` in `frame` whose text is
// `text` (any text when empty).
inline QQuickItem* control(QQuickItem* frame, const char* className, const QString& text)
{
    return findItem(frame, [&](QQuickItem* item) {
        return item->inherits(className) && (text.isEmpty() || item->property("text").toString() == text);
    });
}

inline QPoint scenePoint(const QQuickItem* item, QPointF local)
{
    return item->mapToScene(local).toPoint();
}

inline QColor pixel(const QImage& image, QPoint point)
{
    return image.pixelColor(point);
}

// The mean colour of `rect` (scene coordinates) of `image`: alike for a part
// and its mirror image, where single pixels at anti-aliased edges differ.
inline QColor meanColour(const QImage& image, QRect rect)
{
    rect &= image.rect();
    if (rect.isEmpty())
        return QColor();
    qint64 red = 0, green = 0, blue = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            red += qRed(rgb);
            green += qGreen(rgb);
            blue += qBlue(rgb);
        }
    }
    const qint64 count = qint64(rect.width()) * rect.height();
    return QColor(int(red / count), int(green / count), int(blue / count));
}

inline bool similar(const QColor& a, const QColor& b, int tolerance = 8)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}
} // namespace GalleryProbe
