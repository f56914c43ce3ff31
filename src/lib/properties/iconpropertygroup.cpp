#include "iconpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class IconPropertyGroupPrivate : public detail::GroupData<IconPropertyGroup::Slots>
{ };

IconPropertyGroup::IconPropertyGroup()
    : d(std::make_unique<IconPropertyGroupPrivate>())
{ }

IconPropertyGroup::IconPropertyGroup(const IconPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

IconPropertyGroup::IconPropertyGroup(IconPropertyGroup&& other) noexcept = default;
IconPropertyGroup::~IconPropertyGroup() = default;

IconPropertyGroup& IconPropertyGroup::operator=(const IconPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

IconPropertyGroup& IconPropertyGroup::operator=(IconPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

AlignmentPropertyGroup* IconPropertyGroup::alignment() const
{
    return d->get<"alignment">();
}

void IconPropertyGroup::setAlignment(std::unique_ptr<AlignmentPropertyGroup>&& alignment)
{
    d->set<"alignment">(std::move(alignment));
}

std::optional<double> IconPropertyGroup::width() const
{
    return d->get<"width">();
}

void IconPropertyGroup::setWidth(const std::optional<double>& width)
{
    d->set<"width">(width);
}

std::optional<double> IconPropertyGroup::height() const
{
    return d->get<"height">();
}

void IconPropertyGroup::setHeight(const std::optional<double>& height)
{
    d->set<"height">(height);
}

std::optional<QString> IconPropertyGroup::name() const
{
    return d->get<"name">();
}

void IconPropertyGroup::setName(const std::optional<QString>& name)
{
    d->set<"name">(name);
}

std::optional<QUrl> IconPropertyGroup::source() const
{
    return d->get<"source">();
}

void IconPropertyGroup::setSource(const std::optional<QUrl>& source)
{
    d->set<"source">(source);
}

std::optional<Color> IconPropertyGroup::color() const
{
    return d->get<"color">();
}

void IconPropertyGroup::setColor(const std::optional<Color>& color)
{
    d->set<"color">(color);
}

bool IconPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool IconPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString IconPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void IconPropertyGroup::resolveProperties(const IconPropertyGroup* source, IconPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<IconPropertyGroup> IconPropertyGroup::empty()
{
    auto group = std::make_unique<IconPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const IconPropertyGroup& a, const IconPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const IconPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const IconPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        IconPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<IconPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<IconPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::IconPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::IconPropertyGroup>();
    group->d->readFrom(reader, colors);
}
