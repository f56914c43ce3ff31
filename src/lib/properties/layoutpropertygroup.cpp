#include "layoutpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class LayoutPropertyGroupPrivate : public detail::GroupData<LayoutPropertyGroup::Slots>
{ };

LayoutPropertyGroup::LayoutPropertyGroup()
    : d(std::make_unique<LayoutPropertyGroupPrivate>())
{ }

LayoutPropertyGroup::LayoutPropertyGroup(const LayoutPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

LayoutPropertyGroup::LayoutPropertyGroup(LayoutPropertyGroup&& other) noexcept = default;
LayoutPropertyGroup::~LayoutPropertyGroup() = default;

LayoutPropertyGroup& LayoutPropertyGroup::operator=(const LayoutPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

LayoutPropertyGroup& LayoutPropertyGroup::operator=(LayoutPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

AlignmentPropertyGroup* LayoutPropertyGroup::alignment() const
{
    return d->get<"alignment">();
}

void LayoutPropertyGroup::setAlignment(std::unique_ptr<AlignmentPropertyGroup>&& alignment)
{
    d->set<"alignment">(std::move(alignment));
}

std::optional<double> LayoutPropertyGroup::width() const
{
    return d->get<"width">();
}

void LayoutPropertyGroup::setWidth(const std::optional<double>& width)
{
    d->set<"width">(width);
}

std::optional<double> LayoutPropertyGroup::height() const
{
    return d->get<"height">();
}

void LayoutPropertyGroup::setHeight(const std::optional<double>& height)
{
    d->set<"height">(height);
}

std::optional<double> LayoutPropertyGroup::spacing() const
{
    return d->get<"spacing">();
}

void LayoutPropertyGroup::setSpacing(const std::optional<double>& spacing)
{
    d->set<"spacing">(spacing);
}

SizePropertyGroup* LayoutPropertyGroup::padding() const
{
    return d->get<"padding">();
}

void LayoutPropertyGroup::setPadding(std::unique_ptr<SizePropertyGroup>&& padding)
{
    d->set<"padding">(std::move(padding));
}

SizePropertyGroup* LayoutPropertyGroup::inset() const
{
    return d->get<"inset">();
}

void LayoutPropertyGroup::setInset(std::unique_ptr<SizePropertyGroup>&& inset)
{
    d->set<"inset">(std::move(inset));
}

SizePropertyGroup* LayoutPropertyGroup::margins() const
{
    return d->get<"margins">();
}

void LayoutPropertyGroup::setMargins(std::unique_ptr<SizePropertyGroup>&& margins)
{
    d->set<"margins">(std::move(margins));
}

bool LayoutPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool LayoutPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString LayoutPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void LayoutPropertyGroup::resolveProperties(const LayoutPropertyGroup* source, LayoutPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<LayoutPropertyGroup> LayoutPropertyGroup::empty()
{
    auto group = std::make_unique<LayoutPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const LayoutPropertyGroup& a, const LayoutPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const LayoutPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const LayoutPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        LayoutPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<LayoutPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<LayoutPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::LayoutPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::LayoutPropertyGroup>();
    group->d->readFrom(reader, colors);
}
