#include "displaypropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class DisplayPropertyGroupPrivate : public detail::GroupData<DisplayPropertyGroup::Slots>
{ };

DisplayPropertyGroup::DisplayPropertyGroup()
    : d(std::make_unique<DisplayPropertyGroupPrivate>())
{ }

DisplayPropertyGroup::DisplayPropertyGroup(const DisplayPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

DisplayPropertyGroup::DisplayPropertyGroup(DisplayPropertyGroup&& other) noexcept = default;
DisplayPropertyGroup::~DisplayPropertyGroup() = default;

DisplayPropertyGroup& DisplayPropertyGroup::operator=(const DisplayPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

DisplayPropertyGroup& DisplayPropertyGroup::operator=(DisplayPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<bool> DisplayPropertyGroup::visible() const
{
    return d->get<"visible">();
}

void DisplayPropertyGroup::setVisible(const std::optional<bool>& visible)
{
    d->set<"visible">(visible);
}

std::optional<double> DisplayPropertyGroup::opacity() const
{
    return d->get<"opacity">();
}

void DisplayPropertyGroup::setOpacity(const std::optional<double>& opacity)
{
    d->set<"opacity">(opacity);
}

bool DisplayPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool DisplayPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString DisplayPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void DisplayPropertyGroup::resolveProperties(const DisplayPropertyGroup* source, DisplayPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<DisplayPropertyGroup> DisplayPropertyGroup::empty()
{
    auto group = std::make_unique<DisplayPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const DisplayPropertyGroup& a, const DisplayPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const DisplayPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const DisplayPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        DisplayPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<DisplayPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<DisplayPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::DisplayPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::DisplayPropertyGroup>();
    group->d->readFrom(reader, colors);
}
