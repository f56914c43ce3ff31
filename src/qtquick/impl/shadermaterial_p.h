#pragma once

#include "quickimplglobal.h"

#include <QByteArray>
#include <QHash>
#include <QRectF>
#include <QString>
#include <QtQuick/QSGMaterial>
#include <QtQuick/QSGMaterialShader>

#include <cstdint>
#include <span>

class QMatrix4x4;

namespace Quilt::Quick
{
// Words that a node places in its uniform bytes and that the material shader
// replaces for every draw with values only the renderer knows.
enum UniformMarker : std::uint32_t
{
    MatrixMarker = 0x87654321u, // 16 floats: the combined matrix, column-major
    OpacityMarker = 0x12345678u, // 1 float: the inherited opacity
    ViewportMarker = 0x56784321u, // 4 floats: x, y, width and height of the viewport
};

// Copies `source` into `target` (as many bytes as both hold; the target keeps
// its size) and replaces every marker word whose values fit in the target.
QUILT_QUICK_EXPORT void writeUniformBlock(std::span<char> target, std::span<const char> source,
                                          const QMatrix4x4& matrix, float opacity, const QRectF& viewport);

// A material drawn by one of the library's shader packs, chosen by name. There
// is one material type per name, so that the renderer batches the nodes of one
// shader; two materials compare equal when their uniform bytes and textures do.
class QUILT_QUICK_EXPORT ShaderMaterial : public QSGMaterial
{
public:
    explicit ShaderMaterial(const QString& name);
    explicit ShaderMaterial(QSGMaterialType* type);
    ~ShaderMaterial() override;

    static QSGMaterialType* typeForName(const QString& name);
    static QString nameForType(QSGMaterialType* type);

    QString name() const;
    QSGMaterialType* type() const override;
    QSGMaterialShader* createShader(QSGRendererInterface::RenderMode renderMode) const override;
    int compare(const QSGMaterial* other) const override;

    void setUniformDataSize(qsizetype size);
    std::span<char> uniformData();
    QByteArray uniformBytes() const;

    QSGTexture* texture(int binding) const;
    void setTexture(int binding, QSGTexture* texture);

private:
    QString m_name;
    QSGMaterialType* m_type = nullptr;
    QByteArray m_uniformData;
    QHash<int, QSGTexture*> m_textures;
};

class QUILT_QUICK_EXPORT ShaderMaterialShader : public QSGMaterialShader
{
public:
    explicit ShaderMaterialShader(const QString& name);
    ~ShaderMaterialShader() override;

    bool updateUniformData(RenderState& state, QSGMaterial* newMaterial, QSGMaterial* oldMaterial) override;
    void updateSampledImage(RenderState& state, int binding, QSGTexture** texture, QSGMaterial* newMaterial,
                            QSGMaterial* oldMaterial) override;
};
} // namespace Quilt::Quick
