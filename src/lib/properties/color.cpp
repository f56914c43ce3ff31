#include "color.h"
#include "bytereader_p.h"
#include "color_p.h"
#include "colorprovider_p.h"
#include "streamreaders_p.h"

#include <QDataStream>
#include <QDebug>

#include <algorithm>
#include <cmath>

namespace Quilt
{

namespace
{

// Operand colours read from a stream nest at most this deep; anything deeper
// is taken for a corrupt stream rather than risking the stack.
constexpr int MaxOperandDepth = 64;

// Registered at load time so that a QVariant holding a colour can be read
// back from a stream, which looks the type up by its name.
const int colorMetaTypeId = qRegisterMetaType<Quilt::Color>("Quilt::Color");

// The channels of an operand; an operand without a colour counts as 0 in all.
Quilt::Rgba channels(const Color& color)
{
    const Color resolved = color.toRgba();
    return { quint8(resolved.red()), quint8(resolved.green()), quint8(resolved.blue()), quint8(resolved.alpha()) };
}

template<typename Operation> ColorData* combine(const Color& color, const Color& other, Operation operation)
{
    const Quilt::Rgba c = channels(color);
    const Quilt::Rgba o = channels(other);
    return new RgbaData(operation(c.r, o.r), operation(c.g, o.g), operation(c.b, o.b), operation(c.a, o.a));
}

QString channelText(const std::optional<quint8>& channel)
{
    return channel ? QString::number(*channel) : QStringLiteral("None");
}

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1000000000000. <= std::min(std::abs(a), std::abs(b));
}

double boundedAmount(double amount)
{
    if (std::isnan(amount)) {
        return 0.0;
    }
    return std::clamp(amount, 0.0, 1.0);
}

void writeChannel(QDataStream& stream, const std::optional<quint8>& channel)
{
    stream << quint8(channel ? 1 : 0);
    if (channel) {
        stream << *channel;
    }
}

std::optional<quint8> readChannel(QDataStream& stream)
{
    quint8 present = 0;
    stream >> present;
    if (!present) {
        return std::nullopt;
    }
    quint8 value = 0;
    stream >> value;
    return value;
}

// Reads a string list in Qt's form without reserving room for the count the
// stream claims: a corrupt count must not turn into a huge allocation.
void readStringList(QDataStream& stream, QStringList& list)
{
    list.clear();
    // From Qt 6.7 on, a count that does not fit in 32 bits follows this marker.
    constexpr quint32 extendedSize = 0xfffffffeu;
    quint32 count32 = 0;
    stream >> count32;
    qint64 count = count32;
    if (count32 == extendedSize && stream.version() >= QDataStream::Qt_6_7) {
        stream >> count;
    }
    if (count < 0) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString item;
        stream >> item;
        if (stream.status() == QDataStream::Ok) {
            list.append(item);
        }
    }
}

void readColor(QDataStream& stream, Color& color, int depth);

// Reads one operand one level deeper; false once the stream is not Ok.
bool readOperand(QDataStream& stream, Color& operand, int depth)
{
    if (depth + 1 > MaxOperandDepth) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    readColor(stream, operand, depth + 1);
    return stream.status() == QDataStream::Ok;
}

