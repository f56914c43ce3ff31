#include "outlinepropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class OutlinePropertyGroupPrivate : public detail::GroupData<OutlinePropertyGroup::Slots>
{ };

OutlinePropertyGroup::OutlinePropertyGroup()
    : d(std::make_unique<OutlinePropertyGroupPrivate>())
{ }

OutlinePropertyGroup::OutlinePropertyGroup(const OutlinePropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

OutlinePropertyGroup::OutlinePropertyGroup(OutlinePropertyGroup&& other) noexcept = default;
OutlinePropertyGroup::~OutlinePropertyGroup() = default;

OutlinePropertyGroup& OutlinePropertyGroup::operator=(const OutlinePropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

OutlinePropertyGroup& OutlinePropertyGroup::operator=(OutlinePropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

LinePropertyGroup* OutlinePropertyGroup::left() const
{
    return d->get<"left">();
}

void OutlinePropertyGroup::setLeft(std::unique_ptr<LinePropertyGroup>&& left)
{
    d->set<"left">(std::move(left));
}

LinePropertyGroup* OutlinePropertyGroup::right() const
{
    return d->get<"right">();
}

void OutlinePropertyGroup::setRight(std::unique_ptr<LinePropertyGroup>&& right)
{
    d->set<"right">(std::move(right));
}

LinePropertyGroup* OutlinePropertyGroup::top() const
{
    return d->get<"top">();
}

void OutlinePropertyGroup::setTop(std::unique_ptr<LinePropertyGroup>&& top)
{
    d->set<"top">(std::move(top));
}

LinePropertyGroup* OutlinePropertyGroup::bottom() const
{
    return d->get<"bottom">();
}

void OutlinePropertyGroup::setBottom(std::unique_ptr<LinePropertyGroup>&& bottom)
{
    d->set<"bottom">(std::move(bottom));
}

bool OutlinePropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool OutlinePropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString OutlinePropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void OutlinePropertyGroup::resolveProperties(const OutlinePropertyGroup* source, OutlinePropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<OutlinePropertyGroup> OutlinePropertyGroup::empty()
{
    auto group = std::make_unique<OutlinePropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const OutlinePropertyGroup& a, const OutlinePropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const OutlinePropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const OutlinePropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        OutlinePropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<OutlinePropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<OutlinePropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::OutlinePropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::OutlinePropertyGroup>();
    group->d->readFrom(reader, colors);
}
