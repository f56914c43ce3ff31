#pragma once

#include "quickimplglobal.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QRectF>
#include <QtQuick/QSGGeometryNode>
#include <QtQuick/QSGTextureProvider>
#include <QVector4D>

#include <array>
#include <filesystem>
#include <memory>
#include <span>

class QColor;
class QImage;
class QQuickWindow;
class QSGMaterialType;
class QSGTexture;

namespace Quilt::Quick
{
class ShaderMaterial;

// A geometry node drawn with one of the library's shader packs. It has a
// configurable vertex layout (position, texture-coordinate channels, colour
// attributes with one value per corner), whose attribute set is shared by all
// nodes of that layout, and owns the textures bound for its shader and the
// material's uniform bytes, which subclasses fill in `update()`.
class QUILT_QUICK_EXPORT ShaderNode : public QSGGeometryNode
{
public:
    // Texture options: bit 0 picks nearest filtering; any bit keeps the
    // texture out of the atlas.
    enum TextureOption : unsigned
    {
        NearestFiltering = 0x1,
    };

    static constexpr int MaximumUvCount = 16;

    ShaderNode();
    ~ShaderNode() override;

    QRectF rect() const;
    void setRect(const QRectF& rect);

    QRectF uvRect(int channel) const;
    void setUvRect(int channel, const QRectF& rect);

    quint8 uvCount() const;
    void setUvCount(quint8 count);
    quint8 colorCount() const;
    void setColorCount(quint8 count);
    void setColors(quint8 index, const QVector4D& topLeft, const QVector4D& topRight, const QVector4D& bottomLeft,
                   const QVector4D& bottomRight);
    void setColors(quint8 index, const QColor& topLeft, const QColor& topRight, const QColor& bottomLeft,
                   const QColor& bottomRight);

    int vertexCount() const;
    void setVertexCount(int count);
    int indexCount() const;
    void setIndexCount(int count);
    void markGeometryDirty();

    QSGMaterialType* shaderType() const;
    void setShader(QSGMaterialType* type);
    void setShader(const QString& name);
    ShaderMaterial* shaderMaterial() const;

    void setUniformDataSize(qsizetype bytes);
    void setUniformFloatCount(qsizetype count);
    std::span<char> uniformData();

    void setTexture(quint8 channel, quint8 binding, const QImage& image, QQuickWindow* window, unsigned options = 0);
    void setTexture(quint8 channel, quint8 binding, const std::filesystem::path& path, QQuickWindow* window,
                    const QSizeF& size, unsigned options = 0);
    void setTexture(quint8 channel, quint8 binding, QSGTextureProvider* provider, unsigned options = 0);
    qsizetype textureCount() const;

    void preprocess() override;

    virtual void update();

protected:
    virtual QSGMaterial* createMaterial(QSGMaterialType* type);
    virtual void updateGeometry(QSGGeometry* geometry);

private:
    struct TextureEntry
    {
        quint8 channel = 0;
        quint8 binding = 0;
        unsigned options = 0;
        std::shared_ptr<QSGTexture> texture;
        QPointer<QSGTextureProvider> provider;
        QMetaObject::Connection connection;
    };

    void bindTexture(quint8 channel, quint8 binding, std::shared_ptr<QSGTexture> texture, unsigned options);
    TextureEntry* findTexture(quint8 channel, quint8 binding);
    void rebuildGeometry();

    QRectF m_rect { 0.0, 0.0, 1.0, 1.0 };
    bool m_layoutChanged = true;
    bool m_geometryChanged = true;
    quint8 m_uvCount = 1;
    std::array<QRectF, MaximumUvCount> m_uvRects;
    quint8 m_colorCount = 0;
    QList<std::array<QVector4D, 4>> m_colors;
    int m_vertexCount = 4;
    int m_indexCount = 0;
    QSGMaterialType* m_shaderType = nullptr;
    ShaderMaterial* m_material = nullptr;
    QList<TextureEntry> m_textures;
};
} // namespace Quilt::Quick
