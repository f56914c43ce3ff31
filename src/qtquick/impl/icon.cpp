#include "icon.h"

#include "elementquery.h"
#include "iconnames_p.h"
#include "iconpropertygroup.h"
#include "platformplugin.h"
#include "quickattached_p.h"
#include "quicklogging_p.h"
#include "quickstyle.h"
#include "sharedtextures_p.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"

#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QQmlFile>
#include <QQmlProperty>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace Quilt::Quick
{
namespace
{
// Halves away from zero, saturating at the limits of int.
int roundToInt(double v)
{
    const double r = std::round(v);
    if (!(r > double(INT_MIN))) {
        return std::isnan(r) ? 0 : INT_MIN;
    }
    return r >= double(INT_MAX) ? INT_MAX : int(r);
}

// What an icon's picture depends on. Controls of a kind show the same few
// icons at the same size and colour: one texture per picture and window
// serves them all.
struct IconTextureKey
{
    const QQuickWindow* window = nullptr;
    QString icon; // a theme name with its theme, or a file
    QSize size;
    double ratio = 1.0;
    QRgba64 color;
    bool colorValid = false;
    bool enabled = true;

    friend bool operator==(const IconTextureKey&, const IconTextureKey&) = default;
    friend size_t qHash(const IconTextureKey& key, size_t seed = 0) noexcept
    {
        return qHashMulti(seed, key.window, key.icon, key.size, key.ratio, quint64(key.color), key.colorValid,
                          key.enabled);
    }
};

using IconTextures = SharedTextures<IconTextureKey>;

// The image node with the shared texture it shows; the texture goes after
// the node that draws it.
class IconNode : public QSGNode
{
public:
    explicit IconNode(QSGImageNode* image)
        : m_image(image)
    {
        m_image->setOwnsTexture(false);
        appendChildNode(m_image);
    }
    ~IconNode() override
    {
        removeChildNode(m_image);
        delete m_image;
    }

    QSGImageNode* image() const { return m_image; }
    bool hasTexture() const { return bool(m_texture); }
    void setTexture(std::shared_ptr<QSGTexture> texture)
    {
        m_image->setTexture(texture.get());
        m_texture = std::move(texture);
    }

private:
    QSGImageNode* m_image;
    std::shared_ptr<QSGTexture> m_texture;
};

QVariant gadgetProperty(const QVariant& gadget, const char* name)
{
    const QMetaObject* meta = gadget.metaType().metaObject();
    if (!meta) {
        return {};
    }
    const int index = meta->indexOfProperty(name);
    return index < 0 ? QVariant() : meta->property(index).readOnGadget(gadget.constData());
}
} // namespace

Icon::Icon(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    setFlag(ItemObservesViewport);
    setSmooth(false);
}

Icon::~Icon() = default;

QString Icon::name() const
{
    return m_name;
}

void Icon::setName(const QString& name)
{
    if (m_name == name) {
        return;
    }
    m_name = name;
    polish();
    Q_EMIT nameChanged();
}

void Icon::resetName()
{
    setName(QString());
}

QUrl Icon::source() const
{
    return m_source;
}

void Icon::setSource(const QUrl& source)
{
    if (m_source == source) {
        return;
    }
    // No source is no icon name either: going back to none must not wipe the name.
    if (!source.isEmpty() && !QQmlFile::isLocalFile(source)) {
        if (source.isRelative()) {
            qCWarning(lcQtQuick) << "Relative URL" << source.toString()
                                 << "used as an Icon source. This is wrong, interpreting it as icon name instead";
            setName(source.toString());
        } else {
            qCDebug(lcQtQuick) << "Non-local source URL" << source << "used as Icon source is unsupported";
        }
    }
    m_source = source;
    Q_EMIT sourceChanged();
    polish();
}

void Icon::resetSource()
{
    setSource(QUrl());
}

QColor Icon::color() const
{
    return m_color;
}

void Icon::setColor(const QColor& color)
{
    if (m_color == color) {
        return;
    }
    m_color = color;
    polish();
    Q_EMIT colorChanged();
}

void Icon::setTintsFiles(bool tints)
{
    if (m_tintsFiles == tints) {
        return;
    }
    m_tintsFiles = tints;
    m_textureDirty = true;
    update();
}

void Icon::resetColor()
{
    setColor(Qt::transparent);
}

QQuickItem* Icon::control() const
{
    return m_control;
}

void Icon::setControl(QQuickItem* control)
{
    if (m_control.data() == control) {
        return;
    }
    if (m_control) {
        disconnect(m_control, nullptr, this, nullptr);
    }
    if (m_style) {
        m_style->removeEventFilter(this);
    }
    m_control = control;
    if (control) {
        QQmlProperty(control, QStringLiteral("icon")).connectNotifySignal(this, SLOT(onControlIconChanged()));
        m_style = detail::attachedObject<QuickStyle>(this, true);
        if (m_style) {
            m_style->installEventFilter(this);
        }
        onControlIconChanged();
    }
    Q_EMIT controlChanged();
}

void Icon::resetControl()
{
    setControl(nullptr);
}

void Icon::onControlIconChanged()
{
    if (!m_control) {
        return;
    }
    // The meta-object comes with the value: looking the type up by name fails
    // for good when it runs before Quick Controls registered it.
    const QVariant icon = m_control->property("icon");
    if (!icon.isValid()) {
        return;
    }

    double width = gadgetProperty(icon, "width").toReal();
    double height = gadgetProperty(icon, "height").toReal();
    if (width <= 0 || height <= 0) {
        ElementQuery* query = m_style ? m_style->query() : nullptr;
        const Properties::StylePropertyGroup* properties = query ? query->properties() : nullptr;
        if (properties && properties->icon()) {
            width = properties->icon()->width().value_or(0.0);
            height = properties->icon()->height().value_or(0.0);
        }
    }
    setImplicitSize(width, height);

    const QString name = gadgetProperty(icon, "name").toString();
    if (name != m_name) {
        m_name = name;
        polish();
        Q_EMIT nameChanged();
    }
    setSource(gadgetProperty(icon, "source").toUrl());
    const QColor color = gadgetProperty(icon, "color").value<QColor>();
    if (color != m_color) {
        m_color = color;
        polish();
        Q_EMIT colorChanged();
    }
}

bool Icon::showsAnything()
{
    if (!m_source.isEmpty() && QQmlFile::isLocalFile(m_source)) {
        return true;
    }
    if (m_name.isEmpty()) {
        return false;
    }
    // Looked up once per name: a style update re-reads the control's icon.
    if (m_name != m_foundName) {
        const auto platform = StyleRegistry::instance()->platform();
        m_found = platform && !Quilt::platformIconOrTwin(platform.get(), m_name, m_color).isNull();
        m_foundName = m_name;
    }
    return m_found;
}

bool Icon::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QuickStyleUpdatedEvent::s_type) {
        onControlIconChanged();
        return false;
    }
    return QQuickItem::eventFilter(watched, event);
}

