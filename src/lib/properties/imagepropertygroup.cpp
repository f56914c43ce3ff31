#include "imagepropertygroup.h"

#include "propertygroup_p.h"

namespace Quilt::Properties
{

class ImagePropertyGroupPrivate : public detail::GroupData<ImagePropertyGroup::Slots>
{ };

ImagePropertyGroup::ImagePropertyGroup()
    : d(std::make_unique<ImagePropertyGroupPrivate>())
{ }

ImagePropertyGroup::ImagePropertyGroup(const ImagePropertyGroup& other)
    : d(detail::copyPrivate(other.d))
{ }

ImagePropertyGroup::ImagePropertyGroup(ImagePropertyGroup&& other) noexcept = default;
ImagePropertyGroup::~ImagePropertyGroup() = default;

ImagePropertyGroup& ImagePropertyGroup::operator=(const ImagePropertyGroup& other)
{
    detail::assignPrivate(d, other.d);
    return *this;
}

ImagePropertyGroup& ImagePropertyGroup::operator=(ImagePropertyGroup&& other) noexcept
{
    d.swap(other.d);
    return *this;
}

std::optional<std::filesystem::path> ImagePropertyGroup::source() const
{
    return d->get<"source">();
}

void ImagePropertyGroup::setSource(const std::optional<std::filesystem::path>& source)
{
    d->set<"source">(source);
}

std::optional<double> ImagePropertyGroup::width() const
{
    return d->get<"width">();
}

void ImagePropertyGroup::setWidth(const std::optional<double>& width)
{
    d->set<"width">(width);
}

std::optional<double> ImagePropertyGroup::height() const
{
    return d->get<"height">();
}

void ImagePropertyGroup::setHeight(const std::optional<double>& height)
{
    d->set<"height">(height);
}

std::optional<double> ImagePropertyGroup::xOffset() const
{
    return d->get<"xOffset">();
}

void ImagePropertyGroup::setXOffset(const std::optional<double>& xOffset)
{
    d->set<"xOffset">(xOffset);
}

std::optional<double> ImagePropertyGroup::yOffset() const
{
    return d->get<"yOffset">();
}

void ImagePropertyGroup::setYOffset(const std::optional<double>& yOffset)
{
    d->set<"yOffset">(yOffset);
}

std::optional<ImageFlags> ImagePropertyGroup::flags() const
{
    return d->get<"flags">();
}

void ImagePropertyGroup::setFlags(const std::optional<ImageFlags>& flags)
{
    d->set<"flags">(flags);
}

std::optional<Color> ImagePropertyGroup::maskColor() const
{
    return d->get<"maskColor">();
}

void ImagePropertyGroup::setMaskColor(const std::optional<Color>& maskColor)
{
    d->set<"maskColor">(maskColor);
}

bool ImagePropertyGroup::hasAnyValue() const
{
    return d->hasAnyValue();
}

bool ImagePropertyGroup::isEmpty() const
{
    return d->isEmpty();
}

QString ImagePropertyGroup::toString(int indent, ToStringFlags flags) const
{
    return d->toString(indent, flags);
}

void ImagePropertyGroup::resolveProperties(const ImagePropertyGroup* source, ImagePropertyGroup* destination)
{
    if (source && destination)
        destination->d->resolveFrom(*source->d);
}

std::unique_ptr<ImagePropertyGroup> ImagePropertyGroup::empty()
{
    auto group = std::make_unique<ImagePropertyGroup>();
    group->d->fillWithEmptyValues();
    return group;
}

bool operator==(const ImagePropertyGroup& a, const ImagePropertyGroup& b)
{
    return *a.d == *b.d;
}

QDebug operator<<(QDebug debug, const ImagePropertyGroup* group)
{
    return detail::debugGroup(std::move(debug), group);
}

QDataStream& operator<<(QDataStream& stream, const ImagePropertyGroup* group)
{
    // A null group is written as one without values, which keeps the stream in step.
    if (group)
        group->d->write(stream);
    else
        ImagePropertyGroupPrivate().write(stream);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, std::unique_ptr<ImagePropertyGroup>& group)
{
    if (!group)
        group = std::make_unique<ImagePropertyGroup>();
    group->d->read(stream);
    return stream;
}

} // namespace Quilt::Properties

void Quilt::detail::GroupAccess::read(ByteReader& reader, std::unique_ptr<Properties::ImagePropertyGroup>& group,
                                      ColorPool* colors)
{
    if (!group)
        group = std::make_unique<Properties::ImagePropertyGroup>();
    group->d->readFrom(reader, colors);
}