// Leaves the target unchanged unless a whole colour was read.
void readColor(QDataStream& stream, Color& color, int depth)
{
    qint32 tag = 0;
    stream >> tag;
    if (stream.status() != QDataStream::Ok) {
        return;
    }

    switch (tag) {
    case Color::Empty:
        color = Color();
        return;
    case Color::Rgba: {
        quint8 r = 0, g = 0, b = 0, a = 0;
        stream >> r >> g >> b >> a;
        if (stream.status() == QDataStream::Ok) {
            color = Color::rgba(r, g, b, a);
        }
        return;
    }
    case Color::Custom: {
        QString source;
        QStringList arguments;
        stream >> source;
        if (stream.status() != QDataStream::Ok) {
            return;
        }
        readStringList(stream, arguments);
        if (stream.status() == QDataStream::Ok) {
            color = Color::custom(source, arguments);
        }
        return;
    }
    case Color::Add:
    case Color::Subtract:
    case Color::Multiply: {
        Color first;
        Color second;
        if (!readOperand(stream, first, depth) || !readOperand(stream, second, depth)) {
            return;
        }
        if (tag == Color::Add) {
            color = Color::add(first, second);
        } else if (tag == Color::Subtract) {
            color = Color::subtract(first, second);
        } else {
            color = Color::multiply(first, second);
        }
        return;
    }
    case Color::Set: {
        Color base;
        if (!readOperand(stream, base, depth)) {
            return;
        }
        const std::optional<quint8> r = readChannel(stream);
        const std::optional<quint8> g = readChannel(stream);
        const std::optional<quint8> b = readChannel(stream);
        const std::optional<quint8> a = readChannel(stream);
        if (stream.status() == QDataStream::Ok) {
            color = Color::set(base, r, g, b, a);
        }
        return;
    }
    case Color::Mix: {
        Color first;
        Color second;
        if (!readOperand(stream, first, depth) || !readOperand(stream, second, depth)) {
            return;
        }
        double amount = 0.0;
        stream >> amount;
        if (stream.status() == QDataStream::Ok) {
            color = Color::mix(first, second, amount);
        }
        return;
    }
    default:
        // Without knowing the kind, the rest of the stream cannot be read in step.
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
}

// The count in front of a stored string list, as readStringList() takes it.
qint64 readStringListCount(detail::ByteReader& reader)
{
    const quint32 count32 = reader.read<quint32>();
    qint64 count = count32;
    if (count32 == 0xfffffffeu) {
        count = reader.read<qint64>();
    }
    if (reader.ok() && count < 0) {
        reader.fail(QDataStream::ReadCorruptData);
    }
    return reader.ok() ? count : 0;
}

void skipColorAt(detail::ByteReader& reader, int depth);

void skipOperand(detail::ByteReader& reader, int depth)
{
    if (depth + 1 > MaxOperandDepth) {
        reader.fail(QDataStream::ReadCorruptData);
        return;
    }
    skipColorAt(reader, depth + 1);
}

void skipChannel(detail::ByteReader& reader)
{
    if (reader.read<quint8>() != 0) {
        reader.skip(1);
    }
}

void skipColorAt(detail::ByteReader& reader, int depth)
{
    const qint32 tag = reader.read<qint32>();
    if (!reader.ok()) {
        return;
    }
    switch (tag) {
    case Color::Empty:
        return;
    case Color::Rgba:
        reader.skip(4);
        return;
    case Color::Custom: {
        reader.skipString();
        const qint64 count = readStringListCount(reader);
        for (qint64 i = 0; i < count && reader.ok(); ++i) {
            reader.skipString();
        }
        return;
    }
    case Color::Add:
    case Color::Subtract:
    case Color::Multiply:
        skipOperand(reader, depth);
        skipOperand(reader, depth);
        return;
    case Color::Set:
        skipOperand(reader, depth);
        for (int channel = 0; channel < 4; ++channel) {
            skipChannel(reader);
        }
        return;
    case Color::Mix:
        skipOperand(reader, depth);
        skipOperand(reader, depth);
        reader.skip(8);
        return;
    default:
        reader.fail(QDataStream::ReadCorruptData);
        return;
    }
}

std::optional<quint8> readChannel(detail::ByteReader& reader)
{
    if (reader.read<quint8>() == 0) {
        return std::nullopt;
    }
    return reader.read<quint8>();
}

void readColorAt(detail::ByteReader& reader, Color& color, int depth, detail::ColorPool* colors);

bool readOperand(detail::ByteReader& reader, Color& operand, int depth, detail::ColorPool* colors)
{
    if (depth + 1 > MaxOperandDepth) {
        reader.fail(QDataStream::ReadCorruptData);
        return false;
    }
    readColorAt(reader, operand, depth + 1, colors);
    return reader.ok();
}

// Builds the colour stored at the reader's position.
void buildColor(detail::ByteReader& reader, Color& color, int depth, detail::ColorPool* colors)
{
    const qint32 tag = reader.read<qint32>();
    if (!reader.ok()) {
        return;
    }
    switch (tag) {
    case Color::Empty:
        color = Color();
        return;
    case Color::Rgba: {
        const quint8 r = reader.read<quint8>();
        const quint8 g = reader.read<quint8>();
        const quint8 b = reader.read<quint8>();
        const quint8 a = reader.read<quint8>();
        if (reader.ok()) {
            color = Color::rgba(r, g, b, a);
        }
        return;
    }
    case Color::Custom: {
        QString source;
        reader.readString(source);
        const qint64 count = readStringListCount(reader);
        QStringList arguments;
        for (qint64 i = 0; i < count && reader.ok(); ++i) {
            QString item;
            reader.readString(item);
            if (reader.ok()) {
                arguments.append(item);
            }
        }
        if (reader.ok()) {
            color = Color::custom(source, arguments);
        }
        return;
    }
    case Color::Add:
    case Color::Subtract:
    case Color::Multiply: {
        Color first;
        Color second;
        if (!readOperand(reader, first, depth, colors) || !readOperand(reader, second, depth, colors)) {
            return;
        }
        if (tag == Color::Add) {
            color = Color::add(first, second);
        } else if (tag == Color::Subtract) {
            color = Color::subtract(first, second);
        } else {
            color = Color::multiply(first, second);
        }
        return;
    }
    case Color::Set: {
        Color base;
        if (!readOperand(reader, base, depth, colors)) {
            return;
        }
        const std::optional<quint8> r = readChannel(reader);
        const std::optional<quint8> g = readChannel(reader);
        const std::optional<quint8> b = readChannel(reader);
        const std::optional<quint8> a = readChannel(reader);
        if (reader.ok()) {
            color = Color::set(base, r, g, b, a);
        }
        return;
    }
    case Color::Mix: {
        Color first;
        Color second;
        if (!readOperand(reader, first, depth, colors) || !readOperand(reader, second, depth, colors)) {
            return;
        }
        const double amount = reader.readDouble();
        if (reader.ok()) {
            color = Color::mix(first, second, amount);
        }
        return;
    }
    default:
        reader.fail(QDataStream::ReadCorruptData);
        return;
    }
}

void readColorAt(detail::ByteReader& reader, Color& color, int depth, detail::ColorPool* colors)
{
    if (!colors) {
        buildColor(reader, color, depth, colors);
        return;
    }
    // Found by its bytes: a colour stored before is shared, not built again.
    const qint64 start = reader.position();
    skipColorAt(reader, depth);
    if (!reader.ok()) {
        return;
    }
    const qint64 end = reader.position();
    const QByteArrayView stored = reader.span(start, end);
    const auto known = colors->constFind(stored);
    if (known != colors->cend()) {
        color = *known;
        return;
    }
    reader.rewind(start);
    Color built;
    buildColor(reader, built, depth, colors);
    if (reader.ok()) {
        colors->insert(stored, built);
        color = built;
    }
}

} // namespace

