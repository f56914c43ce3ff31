#include "shadowpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class ShadowPropertyGroupPrivate : public detail::GroupData<ShadowPropertyGroup::Slots>
{ };

ShadowPropertyGroup::ShadowPropertyGroup()
    : d(std::make_unique<ShadowPropertyGroupPrivate>())
{ }

ShadowPropertyGroup::ShadowPropertyGroup(const ShadowPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

ShadowPropertyGroup::ShadowPropertyGroup(ShadowPropertyGroup&& other) noexcept = default;
ShadowPropertyGroup::~ShadowPropertyGroup() = default;

ShadowPropertyGroup& ShadowPropertyGroup::operator=(const ShadowPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

ShadowPropertyGroup& ShadowPropertyGroup::operator=(ShadowPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

OffsetPropertyGroup* ShadowPropertyGroup::offset() const
{
    return d->get<"offset">();
}

void ShadowPropertyGroup::setOffset(std::unique_ptr<OffsetPropertyGroup>&& offset)
{
    d->set<"offset">(std::move(offset));
}

std::optional<Color> ShadowPropertyGroup::color() const
{
    return d->get<"color">();
}

void ShadowPropertyGroup::setColor(const std::optional<Color>& color)
{
    d->set<"color">(color);
}

std::optional<double> ShadowPropertyGroup::size() const
{
    return d->get<"size">();
}

void ShadowPropertyGroup::setSize(const std::optional<double>& size)
{
    d->set<"size">(size);
}

std::optional<double> ShadowPropertyGroup::blur() const
{
    return d->get<"blur">();
}

void ShadowPropertyGroup::setBlur(const std::optional<double>& blur)
{
    d->set<"blur">(blur);
}

bool ShadowPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool ShadowPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString ShadowPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void ShadowPropertyGroup::resolveProperties(const ShadowPropertyGroup* source, ShadowPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<ShadowPropertyGroup> ShadowPropertyGroup::empty()
{
    auto group = std::make_unique<ShadowPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const ShadowPropertyGroup& a, const ShadowPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const ShadowPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const ShadowPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        ShadowPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<ShadowPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<ShadowPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::ShadowPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::ShadowPropertyGroup>();
    group->d->readFrom(reader, colors);
}
