#include "textpropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class TextPropertyGroupPrivate : public detail::GroupData<TextPropertyGroup::Slots>
{ };

TextPropertyGroup::TextPropertyGroup()
    : d(std::make_unique<TextPropertyGroupPrivate>())
{ }

TextPropertyGroup::TextPropertyGroup(const TextPropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

TextPropertyGroup::TextPropertyGroup(TextPropertyGroup&& other) noexcept = default;
TextPropertyGroup::~TextPropertyGroup() = default;

TextPropertyGroup& TextPropertyGroup::operator=(const TextPropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

TextPropertyGroup& TextPropertyGroup::operator=(TextPropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

AlignmentPropertyGroup* TextPropertyGroup::alignment() const
{
    return d->get<"alignment">();
}

void TextPropertyGroup::setAlignment(std::unique_ptr<AlignmentPropertyGroup>&& alignment)
{
    d->set<"alignment">(std::move(alignment));
}

std::optional<QFont> TextPropertyGroup::font() const
{
    return d->get<"font">();
}

void TextPropertyGroup::setFont(const std::optional<QFont>& font)
{
    d->set<"font">(font);
}

std::optional<Color> TextPropertyGroup::color() const
{
    return d->get<"color">();
}

void TextPropertyGroup::setColor(const std::optional<Color>& color)
{
    d->set<"color">(color);
}

std::optional<TextWrapMode> TextPropertyGroup::wrapMode() const
{
    return d->get<"wrapMode">();
}

void TextPropertyGroup::setWrapMode(const std::optional<TextWrapMode>& wrapMode)
{
    d->set<"wrapMode">(wrapMode);
}

std::optional<TextElide> TextPropertyGroup::elide() const
{
    return d->get<"elide">();
}

void TextPropertyGroup::setElide(const std::optional<TextElide>& elide)
{
    d->set<"elide">(elide);
}

bool TextPropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool TextPropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString TextPropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void TextPropertyGroup::resolveProperties(const TextPropertyGroup* source, TextPropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<TextPropertyGroup> TextPropertyGroup::empty()
{
    auto group = std::make_unique<TextPropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const TextPropertyGroup& a, const TextPropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const TextPropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const TextPropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        TextPropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<TextPropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<TextPropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::TextPropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::TextPropertyGroup>();
    group->d->readFrom(reader, colors);
}
