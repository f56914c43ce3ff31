#include "linepropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class LinePropertyGroupPrivate : public detail::GroupData<LinePropertyGroup::Slots>
{ };

LinePropertyGroup::LinePropertyGroup()
    : d(std::make_unique<LinePropertyGroupPrivate>())
{ }

LinePropertyGroup::LinePropertyGroup(const LinePropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

LinePropertyGroup::LinePropertyGroup(LinePropertyGroup&& other) noexcept = default;
LinePropertyGroup::~LinePropertyGroup() = default;

LinePropertyGroup& LinePropertyGroup::operator=(const LinePropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

LinePropertyGroup& LinePropertyGroup::operator=(LinePropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<double> LinePropertyGroup::size() const
{
    return d->get<"size">();
}

void LinePropertyGroup::setSize(const std::optional<double>& size)
{
    d->set<"size">(size);
}

std::optional<Color> LinePropertyGroup::color() const
{
    return d->get<"color">();
}

void LinePropertyGroup::setColor(const std::optional<Color>& color)
{
    d->set<"color">(color);
}

std::optional<LineStyle> LinePropertyGroup::style() const
{
    return d->get<"style">();
}

void LinePropertyGroup::setStyle(const std::optional<LineStyle>& style)
{
    d->set<"style">(style);
}

bool LinePropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool LinePropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString LinePropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void LinePropertyGroup::resolveProperties(const LinePropertyGroup* source, LinePropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<LinePropertyGroup> LinePropertyGroup::empty()
{
    auto group = std::make_unique<LinePropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const LinePropertyGroup& a, const LinePropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const LinePropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const LinePropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        LinePropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<LinePropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<LinePropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::LinePropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::LinePropertyGroup>();
    group->d->readFrom(reader, colors);
}
