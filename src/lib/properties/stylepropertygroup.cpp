#include "stylepropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class StylePropertyGroupPrivate : public detail::GroupData<StylePropertyGroup::Slots>
{ };

StylePropertyGroup::StylePropertyGroup()
    : d(std::make_unique<StylePropertyGroupPrivate>())
{ }

StylePropertyGroup::StylePropertyGroup(const StylePropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

StylePropertyGroup::StylePropertyGroup(StylePropertyGroup&& other) noexcept = default;
StylePropertyGroup::~StylePropertyGroup() = default;

StylePropertyGroup& StylePropertyGroup::operator=(const StylePropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

StylePropertyGroup& StylePropertyGroup::operator=(StylePropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

DisplayPropertyGroup* StylePropertyGroup::display() const
{
    return d->get<"display">();
}

void StylePropertyGroup::setDisplay(std::unique_ptr<DisplayPropertyGroup>&& display)
{
    d->set<"display">(std::move(display));
}

LayoutPropertyGroup* StylePropertyGroup::layout() const
{
    return d->get<"layout">();
}

void StylePropertyGroup::setLayout(std::unique_ptr<LayoutPropertyGroup>&& layout)
{
    d->set<"layout">(std::move(layout));
}

TextPropertyGroup* StylePropertyGroup::text() const
{
    return d->get<"text">();
}

void StylePropertyGroup::setText(std::unique_ptr<TextPropertyGroup>&& text)
{
    d->set<"text">(std::move(text));
}

IconPropertyGroup* StylePropertyGroup::icon() const
{
    return d->get<"icon">();
}

void StylePropertyGroup::setIcon(std::unique_ptr<IconPropertyGroup>&& icon)
{
    d->set<"icon">(std::move(icon));
}

BackgroundPropertyGroup* StylePropertyGroup::background() const
{
    return d->get<"background">();
}

void StylePropertyGroup::setBackground(std::unique_ptr<BackgroundPropertyGroup>&& background)
{
    d->set<"background">(std::move(background));
}

BorderPropertyGroup* StylePropertyGroup::border() const
{
    return d->get<"border">();
}

void StylePropertyGroup::setBorder(std::unique_ptr<BorderPropertyGroup>&& border)
{
    d->set<"border">(std::move(border));
}

OutlinePropertyGroup* StylePropertyGroup::outline() const
{
    return d->get<"outline">();
}

void StylePropertyGroup::setOutline(std::unique_ptr<OutlinePropertyGroup>&& outline)
{
    d->set<"outline">(std::move(outline));
}

CornersPropertyGroup* StylePropertyGroup::corners() const
{
    return d->get<"corners">();
}

void StylePropertyGroup::setCorners(std::unique_ptr<CornersPropertyGroup>&& corners)
{
    d->set<"corners">(std::move(corners));
}

ShadowPropertyGroup* StylePropertyGroup::shadow() const
{
    return d->get<"shadow">();
}

void StylePropertyGroup::setShadow(std::unique_ptr<ShadowPropertyGroup>&& shadow)
{
    d->set<"shadow">(std::move(shadow));
}

bool StylePropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool StylePropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString StylePropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void StylePropertyGroup::resolveProperties(const StylePropertyGroup* source, StylePropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<StylePropertyGroup> StylePropertyGroup::empty()
{
    auto group = std::make_unique<StylePropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const StylePropertyGroup& a, const StylePropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const StylePropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const StylePropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        StylePropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<StylePropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<StylePropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::StylePropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::StylePropertyGroup>();
    group->d->readFrom(reader, colors);
}
