#include "shadermaterial_p.h"

#include <QMatrix4x4>
#include <QMutex>
#include <QtQuick/QSGTexture>

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace Quilt::Quick
{
namespace
{
// Every window may render on its own thread, and they all share the types.
struct MaterialTypeRegistry
{
    QMutex mutex;
    std::unordered_map<QString, std::unique_ptr<QSGMaterialType>> types;
};

MaterialTypeRegistry& registry()
{
    static MaterialTypeRegistry instance;
    return instance;
}

const QString& shaderPrefix()
{
    static const QString prefix = QStringLiteral(":/qt/qml/org/vyr/quilt/impl/shaders/");
    return prefix;
}

void writeFloats(std::span<char> target, qsizetype word, const float* values, qsizetype count)
{
    std::memcpy(target.data() + word * 4, values, count * sizeof(float));
}
} // namespace

void writeUniformBlock(std::span<char> target, std::span<const char> source, const QMatrix4x4& matrix, float opacity,
                       const QRectF& viewport)
{
    const std::size_t bytes = std::min(target.size(), source.size());
    if (bytes > 0) {
        std::memcpy(target.data(), source.data(), bytes);
    }

    const qsizetype words = qsizetype(target.size() / 4);
    for (qsizetype i = 0; i < words; ++i) {
        std::uint32_t word;
        std::memcpy(&word, target.data() + i * 4, sizeof(word));
        if (word == ViewportMarker && i + 4 <= words) {
            const float values[4]
                = { float(viewport.x()), float(viewport.y()), float(viewport.width()), float(viewport.height()) };
            writeFloats(target, i, values, 4);
        } else if (word == OpacityMarker) {
            writeFloats(target, i, &opacity, 1);
        } else if (word == MatrixMarker && i + 16 <= words) {
            writeFloats(target, i, matrix.constData(), 16);
        }
    }
}

ShaderMaterial::ShaderMaterial(const QString& name)
    : m_name(name)
    , m_type(typeForName(name))
{
    setFlag(Blending);
}

ShaderMaterial::ShaderMaterial(QSGMaterialType* type)
    : m_name(nameForType(type))
    , m_type(type)
{
    setFlag(Blending);
}

ShaderMaterial::~ShaderMaterial() = default;

QSGMaterialType* ShaderMaterial::typeForName(const QString& name)
{
    auto& r = registry();
    QMutexLocker locker(&r.mutex);
    auto& type = r.types[name];
    if (!type) {
        type = std::make_unique<QSGMaterialType>();
    }
    return type.get();
}

QString ShaderMaterial::nameForType(QSGMaterialType* type)
{
    auto& r = registry();
    QMutexLocker locker(&r.mutex);
    for (const auto& [name, candidate] : r.types) {
        if (candidate.get() == type) {
            return name;
        }
    }
    return {};
}

QString ShaderMaterial::name() const
{
    return m_name;
}

QSGMaterialType* ShaderMaterial::type() const
{
    return m_type;
}

QSGMaterialShader* ShaderMaterial::createShader(QSGRendererInterface::RenderMode) const
{
    return new ShaderMaterialShader(m_name);
}

int ShaderMaterial::compare(const QSGMaterial* other) const
{
    auto material = static_cast<const ShaderMaterial*>(other);
    if (m_uniformData.size() == material->m_uniformData.size()
        && (m_uniformData.isEmpty()
            || std::memcmp(m_uniformData.constData(), material->m_uniformData.constData(), m_uniformData.size()) == 0)
        && m_textures == material->m_textures) {
        return 0;
    }
    return QSGMaterial::compare(other);
}

void ShaderMaterial::setUniformDataSize(qsizetype size)
{
    if (size == m_uniformData.size()) {
        return;
    }
    m_uniformData = QByteArray(size, '\0');
}

std::span<char> ShaderMaterial::uniformData()
{
    if (m_uniformData.isEmpty()) {
        return {};
    }
    return { m_uniformData.data(), std::size_t(m_uniformData.size()) };
}

QByteArray ShaderMaterial::uniformBytes() const
{
    return m_uniformData;
}

QSGTexture* ShaderMaterial::texture(int binding) const
{
    return m_textures.value(binding);
}

void ShaderMaterial::setTexture(int binding, QSGTexture* texture)
{
    m_textures.insert(binding, texture);
}

ShaderMaterialShader::ShaderMaterialShader(const QString& name)
{
    setShaderFileName(VertexStage, shaderPrefix() + name + QLatin1String(".vert.qsb"));
    setShaderFileName(FragmentStage, shaderPrefix() + name + QLatin1String(".frag.qsb"));
}

ShaderMaterialShader::~ShaderMaterialShader() = default;

bool ShaderMaterialShader::updateUniformData(RenderState& state, QSGMaterial* newMaterial, QSGMaterial*)
{
    // Always rewrite the block: the renderer keeps one staging buffer per
    // shader, and a batch whose buffer is new takes what it holds, so skipping
    // an equal material would hand it the matrix and opacity of another batch.
    QByteArray* buffer = state.uniformData();
    const QByteArray source = static_cast<ShaderMaterial*>(newMaterial)->uniformBytes();
    std::span<char> target(buffer->data(), std::size_t(buffer->size()));
    writeUniformBlock(target, { source.constData(), std::size_t(source.size()) }, state.combinedMatrix(),
                      state.opacity(), QRectF(state.viewportRect()));
    return true;
}

void ShaderMaterialShader::updateSampledImage(RenderState& state, int binding, QSGTexture** texture,
                                              QSGMaterial* newMaterial, QSGMaterial*)
{
    QSGTexture* t = static_cast<ShaderMaterial*>(newMaterial)->texture(binding);
    if (t) {
        t->commitTextureOperations(state.rhi(), state.resourceUpdateBatch());
    }
    *texture = t;
}
} // namespace Quilt::Quick
