#include "cornerspropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class CornersPropertyGroupPrivate : public detail::GroupData<CornersPropertyGroup::Slots>
{ };

CornersPropertyGroup::CornersPropertyGroup()
    : d(std::make_unique<CornersPropertyGroupPrivate>())
{ }

CornersPropertyGroup::CornersPropertyGroup(const CornersPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

CornersPropertyGroup::CornersPropertyGroup(CornersPropertyGroup&& other) noexcept = default;
CornersPropertyGroup::~CornersPropertyGroup() = default;

CornersPropertyGroup& CornersPropertyGroup::operator=(const CornersPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

CornersPropertyGroup& CornersPropertyGroup::operator=(CornersPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

CornerPropertyGroup* CornersPropertyGroup::topLeft() const
{
    return d->get<"topLeft">();
}

void CornersPropertyGroup::setTopLeft(std::unique_ptr<CornerPropertyGroup>&& topLeft)
{
    d->set<"topLeft">(std::move(topLeft));
}

CornerPropertyGroup* CornersPropertyGroup::topRight() const
{
    return d->get<"topRight">();
}

void CornersPropertyGroup::setTopRight(std::unique_ptr<CornerPropertyGroup>&& topRight)
{
    d->set<"topRight">(std::move(topRight));
}

CornerPropertyGroup* CornersPropertyGroup::bottomLeft() const
{
    return d->get<"bottomLeft">();
}

void CornersPropertyGroup::setBottomLeft(std::unique_ptr<CornerPropertyGroup>&& bottomLeft)
{
    d->set<"bottomLeft">(std::move(bottomLeft));
}

CornerPropertyGroup* CornersPropertyGroup::bottomRight() const
{
    return d->get<"bottomRight">();
}

void CornersPropertyGroup::setBottomRight(std::unique_ptr<CornerPropertyGroup>&& bottomRight)
{
    d->set<"bottomRight">(std::move(bottomRight));
}

CornerRadii CornersPropertyGroup::radii() const
{
    const auto radius = [](const CornerPropertyGroup* corner) {
        return corner ? corner->radius().value_or(0.0) : 0.0;
    };
    return CornerRadii { radius(topLeft()), radius(topRight()), radius(bottomLeft()), radius(bottomRight()) };
}

bool CornersPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool CornersPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString CornersPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void CornersPropertyGroup::resolveProperties(const CornersPropertyGroup* source, CornersPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<CornersPropertyGroup> CornersPropertyGroup::empty()
{
    auto group = std::make_unique<CornersPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const CornersPropertyGroup& a, const CornersPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const CornersPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const CornersPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        CornersPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<CornersPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<CornersPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::CornersPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::CornersPropertyGroup>();
    group->d->readFrom(reader, colors);
}