void Icon::itemChange(ItemChange change, const ItemChangeData& value)
{
    if (change == ItemTransformHasChanged) {
        update();
    } else if (change == ItemEnabledHasChanged) {
        m_textureDirty = true;
        update();
    } else if (change == ItemVisibleHasChanged && value.boolValue) {
        if (m_lookupPending) {
            polish();
        }
        update();
    }
    QQuickItem::itemChange(change, value);
}

void Icon::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    const QSize size = chooseIconSize(newGeometry.size());
    if (size != m_iconSize) {
        m_iconSize = size;
        m_textureDirty = true;
    }
    update();
    QQuickItem::geometryChange(newGeometry, oldGeometry);
}

void Icon::updatePolish()
{
    // Many controls carry an icon that their style hides (an indicator for a
    // menu, say): it is looked up and drawn only once it shows.
    if (!isVisible()) {
        m_lookupPending = true;
        return;
    }
    m_lookupPending = false;
    if (m_source.isEmpty() || !QQmlFile::isLocalFile(m_source)) {
        const auto platform = StyleRegistry::instance()->platform();
        m_icon = platform ? Quilt::platformSymbolOrTwin(platform.get(), m_name, m_color, m_color) : QIcon();
    } else {
        m_icon = QIcon(QQmlFile::urlToLocalFileOrQrc(m_source));
    }
    m_iconSize = chooseIconSize(boundingRect().size());
    m_textureDirty = true;
    update();
}

