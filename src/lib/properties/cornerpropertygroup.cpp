#include "cornerpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class CornerPropertyGroupPrivate : public detail::GroupData<CornerPropertyGroup::Slots>
{ };

CornerPropertyGroup::CornerPropertyGroup()
    : d(std::make_unique<CornerPropertyGroupPrivate>())
{ }

CornerPropertyGroup::CornerPropertyGroup(const CornerPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

CornerPropertyGroup::CornerPropertyGroup(CornerPropertyGroup&& other) noexcept = default;
CornerPropertyGroup::~CornerPropertyGroup() = default;

CornerPropertyGroup& CornerPropertyGroup::operator=(const CornerPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

CornerPropertyGroup& CornerPropertyGroup::operator=(CornerPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<double> CornerPropertyGroup::radius() const
{
    return d->get<"radius">();
}

void CornerPropertyGroup::setRadius(const std::optional<double>& radius)
{
    d->set<"radius">(radius);
}

bool CornerPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool CornerPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString CornerPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void CornerPropertyGroup::resolveProperties(const CornerPropertyGroup* source, CornerPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<CornerPropertyGroup> CornerPropertyGroup::empty()
{
    auto group = std::make_unique<CornerPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const CornerPropertyGroup& a, const CornerPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const CornerPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const CornerPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        CornerPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<CornerPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<CornerPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::CornerPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::CornerPropertyGroup>();
    group->d->readFrom(reader, colors);
}
