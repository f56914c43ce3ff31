#pragma once

#include "quiltglobal.h"

#include <QColor>
#include <QExplicitlySharedDataPointer>
#include <QList>
#include <QMetaType>
#include <QSharedData>
#include <QString>

#include <optional>

class QDataStream;
class QDebug;

namespace Quilt
{

// A resolved colour: four 8-bit channels, in this order.
struct Rgba
{
    quint8 r = 0;
    quint8 g = 0;
    quint8 b = 0;
    quint8 a = 0;

    friend constexpr bool operator==(const Rgba&, const Rgba&) = default;
};

// The payload of a colour: one node of an immutable expression tree. Nodes are
// made inside libQuilt and shared between colours; the virtual destructor lets
// the last holder release one from any binary.
class QUILT_EXPORT ColorData : public QSharedData
{
public:
    explicit ColorData(int type);
    virtual ~ColorData();

    // A new node of kind Rgba holding the resolved colour, or null when the
    // expression cannot be resolved. The caller adopts it (reference count 0).
    virtual ColorData* toRgba() const = 0;
    // The payload's text, without the "Color(" wrapper.
    virtual QString toString() const = 0;
    // Payload equality; only called with a node of the same kind.
    virtual bool equals(const ColorData* other) const = 0;

    // A value of Color::Type.
    qint32 type;

protected:
    ColorData(const ColorData&) = default;
    ColorData& operator=(const ColorData&) = delete;
};

// A colour of a style: an expression over RGBA values and custom colours,
// resolved only when asked for, so custom colours always give the provider's
// current answer.
class QUILT_EXPORT Color
{
public:
    enum Type : qint32
    {
        Empty = 0,
        Rgba = 1,
        Custom = 2,
        Add = 3,
        Subtract = 4,
        Multiply = 5,
        Set = 6,
        Mix = 7,
    };

    Color() = default;
    explicit Color(ColorData* data);
    Color(const Color& other) = default;
    Color(Color&& other) noexcept = default;
    ~Color() = default;

    Color& operator=(const Color& other) = default;
    // Exchanges the data: the source colour ends up holding this colour's former data.
    Color& operator=(Color&& other) noexcept
    {
        d.swap(other.d);
        return *this;
    }

    bool operator==(const Color& other) const;

    bool isValid() const { return d.data() != nullptr; }
    // The shared payload: equal for copies of one colour, so a caller can
    // keep what it resolved from it while it holds a copy.
    const ColorData* data() const { return d.data(); }
    Type type() const;

    // The channels of a colour of kind Rgba; 0 for every other kind. They do
    // not resolve expressions.
    int red() const;
    int green() const;
    int blue() const;
    int alpha() const;

    Color toRgba() const;
    QColor toQColor() const;
    QString toString() const;

    static Color rgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a);
    static Color custom(const QString& source, const QList<QString>& arguments);
    static Color add(const Color& color, const Color& other);
    static Color subtract(const Color& color, const Color& other);
    static Color multiply(const Color& color, const Color& other);
    static Color set(const Color& color, std::optional<unsigned char> r, std::optional<unsigned char> g,
                     std::optional<unsigned char> b, std::optional<unsigned char> a);
    static Color mix(const Color& color, const Color& other, double amount);

private:
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const Color& color);

    QExplicitlySharedDataPointer<ColorData> d;
};

// Declared in the namespace so that Qt's meta type finds them by argument-dependent lookup.
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const Color& color);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, Color& color);
QUILT_EXPORT QDebug& operator<<(QDebug& debug, const Color& color);

} // namespace Quilt

Q_DECLARE_METATYPE(Quilt::Color)
