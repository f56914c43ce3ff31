#include "stylepropertygroupquick.h"

#include <QtQml/QQmlEngine>

#include <utility>

#include "quickstyle.h"

namespace Quilt::Quick
{
using namespace Quilt::Properties;

PropertyGroupQuick::PropertyGroupQuick(QuickStyle* owner)
    : m_owner(owner)
{ }

PropertyGroupQuick::~PropertyGroupQuick() = default;

QJSValue PropertyGroupQuick::create(QMetaType type, const void* value) const
{
    QQmlEngine* engine = m_owner ? m_owner->engine() : nullptr;
    if (!engine) {
        return QJSValue(QJSValue::UndefinedValue);
    }
    return engine->toScriptValue(QVariant(type, value));
}

DisplayPropertyGroupQuick::DisplayPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void DisplayPropertyGroupQuick::setGroup(const DisplayPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &DisplayPropertyGroup::visible)) {
        Q_EMIT visibleChanged();
    }
    if (differs(before, group, &DisplayPropertyGroup::opacity)) {
        Q_EMIT opacityChanged();
    }
    Q_EMIT updated();
}

SizePropertyGroupQuick::SizePropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void SizePropertyGroupQuick::setGroup(const SizePropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &SizePropertyGroup::left)) {
        Q_EMIT leftChanged();
    }
    if (differs(before, group, &SizePropertyGroup::right)) {
        Q_EMIT rightChanged();
    }
    if (differs(before, group, &SizePropertyGroup::top)) {
        Q_EMIT topChanged();
    }
    if (differs(before, group, &SizePropertyGroup::bottom)) {
        Q_EMIT bottomChanged();
    }
    Q_EMIT updated();
}

AlignmentPropertyGroupQuick::AlignmentPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void AlignmentPropertyGroupQuick::setGroup(const AlignmentPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &AlignmentPropertyGroup::container)) {
        Q_EMIT containerChanged();
    }
    if (differs(before, group, &AlignmentPropertyGroup::horizontal)) {
        Q_EMIT horizontalChanged();
    }
    if (differs(before, group, &AlignmentPropertyGroup::vertical)) {
        Q_EMIT verticalChanged();
    }
    if (differs(before, group, &AlignmentPropertyGroup::order)) {
        Q_EMIT orderChanged();
    }
    Q_EMIT updated();
}

LayoutPropertyGroupQuick::LayoutPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

LayoutPropertyGroupQuick::~LayoutPropertyGroupQuick() = default;

void LayoutPropertyGroupQuick::setGroup(const LayoutPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    pass(m_alignment, group ? group->alignment() : nullptr);
    pass(m_padding, group ? group->padding() : nullptr);
    pass(m_inset, group ? group->inset() : nullptr);
    pass(m_margins, group ? group->margins() : nullptr);
    if (differs(before, group, &LayoutPropertyGroup::width)) {
        Q_EMIT widthChanged();
    }
    if (differs(before, group, &LayoutPropertyGroup::height)) {
        Q_EMIT heightChanged();
    }
    if (differs(before, group, &LayoutPropertyGroup::spacing)) {
        Q_EMIT spacingChanged();
    }
    Q_EMIT updated();
}

TextPropertyGroupQuick::TextPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

TextPropertyGroupQuick::~TextPropertyGroupQuick() = default;

void TextPropertyGroupQuick::setGroup(const TextPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    pass(m_alignment, group ? group->alignment() : nullptr);
    if (differs(before, group, &TextPropertyGroup::font)) {
        Q_EMIT fontChanged();
    }
    if (differs(before, group, &TextPropertyGroup::color)) {
        Q_EMIT colorChanged();
    }
    if (differs(before, group, &TextPropertyGroup::wrapMode)) {
        Q_EMIT wrapModeChanged();
    }
    if (differs(before, group, &TextPropertyGroup::elide)) {
        Q_EMIT elideChanged();
    }
    Q_EMIT updated();
}

IconPropertyGroupQuick::IconPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

IconPropertyGroupQuick::~IconPropertyGroupQuick() = default;

void IconPropertyGroupQuick::setGroup(const IconPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    pass(m_alignment, group ? group->alignment() : nullptr);
    if (differs(before, group, &IconPropertyGroup::width)) {
        Q_EMIT widthChanged();
    }
    if (differs(before, group, &IconPropertyGroup::height)) {
        Q_EMIT heightChanged();
    }
    if (differs(before, group, &IconPropertyGroup::name)) {
        Q_EMIT nameChanged();
    }
    if (differs(before, group, &IconPropertyGroup::source)) {
        Q_EMIT sourceChanged();
    }
    if (differs(before, group, &IconPropertyGroup::color)) {
        Q_EMIT colorChanged();
    }
    Q_EMIT updated();
}

ImagePropertyGroupQuick::ImagePropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void ImagePropertyGroupQuick::setGroup(const ImagePropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &ImagePropertyGroup::source)) {
        Q_EMIT sourceChanged();
    }
    if (differs(before, group, &ImagePropertyGroup::width)) {
        Q_EMIT widthChanged();
    }
    if (differs(before, group, &ImagePropertyGroup::height)) {
        Q_EMIT heightChanged();
    }
    if (differs(before, group, &ImagePropertyGroup::xOffset)) {
        Q_EMIT xOffsetChanged();
    }
    if (differs(before, group, &ImagePropertyGroup::yOffset)) {
        Q_EMIT yOffsetChanged();
    }
    if (differs(before, group, &ImagePropertyGroup::flags)) {
        Q_EMIT flagsChanged();
    }
    if (differs(before, group, &ImagePropertyGroup::maskColor)) {
        Q_EMIT maskColorChanged();
    }
    Q_EMIT updated();
}

