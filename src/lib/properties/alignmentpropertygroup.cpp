#include "alignmentpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class AlignmentPropertyGroupPrivate : public detail::GroupData<AlignmentPropertyGroup::Slots>
{ };

AlignmentPropertyGroup::AlignmentPropertyGroup()
    : d(std::make_unique<AlignmentPropertyGroupPrivate>())
{ }

AlignmentPropertyGroup::AlignmentPropertyGroup(const AlignmentPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

AlignmentPropertyGroup::AlignmentPropertyGroup(AlignmentPropertyGroup&& other) noexcept = default;
AlignmentPropertyGroup::~AlignmentPropertyGroup() = default;

AlignmentPropertyGroup& AlignmentPropertyGroup::operator=(const AlignmentPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

AlignmentPropertyGroup& AlignmentPropertyGroup::operator=(AlignmentPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<AlignmentContainer> AlignmentPropertyGroup::container() const
{
    return d->get<"container">();
}

void AlignmentPropertyGroup::setContainer(const std::optional<AlignmentContainer>& container)
{
    d->set<"container">(container);
}

std::optional<Alignment> AlignmentPropertyGroup::horizontal() const
{
    return d->get<"horizontal">();
}

void AlignmentPropertyGroup::setHorizontal(const std::optional<Alignment>& horizontal)
{
    d->set<"horizontal">(horizontal);
}

std::optional<Alignment> AlignmentPropertyGroup::vertical() const
{
    return d->get<"vertical">();
}

void AlignmentPropertyGroup::setVertical(const std::optional<Alignment>& vertical)
{
    d->set<"vertical">(vertical);
}

std::optional<int> AlignmentPropertyGroup::order() const
{
    return d->get<"order">();
}

void AlignmentPropertyGroup::setOrder(const std::optional<int>& order)
{
    d->set<"order">(order);
}

bool AlignmentPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool AlignmentPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString AlignmentPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void AlignmentPropertyGroup::resolveProperties(const AlignmentPropertyGroup* source,
                                               AlignmentPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<AlignmentPropertyGroup> AlignmentPropertyGroup::empty()
{
    auto group = std::make_unique<AlignmentPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const AlignmentPropertyGroup& a, const AlignmentPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const AlignmentPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const AlignmentPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        AlignmentPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<AlignmentPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<AlignmentPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::AlignmentPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::AlignmentPropertyGroup>();
    group->d->readFrom(reader, colors);
}
