#pragma once

#include <QColor>
#include <QRectF>
#include <QVector2D>
#include <QVector4D>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

namespace Quilt::Quick
{
// What every node of the library derives from the rectangle it draws: lengths
// in pixels enter the uniform blocks divided by f, and the shape coordinates
// span `aspect` on either side of the centre.
struct ShapeMetrics
{
    float f = 1e-4f;
    QVector2D aspect { 1.0f, 1.0f };

    static ShapeMetrics of(const QSizeF& size)
    {
        const double w = size.width();
        const double h = size.height();
        ShapeMetrics m;
        m.f = std::max(float(std::min(w, h)), 1e-4f);
        m.aspect = w > h ? QVector2D(float(w / h), 1.0f) : QVector2D(1.0f, float(h / w));
        return m;
    }
};

inline QVector4D premultipliedColor(const QColor& color)
{
    if (!color.isValid()) {
        return {};
    }
    const float alpha = color.alphaF();
    const QColor result = QColor::fromRgbF(color.redF() * alpha, color.greenF() * alpha, color.blueF() * alpha, alpha);
    float r, g, b, a;
    result.getRgbF(&r, &g, &b, &a);
    return { r, g, b, a };
}

// Writes the values of a uniform block at byte offsets; writes that do not
// fit are dropped.
class UniformWriter
{
public:
    explicit UniformWriter(std::span<char> data)
        : m_data(data)
    { }

    void word(std::size_t offset, std::uint32_t value) { write(offset, &value, sizeof(value)); }
    void scalar(std::size_t offset, float value) { write(offset, &value, sizeof(value)); }
    void vec2(std::size_t offset, const QVector2D& value)
    {
        const float v[2] = { value.x(), value.y() };
        write(offset, v, sizeof(v));
    }
    void vec4(std::size_t offset, const QVector4D& value)
    {
        const float v[4] = { value.x(), value.y(), value.z(), value.w() };
        write(offset, v, sizeof(v));
    }

private:
    void write(std::size_t offset, const void* value, std::size_t size)
    {
        if (offset + size <= m_data.size()) {
            std::memcpy(m_data.data() + offset, value, size);
        }
    }

    std::span<char> m_data;
};
} // namespace Quilt::Quick