BackgroundPropertyGroupQuick::BackgroundPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

BackgroundPropertyGroupQuick::~BackgroundPropertyGroupQuick() = default;

void BackgroundPropertyGroupQuick::setGroup(const BackgroundPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    pass(m_image, group ? group->image() : nullptr);
    if (differs(before, group, &BackgroundPropertyGroup::color)) {
        Q_EMIT colorChanged();
    }
    Q_EMIT updated();
}

LinePropertyGroupQuick::LinePropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void LinePropertyGroupQuick::setGroup(const LinePropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &LinePropertyGroup::size)) {
        Q_EMIT sizeChanged();
    }
    if (differs(before, group, &LinePropertyGroup::color)) {
        Q_EMIT colorChanged();
    }
    if (differs(before, group, &LinePropertyGroup::style)) {
        Q_EMIT styleChanged();
    }
    Q_EMIT updated();
}

template<typename Group> void Sides<Group>::setGroup(const Group* group) const
{
    const std::pair<const std::unique_ptr<LinePropertyGroupQuick>*, const LinePropertyGroup*> sides[] = {
        { &left, group ? group->left() : nullptr },
        { &right, group ? group->right() : nullptr },
        { &top, group ? group->top() : nullptr },
        { &bottom, group ? group->bottom() : nullptr },
    };
    for (const auto& [side, line] : sides) {
        if (*side) {
            (*side)->setGroup(line);
        }
    }
}

template<typename Group> void Sides<Group>::announceColors() const
{
    for (const auto* side : { &left, &right, &top, &bottom }) {
        if (*side) {
            Q_EMIT(*side)->colorChanged();
        }
    }
}

template struct Sides<BorderPropertyGroup>;
template struct Sides<OutlinePropertyGroup>;

BorderPropertyGroupQuick::BorderPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

BorderPropertyGroupQuick::~BorderPropertyGroupQuick() = default;

void BorderPropertyGroupQuick::setGroup(const BorderPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_sides.setGroup(group);
    Q_EMIT updated();
}

OutlinePropertyGroupQuick::OutlinePropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

OutlinePropertyGroupQuick::~OutlinePropertyGroupQuick() = default;

void OutlinePropertyGroupQuick::setGroup(const OutlinePropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_sides.setGroup(group);
    Q_EMIT updated();
}

CornerPropertyGroupQuick::CornerPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void CornerPropertyGroupQuick::setGroup(const CornerPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &CornerPropertyGroup::radius)) {
        Q_EMIT radiusChanged();
    }
    Q_EMIT updated();
}

CornersPropertyGroupQuick::CornersPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

CornersPropertyGroupQuick::~CornersPropertyGroupQuick() = default;

void CornersPropertyGroupQuick::setGroup(const CornersPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    pass(m_topLeft, group ? group->topLeft() : nullptr);
    pass(m_topRight, group ? group->topRight() : nullptr);
    pass(m_bottomLeft, group ? group->bottomLeft() : nullptr);
    pass(m_bottomRight, group ? group->bottomRight() : nullptr);
    Q_EMIT updated();
}

OffsetPropertyGroupQuick::OffsetPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

void OffsetPropertyGroupQuick::setGroup(const OffsetPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    if (differs(before, group, &OffsetPropertyGroup::horizontal)) {
        Q_EMIT horizontalChanged();
    }
    if (differs(before, group, &OffsetPropertyGroup::vertical)) {
        Q_EMIT verticalChanged();
    }
    Q_EMIT updated();
}

ShadowPropertyGroupQuick::ShadowPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

ShadowPropertyGroupQuick::~ShadowPropertyGroupQuick() = default;

void ShadowPropertyGroupQuick::setGroup(const ShadowPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    const auto* before = std::exchange(m_group, group);
    pass(m_offset, group ? group->offset() : nullptr);
    if (differs(before, group, &ShadowPropertyGroup::color)) {
        Q_EMIT colorChanged();
    }
    if (differs(before, group, &ShadowPropertyGroup::size)) {
        Q_EMIT sizeChanged();
    }
    if (differs(before, group, &ShadowPropertyGroup::blur)) {
        Q_EMIT blurChanged();
    }
    Q_EMIT updated();
}

StylePropertyGroupQuick::StylePropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
{ }

StylePropertyGroupQuick::~StylePropertyGroupQuick() = default;

void StylePropertyGroupQuick::setGroup(const StylePropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    pass(m_display, group ? group->display() : nullptr);
    pass(m_layout, group ? group->layout() : nullptr);
    pass(m_text, group ? group->text() : nullptr);
    pass(m_icon, group ? group->icon() : nullptr);
    pass(m_background, group ? group->background() : nullptr);
    pass(m_border, group ? group->border() : nullptr);
    pass(m_outline, group ? group->outline() : nullptr);
    pass(m_corners, group ? group->corners() : nullptr);
    pass(m_shadow, group ? group->shadow() : nullptr);
    Q_EMIT updated();
}

void StylePropertyGroupQuick::announceColors() const
{
    if (m_text) {
        Q_EMIT m_text->colorChanged();
    }
    if (m_icon) {
        Q_EMIT m_icon->colorChanged();
    }
    if (m_background) {
        Q_EMIT m_background->colorChanged();
        if (auto* image = m_background->existingImage()) {
            Q_EMIT image->maskColorChanged();
        }
    }
    if (m_border) {
        m_border->announceColors();
    }
    if (m_outline) {
        m_outline->announceColors();
    }
    if (m_shadow) {
        Q_EMIT m_shadow->colorChanged();
    }
}
} // namespace Quilt::Quick