namespace detail
{
void readColor(ByteReader& reader, Color& color, ColorPool* colors)
{
    readColorAt(reader, color, 0, colors);
}

void skipColor(ByteReader& reader)
{
    skipColorAt(reader, 0);
}
} // namespace detail

// ColorData

ColorData::ColorData(int type)
    : type(type)
{ }

ColorData::~ColorData() = default;

// RgbaData

RgbaData::RgbaData(quint8 r, quint8 g, quint8 b, quint8 a)
    : ColorData(Color::Rgba)
    , value { r, g, b, a }
{ }

RgbaData::RgbaData(const Quilt::Rgba& value)
    : ColorData(Color::Rgba)
    , value(value)
{ }

ColorData* RgbaData::toRgba() const
{
    return new RgbaData(value);
}

QString RgbaData::toString() const
{
    return QStringLiteral("RGBA, %1, %2, %3, %4").arg(value.r).arg(value.g).arg(value.b).arg(value.a);
}

bool RgbaData::equals(const ColorData* other) const
{
    return value == static_cast<const RgbaData*>(other)->value;
}

// CustomData

CustomData::CustomData(const QString& source, const QStringList& arguments)
    : ColorData(Color::Custom)
    , source(source)
    , arguments(arguments)
{ }

ColorData* CustomData::toRgba() const
{
    const std::optional<Quilt::Rgba> resolved = resolveCustomColor(source, arguments);
    return resolved ? new RgbaData(*resolved) : nullptr;
}