QSize Icon::chooseIconSize(const QSizeF& size) const
{
    QList<QSize> sizes = m_icon.availableSizes(QIcon::Normal, QIcon::Off);
    if (!sizes.isEmpty()) {
        std::stable_sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        const auto larger = std::find_if(sizes.cbegin(), sizes.cend(), [&size](QSize s) {
            return s.width() > size.width() || s.height() > size.height();
        });
        if (larger != sizes.cend() && larger != sizes.cbegin()) {
            return *(larger - 1);
        }
    }
    return m_icon.actualSize(QSize(roundToInt(size.width()), roundToInt(size.height())), QIcon::Normal, QIcon::Off);
}

QSGNode* Icon::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*)
{
    auto* node = static_cast<IconNode*>(oldNode);
    // Nothing to draw: no icon, or no size to draw it at. An image node never
    // gets a null texture.
    if (m_icon.isNull() || m_iconSize.isEmpty()) {
        delete node;
        return nullptr;
    }
    // A hidden icon uploads nothing; what it drew stays for when it shows.
    if (!isVisible()) {
        return node;
    }
    if (!node) {
        node = new IconNode(window()->createImageNode());
    }
    QSGImageNode* image = node->image();

    QWindow* renderWindow = QQuickRenderControl::renderWindowFor(window());
    const double ratio = renderWindow ? renderWindow->devicePixelRatio() : window()->devicePixelRatio();

    const QRectF bounds = boundingRect();
    QPointF corner(std::round(bounds.x() + (bounds.width() - m_iconSize.width()) / 2.0),
                   std::round(bounds.y() + (bounds.height() - m_iconSize.height()) / 2.0));
    // Whole device pixels in the scene, so that the texture is not resampled.
    const double k = float(ratio);
    const QPointF scene = mapToScene(corner);
    corner = mapFromScene(QPointF(std::round(scene.x() * k) / k, std::round(scene.y() * k) / k));

    image->setRect(QRectF(corner, QSizeF(m_iconSize)));
    image->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);

    if (!m_textureDirty && node->hasTexture() && qFuzzyCompare(m_textureRatio, ratio)) {
        return node;
    }

    // A file is the same picture under any theme; a name is not.
    const bool fromFile = !m_source.isEmpty() && QQmlFile::isLocalFile(m_source);
    const bool tinted = m_color.isValid() && (!fromFile || (m_tintsFiles && m_color.alpha() > 0));
    // A button's own icon takes its colour whatever the platform made of
    // it: an application's theme ships its symbols in one dark colour.
    const bool painted = m_tintsFiles && m_color.isValid() && m_color.alpha() > 0;
    const IconTextureKey key { window(),
                               (painted ? QStringLiteral("painted:") : QString())
                                   + (fromFile ? u'/' + m_source.toString() : QIcon::themeName() + u'/' + m_name),
                               m_iconSize,
                               ratio,
                               tinted ? m_color.rgba64() : QRgba64(),
                               tinted,
                               isEnabled() };
    std::shared_ptr<QSGTexture> texture = IconTextures::instance().find(key);
    if (!texture) {
        const QPixmap pixmap
            = m_icon.pixmap(m_iconSize, ratio, isEnabled() ? QIcon::Normal : QIcon::Disabled, QIcon::Off);
        QImage picture = pixmap.toImage();
        // A button's picture is one colour's shape, as applications ship
        // their symbols: its colour tints it.
        if (painted && !picture.isNull()) {
            picture.convertTo(QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&picture);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(picture.rect(), m_color);
        }
        QSGTexture* created
            = picture.isNull() ? nullptr : window()->createTextureFromImage(picture, QQuickWindow::TextureCanUseAtlas);
        if (!created) {
            delete node;
            return nullptr;
        }
        texture = IconTextures::instance().adopt(key, created);
    }
    node->setTexture(std::move(texture));
    m_textureDirty = false;
    m_textureRatio = ratio;
    return node;
}
} // namespace Quilt::Quick
