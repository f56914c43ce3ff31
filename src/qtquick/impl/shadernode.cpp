#include "shadernode_p.h"

#include "shadermaterial_p.h"
#include "shaderuniforms_p.h"
#include "texturecache_p.h"

#include <QColor>
#include <QImage>
#include <QtQuick/QQuickWindow>
#include <QtQuick/QSGDynamicTexture>
#include <QtQuick/QSGFlatColorMaterial>
#include <QtQuick/QSGTexture>

#include <QMutex>

#include <cstring>
#include <map>

namespace Quilt::Quick
{
namespace
{
QQuickWindow::CreateTextureOptions textureOptions(unsigned options)
{
    return options == 0 ? QQuickWindow::TextureCanUseAtlas : QQuickWindow::CreateTextureOptions();
}

QSGTexture::Filtering filtering(unsigned options)
{
    return (options & ShaderNode::NearestFiltering) ? QSGTexture::Nearest : QSGTexture::Linear;
}

// One attribute set per vertex layout for the whole process. The renderer
// merges two nodes into one batch only when their geometries point at the
// same attributes, so a set of each node's own would keep every node in a
// batch of its own. Render threads of several windows ask at once: locked.
// The sets live until the process ends, as long as any geometry may use them.
struct AttributeSetRegistry
{
    struct Entry
    {
        std::unique_ptr<QSGGeometry::Attribute[]> attributes;
        QSGGeometry::AttributeSet set;
    };