QString CustomData::toString() const
{
    return QStringLiteral("Custom, source: %1, arguments: %2").arg(source, arguments.join(QStringLiteral(", ")));
}

bool CustomData::equals(const ColorData* other) const
{
    const auto* custom = static_cast<const CustomData*>(other);
    return source == custom->source && arguments == custom->arguments;
}

// ColorOperationData and the binary operations

ColorOperationData::ColorOperationData(int type, const Color& color, const Color& other)
    : ColorData(type)
    , color(color)
    , other(other)
{ }

ColorOperationData::~ColorOperationData() = default;

bool ColorOperationData::equals(const ColorData* other) const
{
    const auto* operation = static_cast<const ColorOperationData*>(other);
    return color == operation->color && this->other == operation->other;
}

AddOperationData::AddOperationData(const Color& color, const Color& other)
    : ColorOperationData(Color::Add, color, other)
{ }

ColorData* AddOperationData::toRgba() const
{
    return combine(color, other, [](int c, int o) { return quint8(std::min(c + o, 255)); });
}

QString AddOperationData::toString() const
{
    return QStringLiteral("Add, color: %1, other: %2").arg(color.toString(), other.toString());
}

SubtractOperationData::SubtractOperationData(const Color& color, const Color& other)
    : ColorOperationData(Color::Subtract, color, other)
{ }

ColorData* SubtractOperationData::toRgba() const
{
    return combine(color, other, [](int c, int o) { return quint8(c > o ? c - o : 0); });
}

QString SubtractOperationData::toString() const
{
    return QStringLiteral("Subtract, color: %1, other: %2").arg(color.toString(), other.toString());
}

MultiplyOperationData::MultiplyOperationData(const Color& color, const Color& other)
    : ColorOperationData(Color::Multiply, color, other)
{ }

ColorData* MultiplyOperationData::toRgba() const
{
    // Evaluated in this order and truncated on purpose: stored styles were
    // tuned against these values, which differ from exact integer maths for
    // some pairs (17 and 195 give 12, not 13).
    return combine(color, other, [](int c, int o) {
        const double product = (c / 255.0) * (o / 255.0) * 255.0;
        return quint8(std::clamp(int(product), 0, 255));
    });
}

QString MultiplyOperationData::toString() const
{
    return QStringLiteral("Multiply, color: %1, other: %2").arg(color.toString(), other.toString());
}

// SetOperationData

SetOperationData::SetOperationData(const Color& color, std::optional<quint8> r, std::optional<quint8> g,
                                   std::optional<quint8> b, std::optional<quint8> a)
    : ColorData(Color::Set)
    , color(color)
    , r(r)
    , g(g)
    , b(b)
    , a(a)
{ }

ColorData* SetOperationData::toRgba() const
{
    const Quilt::Rgba base = channels(color);
    return new RgbaData(r.value_or(base.r), g.value_or(base.g), b.value_or(base.b), a.value_or(base.a));
}

QString SetOperationData::toString() const
{
    return QStringLiteral("Set, color: %1, r: %2, g: %3, b: %4, a: %5")
        .arg(color.toString(), channelText(r), channelText(g), channelText(b), channelText(a));
}

bool SetOperationData::equals(const ColorData* other) const
{
    const auto* set = static_cast<const SetOperationData*>(other);
    return color == set->color && r == set->r && g == set->g && b == set->b && a == set->a;
}

// MixOperationData

MixOperationData::MixOperationData(const Color& color, const Color& other, double amount)
    : ColorData(Color::Mix)
    , color(color)
    , other(other)
    , amount(boundedAmount(amount))
{ }

ColorData* MixOperationData::toRgba() const
{
    const double keep = 1.0 - amount;
    const double take = amount;
    return combine(color, other, [keep, take](int c, int o) { return quint8(int(c * keep + o * take)); });
}

QString MixOperationData::toString() const
{
    return QStringLiteral("Mix, color: %1, other: %2, amount: %3")
        .arg(color.toString(), other.toString(), QString::number(amount, 'g', 6));
}

