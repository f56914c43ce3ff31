#include "offsetpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class OffsetPropertyGroupPrivate : public detail::GroupData<OffsetPropertyGroup::Slots>
{ };

OffsetPropertyGroup::OffsetPropertyGroup()
    : d(std::make_unique<OffsetPropertyGroupPrivate>())
{ }

OffsetPropertyGroup::OffsetPropertyGroup(const OffsetPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

OffsetPropertyGroup::OffsetPropertyGroup(OffsetPropertyGroup&& other) noexcept = default;
OffsetPropertyGroup::~OffsetPropertyGroup() = default;

OffsetPropertyGroup& OffsetPropertyGroup::operator=(const OffsetPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

OffsetPropertyGroup& OffsetPropertyGroup::operator=(OffsetPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<double> OffsetPropertyGroup::horizontal() const
{
    return d->get<"horizontal">();
}

void OffsetPropertyGroup::setHorizontal(const std::optional<double>& horizontal)
{
    d->set<"horizontal">(horizontal);
}

std::optional<double> OffsetPropertyGroup::vertical() const
{
    return d->get<"vertical">();
}

void OffsetPropertyGroup::setVertical(const std::optional<double>& vertical)
{
    d->set<"vertical">(vertical);
}

QVector2D OffsetPropertyGroup::toVector2D() const
{
    return QVector2D(float(horizontal().value_or(0.0)), float(vertical().value_or(0.0)));
}

bool OffsetPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool OffsetPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString OffsetPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void OffsetPropertyGroup::resolveProperties(const OffsetPropertyGroup* source, OffsetPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<OffsetPropertyGroup> OffsetPropertyGroup::empty()
{
    auto group = std::make_unique<OffsetPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const OffsetPropertyGroup& a, const OffsetPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const OffsetPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const OffsetPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        OffsetPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<OffsetPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<OffsetPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::OffsetPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::OffsetPropertyGroup>();
    group->d->readFrom(reader, colors);
}
