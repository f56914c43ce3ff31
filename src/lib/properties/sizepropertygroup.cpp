#include "sizepropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class SizePropertyGroupPrivate : public detail::GroupData<SizePropertyGroup::Slots>
{ };

SizePropertyGroup::SizePropertyGroup()
    : d(std::make_unique<SizePropertyGroupPrivate>())
{ }

SizePropertyGroup::SizePropertyGroup(const SizePropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

SizePropertyGroup::SizePropertyGroup(SizePropertyGroup&& other) noexcept = default;
SizePropertyGroup::~SizePropertyGroup() = default;

SizePropertyGroup& SizePropertyGroup::operator=(const SizePropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

SizePropertyGroup& SizePropertyGroup::operator=(SizePropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<double> SizePropertyGroup::left() const
{
    return d->get<"left">();
}

void SizePropertyGroup::setLeft(const std::optional<double>& left)
{
    d->set<"left">(left);
}

std::optional<double> SizePropertyGroup::right() const
{
    return d->get<"right">();
}

void SizePropertyGroup::setRight(const std::optional<double>& right)
{
    d->set<"right">(right);
}

std::optional<double> SizePropertyGroup::top() const
{
    return d->get<"top">();
}

void SizePropertyGroup::setTop(const std::optional<double>& top)
{
    d->set<"top">(top);
}

std::optional<double> SizePropertyGroup::bottom() const
{
    return d->get<"bottom">();
}

void SizePropertyGroup::setBottom(const std::optional<double>& bottom)
{
    d->set<"bottom">(bottom);
}

QMarginsF SizePropertyGroup::toMargins() const
{
    return QMarginsF(left().value_or(0.0), top().value_or(0.0), right().value_or(0.0), bottom().value_or(0.0));
}

bool SizePropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool SizePropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString SizePropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void SizePropertyGroup::resolveProperties(const SizePropertyGroup* source, SizePropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<SizePropertyGroup> SizePropertyGroup::empty()
{
    auto group = std::make_unique<SizePropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const SizePropertyGroup& a, const SizePropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const SizePropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const SizePropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        SizePropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<SizePropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<SizePropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::SizePropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::SizePropertyGroup>();
    group->d->readFrom(reader, colors);
}
