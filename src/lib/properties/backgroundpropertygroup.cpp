#include "backgroundpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class BackgroundPropertyGroupPrivate : public detail::GroupData<BackgroundPropertyGroup::Slots>
{ };

BackgroundPropertyGroup::BackgroundPropertyGroup()
    : d(std::make_unique<BackgroundPropertyGroupPrivate>())
{ }

BackgroundPropertyGroup::BackgroundPropertyGroup(const BackgroundPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

BackgroundPropertyGroup::BackgroundPropertyGroup(BackgroundPropertyGroup&& other) noexcept = default;
BackgroundPropertyGroup::~BackgroundPropertyGroup() = default;

BackgroundPropertyGroup& BackgroundPropertyGroup::operator=(const BackgroundPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

BackgroundPropertyGroup& BackgroundPropertyGroup::operator=(BackgroundPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<Color> BackgroundPropertyGroup::color() const
{
    return d->get<"color">();
}

void BackgroundPropertyGroup::setColor(const std::optional<Color>& color)
{
    d->set<"color">(color);
}

ImagePropertyGroup* BackgroundPropertyGroup::image() const
{
    return d->get<"image">();
}

void BackgroundPropertyGroup::setImage(std::unique_ptr<ImagePropertyGroup>&& image)
{
    d->set<"image">(std::move(image));
}

bool BackgroundPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool BackgroundPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString BackgroundPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void BackgroundPropertyGroup::resolveProperties(const BackgroundPropertyGroup* source,
                                                BackgroundPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<BackgroundPropertyGroup> BackgroundPropertyGroup::empty()
{
    auto group = std::make_unique<BackgroundPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const BackgroundPropertyGroup& a, const BackgroundPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const BackgroundPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const BackgroundPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        BackgroundPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<BackgroundPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<BackgroundPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::BackgroundPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::BackgroundPropertyGroup>();
    group->d->readFrom(reader, colors);
}