    QMutex mutex;
    std::map<std::pair<int, int>, std::unique_ptr<Entry>> entries;
};

const QSGGeometry::AttributeSet& sharedAttributeSet(int uvCount, int colorCount)
{
    // Never destroyed: a geometry may still point at its set at exit.
    static auto* registry = new AttributeSetRegistry;
    QMutexLocker locker(&registry->mutex);
    auto& entry = registry->entries[{ uvCount, colorCount }];
    if (!entry) {
        const int count = 1 + uvCount + colorCount;
        auto attributes = std::make_unique<QSGGeometry::Attribute[]>(count);
        int index = 0;
        attributes[index] = QSGGeometry::Attribute::createWithAttributeType(index, 2, QSGGeometry::FloatType,
                                                                            QSGGeometry::PositionAttribute);
        ++index;
        for (int i = 0; i < uvCount; ++i, ++index) {
            attributes[index] = QSGGeometry::Attribute::createWithAttributeType(index, 2, QSGGeometry::FloatType,
                                                                                QSGGeometry::TexCoordAttribute);
        }
        for (int i = 0; i < colorCount; ++i, ++index) {
            attributes[index] = QSGGeometry::Attribute::createWithAttributeType(index, 4, QSGGeometry::FloatType,
                                                                                QSGGeometry::UnknownAttribute);
        }
        const int stride = int(sizeof(float)) * (2 + 2 * uvCount + 4 * colorCount);
        entry = std::make_unique<AttributeSetRegistry::Entry>();
        entry->set = QSGGeometry::AttributeSet { count, stride, attributes.get() };
        entry->attributes = std::move(attributes);
    }
    return entry->set;
}
} // namespace

ShaderNode::ShaderNode()
{
    m_uvRects.fill(QRectF(0.0, 0.0, 1.0, 1.0));
    setGeometry(new QSGGeometry(QSGGeometry::defaultAttributes_Point2D(), 0, 0, QSGGeometry::UnsignedShortType));
    setMaterial(new QSGFlatColorMaterial);
    setFlags(UsePreprocess | OwnsGeometry | OwnsMaterial);
}

ShaderNode::~ShaderNode()
{
    for (const auto& entry : std::as_const(m_textures)) {
        if (entry.provider) {
            QObject::disconnect(entry.connection);
        }
    }
}

QRectF ShaderNode::rect() const
{
    return m_rect;
}

void ShaderNode::setRect(const QRectF& rect)
{
    if (rect == m_rect) {
        return;
    }
    m_rect = rect;
    m_geometryChanged = true;
}

QRectF ShaderNode::uvRect(int channel) const
{
    if (channel < 0 || channel >= MaximumUvCount) {
        return {};
    }
    return m_uvRects[channel];
}

void ShaderNode::setUvRect(int channel, const QRectF& rect)
{
    if (channel < 0 || channel >= MaximumUvCount || m_uvRects[channel] == rect) {
        return;
    }
    m_uvRects[channel] = rect;
    m_geometryChanged = true;
}

quint8 ShaderNode::uvCount() const
{
    return m_uvCount;
}

void ShaderNode::setUvCount(quint8 count)
{
    if (count == m_uvCount) {
        return;
    }
    m_uvCount = count == 0 ? 1 : std::min<quint8>(count, MaximumUvCount);
    while (m_textures.size() > count) {
        auto& entry = m_textures.last();
        if (entry.provider) {
            QObject::disconnect(entry.connection);
        }
        m_textures.removeLast();
    }
    m_layoutChanged = true;
}

quint8 ShaderNode::colorCount() const
{
    return m_colorCount;
}

void ShaderNode::setColorCount(quint8 count)
{
    if (count == m_colorCount) {
        return;
    }
    m_colorCount = count;
    m_colors.resize(count);
    m_layoutChanged = true;
}

void ShaderNode::setColors(quint8 index, const QVector4D& topLeft, const QVector4D& topRight,
                           const QVector4D& bottomLeft, const QVector4D& bottomRight)
{
    if (index >= m_colorCount) {
        return;
    }
    m_colors[index] = { topLeft, topRight, bottomLeft, bottomRight };
    m_geometryChanged = true;
}

void ShaderNode::setColors(quint8 index, const QColor& topLeft, const QColor& topRight, const QColor& bottomLeft,
                           const QColor& bottomRight)
{
    setColors(index, premultipliedColor(topLeft), premultipliedColor(topRight), premultipliedColor(bottomLeft),
              premultipliedColor(bottomRight));
}

int ShaderNode::vertexCount() const
{
    return m_vertexCount;
}

void ShaderNode::setVertexCount(int count)
{
    if (count == m_vertexCount) {
        return;
    }
    m_vertexCount = count;
    m_geometryChanged = true;
}

int ShaderNode::indexCount() const
{
    return m_indexCount;
}

void ShaderNode::setIndexCount(int count)
{
    if (count == m_indexCount) {
        return;
    }
    m_indexCount = count;
    m_geometryChanged = true;
}

void ShaderNode::markGeometryDirty()
{
    m_geometryChanged = true;
}

QSGMaterialType* ShaderNode::shaderType() const
{
    return m_shaderType;
}

void ShaderNode::setShader(QSGMaterialType* type)
{
    if (type == m_shaderType) {
        return;
    }
    m_shaderType = type;
    QSGMaterial* material = createMaterial(type);
    if (!material) {
        return;
    }
    m_material = static_cast<ShaderMaterial*>(material);
    setMaterial(material);
    markDirty(DirtyMaterial);
}

void ShaderNode::setShader(const QString& name)
{
    setShader(ShaderMaterial::typeForName(name));
}

ShaderMaterial* ShaderNode::shaderMaterial() const
{
    return m_material;
}

void ShaderNode::setUniformDataSize(qsizetype bytes)
{
    if (m_material) {
        m_material->setUniformDataSize(bytes);
    }
}

void ShaderNode::setUniformFloatCount(qsizetype count)
{
    setUniformDataSize(count * qsizetype(sizeof(float)));
}

std::span<char> ShaderNode::uniformData()
{
    if (!m_material) {
        return {};
    }
    return m_material->uniformData();
}

void ShaderNode::setTexture(quint8 channel, quint8 binding, const QImage& image, QQuickWindow* window, unsigned options)
{
    auto texture = TextureCache::loadTexture(window, image, textureOptions(options));
    if (texture) {
        bindTexture(channel, binding, std::move(texture), options);
    }
}

void ShaderNode::setTexture(quint8 channel, quint8 binding, const std::filesystem::path& path, QQuickWindow* window,
                            const QSizeF& size, unsigned options)
{
    auto texture = TextureCache::loadTexture(window, path, size, textureOptions(options));
    if (texture) {
        bindTexture(channel, binding, std::move(texture), options);
    }
}

void ShaderNode::setTexture(quint8 channel, quint8 binding, QSGTextureProvider* provider, unsigned options)
{
    if (!m_material) {
        return;
    }
    TextureEntry entry;
    entry.channel = channel;
    entry.binding = binding;
    entry.options = options;
    entry.provider = provider;
    if (provider) {
        entry.connection
            = QObject::connect(provider, &QSGTextureProvider::textureChanged, [this] { markDirty(DirtyMaterial); });
    }
    if (auto existing = findTexture(channel, binding)) {
        if (existing->provider) {
            QObject::disconnect(existing->connection);
        }
        *existing = std::move(entry);
    } else {
        m_textures.append(std::move(entry));
    }
}

qsizetype ShaderNode::textureCount() const
{
    return m_textures.size();
}

void ShaderNode::bindTexture(quint8 channel, quint8 binding, std::shared_ptr<QSGTexture> texture, unsigned options)
{
    if (!m_material) {
        return;
    }
    QSGTexture* raw = texture.get();
    if (auto existing = findTexture(channel, binding)) {
        if (existing->provider) {
            QObject::disconnect(existing->connection);
        }
        *existing = TextureEntry { channel, binding, options, std::move(texture), {}, {} };
    } else {
        m_textures.append(TextureEntry { channel, binding, options, std::move(texture), {}, {} });
    }
    setUvRect(channel, raw->normalizedTextureSubRect());
    raw->setFiltering(filtering(options));
    m_material->setTexture(binding, raw);
    markDirty(DirtyMaterial);
}

ShaderNode::TextureEntry* ShaderNode::findTexture(quint8 channel, quint8 binding)
{
    for (auto& entry : m_textures) {
        if (entry.channel == channel && entry.binding == binding) {
            return &entry;
        }
    }
    return nullptr;
}

void ShaderNode::preprocess()
{
    for (const auto& entry : std::as_const(m_textures)) {
        QSGTextureProvider* provider = entry.provider;
        if (!provider) {
            continue;
        }
        if (m_material) {
            QSGTexture* texture = provider->texture();
            if (texture && texture->isAtlasTexture() && entry.options != 0) {
                texture = texture->removedFromAtlas();
            }
            if (texture) {
                texture->setFiltering(filtering(entry.options));
            }
            m_material->setTexture(entry.binding, texture);
        }
        if (auto dynamic = qobject_cast<QSGDynamicTexture*>(provider->texture())) {
            dynamic->updateTexture();
        }
    }
}

void ShaderNode::update()
{
    if (!m_geometryChanged && !m_layoutChanged) {
        return;
    }
    if (m_layoutChanged) {
        rebuildGeometry();
    }
    QSGGeometry* g = geometry();
    if (g->vertexCount() != m_vertexCount || g->indexCount() != m_indexCount) {
        g->allocate(m_vertexCount, m_indexCount);
        markDirty(DirtyGeometry);
    }
    updateGeometry(g);
    m_geometryChanged = false;
}

void ShaderNode::rebuildGeometry()
{
    setGeometry(
        new QSGGeometry(sharedAttributeSet(m_uvCount, m_colorCount), m_vertexCount, 0, QSGGeometry::UnsignedShortType));
    markDirty(DirtyGeometry);
    m_layoutChanged = false;
}

QSGMaterial* ShaderNode::createMaterial(QSGMaterialType* type)
{
    return new ShaderMaterial(type);
}

void ShaderNode::updateGeometry(QSGGeometry* geometry)
{
    if (geometry->vertexCount() < 4) {
        return;
    }
    // Triangle strip: top-left, bottom-left, top-right, bottom-right. The
    // colour groups are stored top-left, top-right, bottom-left, bottom-right.
    static constexpr int colorOrder[4] = { 0, 2, 1, 3 };
    const QPointF corners[4] = { m_rect.topLeft(), m_rect.bottomLeft(), m_rect.topRight(), m_rect.bottomRight() };

    auto* out = static_cast<float*>(geometry->vertexData());
    for (int v = 0; v < 4; ++v) {
        *out++ = float(corners[v].x());
        *out++ = float(corners[v].y());
        for (int i = 0; i < m_uvCount; ++i) {
            const QRectF& uv = m_uvRects[i];
            const QPointF point[4] = { uv.topLeft(), uv.bottomLeft(), uv.topRight(), uv.bottomRight() };
            *out++ = float(point[v].x());
            *out++ = float(point[v].y());
        }
        for (int c = 0; c < m_colorCount; ++c) {
            const QVector4D& color = m_colors[c][colorOrder[v]];
            *out++ = color.x();
            *out++ = color.y();
            *out++ = color.z();
            *out++ = color.w();
        }
    }
    geometry->markVertexDataDirty();
    markDirty(DirtyGeometry);
}
} // namespace Quilt::Quick
