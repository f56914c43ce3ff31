#include "borderpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class BorderPropertyGroupPrivate : public detail::GroupData<BorderPropertyGroup::Slots>
{ };

BorderPropertyGroup::BorderPropertyGroup()
    : d(std::make_unique<BorderPropertyGroupPrivate>())
{ }

BorderPropertyGroup::BorderPropertyGroup(const BorderPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

BorderPropertyGroup::BorderPropertyGroup(BorderPropertyGroup&& other) noexcept = default;
BorderPropertyGroup::~BorderPropertyGroup() = default;

BorderPropertyGroup& BorderPropertyGroup::operator=(const BorderPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

BorderPropertyGroup& BorderPropertyGroup::operator=(BorderPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

LinePropertyGroup* BorderPropertyGroup::left() const
{
    return d->get<"left">();
}

void BorderPropertyGroup::setLeft(std::unique_ptr<LinePropertyGroup>&& left)
{
    d->set<"left">(std::move(left));
}

LinePropertyGroup* BorderPropertyGroup::right() const
{
    return d->get<"right">();
}

void BorderPropertyGroup::setRight(std::unique_ptr<LinePropertyGroup>&& right)
{
    d->set<"right">(std::move(right));
}

LinePropertyGroup* BorderPropertyGroup::top() const
{
    return d->get<"top">();
}

void BorderPropertyGroup::setTop(std::unique_ptr<LinePropertyGroup>&& top)
{
    d->set<"top">(std::move(top));
}

LinePropertyGroup* BorderPropertyGroup::bottom() const
{
    return d->get<"bottom">();
}

void BorderPropertyGroup::setBottom(std::unique_ptr<LinePropertyGroup>&& bottom)
{
    d->set<"bottom">(std::move(bottom));
}

QMarginsF BorderPropertyGroup::sizes() const
{
    const auto width = [](const LinePropertyGroup* line) {
        return line ? line->size().value_or(0.0) : 0.0;
    };
    return QMarginsF(width(left()), width(top()), width(right()), width(bottom()));
}

bool BorderPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool BorderPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString BorderPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void BorderPropertyGroup::resolveProperties(const BorderPropertyGroup* source, BorderPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<BorderPropertyGroup> BorderPropertyGroup::empty()
{
    auto group = std::make_unique<BorderPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const BorderPropertyGroup& a, const BorderPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const BorderPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const BorderPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        BorderPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<BorderPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<BorderPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::BorderPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::BorderPropertyGroup>();
    group->d->readFrom(reader, colors);
}