bool MixOperationData::equals(const ColorData* other) const
{
    const auto* mix = static_cast<const MixOperationData*>(other);
    return color == mix->color && this->other == mix->other && fuzzyEqual(amount, mix->amount);
}

// Color

Color::Color(ColorData* data)
    : d(data)
{ }

bool Color::operator==(const Color& other) const
{
    if (d == other.d) {
        return true;
    }
    if (!d || !other.d) {
        return false;
    }
    return d->type == other.d->type && d->equals(other.d.data());
}

Color::Type Color::type() const
{
    return d ? Type(d->type) : Empty;
}

int Color::red() const
{
    return type() == Rgba ? static_cast<const RgbaData*>(d.data())->value.r : 0;
}

int Color::green() const
{
    return type() == Rgba ? static_cast<const RgbaData*>(d.data())->value.g : 0;
}

int Color::blue() const
{
    return type() == Rgba ? static_cast<const RgbaData*>(d.data())->value.b : 0;
}

int Color::alpha() const
{
    return type() == Rgba ? static_cast<const RgbaData*>(d.data())->value.a : 0;
}

Color Color::toRgba() const
{
    if (!d || d->type == Rgba) {
        return *this;
    }
    return Color(d->toRgba());
}

QColor Color::toQColor() const
{
    const Color resolved = toRgba();
    if (!resolved.isValid()) {
        return QColor(Qt::transparent);
    }
    return QColor(resolved.red(), resolved.green(), resolved.blue(), resolved.alpha());
}

QString Color::toString() const
{
    if (!d) {
        return QStringLiteral("Color(Empty)");
    }
    return QStringLiteral("Color(") + d->toString() + QLatin1Char(')');
}

Color Color::rgba(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    return Color(new RgbaData(r, g, b, a));
}

Color Color::custom(const QString& source, const QList<QString>& arguments)
{
    ensureColorProviderRegistry();
    return Color(new CustomData(source, arguments));
}

Color Color::add(const Color& color, const Color& other)
{
    return Color(new AddOperationData(color, other));
}

Color Color::subtract(const Color& color, const Color& other)
{
    return Color(new SubtractOperationData(color, other));
}

Color Color::multiply(const Color& color, const Color& other)
{
    return Color(new MultiplyOperationData(color, other));
}

Color Color::set(const Color& color, std::optional<unsigned char> r, std::optional<unsigned char> g,
                 std::optional<unsigned char> b, std::optional<unsigned char> a)
{
    return Color(new SetOperationData(color, r, g, b, a));
}

Color Color::mix(const Color& color, const Color& other, double amount)
{
    return Color(new MixOperationData(color, other, amount));
}

// Stream and debug forms

QDataStream& operator<<(QDataStream& stream, const Color& color)
{
    const ColorData* data = color.d.data();
    stream << qint32(color.type());
    switch (color.type()) {
    case Color::Empty:
        break;
    case Color::Rgba: {
        const auto* rgba = static_cast<const RgbaData*>(data);
        stream << rgba->value.r << rgba->value.g << rgba->value.b << rgba->value.a;
        break;
    }
    case Color::Custom: {
        const auto* custom = static_cast<const CustomData*>(data);
        stream << custom->source << custom->arguments;
        break;
    }
    case Color::Add:
    case Color::Subtract:
    case Color::Multiply: {
        const auto* operation = static_cast<const ColorOperationData*>(data);
        stream << operation->color << operation->other;
        break;
    }
    case Color::Set: {
        const auto* set = static_cast<const SetOperationData*>(data);
        stream << set->color;
        writeChannel(stream, set->r);
        writeChannel(stream, set->g);
        writeChannel(stream, set->b);
        writeChannel(stream, set->a);
        break;
    }
    case Color::Mix: {
        const auto* mix = static_cast<const MixOperationData*>(data);
        stream << mix->color << mix->other << mix->amount;
        break;
    }
    }
    return stream;
}

QDataStream& operator>>(QDataStream& stream, Color& color)
{
    readColor(stream, color, 0);
    return stream;
}

QDebug& operator<<(QDebug& debug, const Color& color)
{
    debug << color.toString();
    return debug;
}

} // namespace Quilt
