#include "iconnames_p.h"

#include "platformplugin.h"

#include <QColor>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPixmap>

#include <cstdlib>
#include <optional>

namespace Quilt
{
namespace
{
// A symbolic icon drawn as its shape alone, in one colour: the files carry
// a fixed grey meant to be recoloured, which a dark surface swallows.
class SymbolTintEngine final : public QIconEngine
{
public:
    SymbolTintEngine(const QIcon& icon, const QColor& color)
        : m_icon(icon)
        , m_color(color)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const QPixmap shape = m_icon.pixmap(size, scale, mode, state);
        if (shape.isNull()) {
            return shape;
        }
        // On a copy: the shape may be the one that Qt's pixmap cache keeps.
        QImage image = shape.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), m_color);
        painter.end();
        QPixmap tinted = QPixmap::fromImage(std::move(image));
        tinted.setDevicePixelRatio(shape.devicePixelRatio());
        return tinted;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.availableSizes(mode, state);
    }

    QString iconName() override { return m_icon.name(); }
    bool isNull() override { return m_icon.isNull(); }
    QString key() const override { return QStringLiteral("QuiltSymbolTint"); }
    QIconEngine* clone() const override { return new SymbolTintEngine(m_icon, m_color); }

private:
    QIcon m_icon;
    QColor m_color;
};

struct Found
{
    QIcon icon;
    QString name;
};

Found lookupOrTwin(const PlatformPlugin* platform, const QString& name, const QColor& color)
{
    const auto lookup = [&](const QString& candidate) {
        return platform ? platform->platformIcon(candidate, color) : QIcon::fromTheme(candidate);
    };
    Found found { lookup(name), name };
    if (found.icon.isNull()) {
        if (const QString common = commonIconName(name); !common.isEmpty()) {
            found = { lookup(common), common };
        }
    }
    return found;
}

QImage plainPixels(const QIcon& icon)
{
    return icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Drawn in one colour, as a symbol is, whatever its name says: the style's
// "window-restore" is one as much as its "window-close-symbolic".
bool oneColour(const QImage& image)
{
    // Edges blend into the ground: only the body's pixels count, and those
    // within rounding of each other.
    std::optional<QColor> colour;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() < 128) {
                continue;
            }
            if (!colour) {
                colour = pixel;
            } else if (std::abs(pixel.red() - colour->red()) > 8 || std::abs(pixel.green() - colour->green()) > 8
                       || std::abs(pixel.blue() - colour->blue()) > 8) {
                return false;
            }
        }
    }
    return colour.has_value();
}

// Whether the icon found is the style's own symbol, the file that Quilt
// installs into the "hicolor" theme, still in that file's colours: neither
// the desktop's icon theme has one of its own for the name nor did the
// platform colour it. A theme's own symbols are the theme's business.
// Decided once per name, colour and platform while the icon theme stays.
bool ownSymbolAsFiled(const PlatformPlugin* platform, const Found& found, const QColor& color)
{
    // Asked of the platform and, for a style that names no icon, of the
    // icon theme alone: both kinds of answer are kept side by side.
    using Key = std::pair<QString, std::pair<QRgb, quintptr>>;
    static QMutex mutex;
    static QHash<Key, bool> known;
    static QString knownTheme;
    static QStringList knownPaths;

    const QMutexLocker lock(&mutex);
    const QString theme = QIcon::themeName();
    const QStringList paths = QIcon::themeSearchPaths();
    if (theme != knownTheme || paths != knownPaths || known.size() > 256) {
        known.clear();
        knownTheme = theme;
        knownPaths = paths;
    }
    const Key key { found.name, { color.isValid() ? color.rgba() : 0, quintptr(platform) } };
    if (const auto entry = known.constFind(key); entry != known.constEnd()) {
        return *entry;
    }
    bool own = false;
    const QString file = QStringLiteral("/hicolor/scalable/actions/%1.svg").arg(found.name);
    for (const QString& path : paths) {
        if (QFileInfo::exists(path + file)) {
            const QImage shown = plainPixels(found.icon);
            own = shown == plainPixels(QIcon(path + file))
                && (found.name.endsWith(QLatin1StringView("-symbolic")) || oneColour(shown));
            break;
        }
    }
    known.insert(key, own);
    return own;
}
} // namespace

QString commonIconName(const QString& name)
{
    // The sideways arrows name literal directions: "start" and "end" as
    // themes draw them left to right.
    static const struct
    {
        QLatin1StringView own;
        QLatin1StringView common;
    } twins[] = {
        { QLatin1StringView("arrow-up-symbolic"), QLatin1StringView("pan-up-symbolic") },
        { QLatin1StringView("arrow-down-symbolic"), QLatin1StringView("pan-down-symbolic") },
        { QLatin1StringView("arrow-left-symbolic"), QLatin1StringView("pan-start-symbolic") },
        { QLatin1StringView("arrow-right-symbolic"), QLatin1StringView("pan-end-symbolic") },
        { QLatin1StringView("spinbox-increase"), QLatin1StringView("list-add-symbolic") },
        { QLatin1StringView("spinbox-decrease"), QLatin1StringView("list-remove-symbolic") },
    };
    for (const auto& twin : twins) {
        if (name == twin.own) {
            return QString(twin.common);
        }
    }
    return {};
}

QIcon platformIconOrTwin(const PlatformPlugin* platform, const QString& name, const QColor& color)
{
    return lookupOrTwin(platform, name, color).icon;
}

QIcon platformSymbolOrTwin(const PlatformPlugin* platform, const QString& name, const QColor& color, const QColor& tint)
{
    Found found = lookupOrTwin(platform, name, color);
    if (found.icon.isNull() || !tint.isValid() || tint.alpha() == 0) {
        return found.icon;
    }
    if (!ownSymbolAsFiled(platform, found, color)) {
        return found.icon;
    }
    return QIcon(new SymbolTintEngine(found.icon, tint));
}
} // namespace Quilt
