#include "stylepropertygroupquick.h"

#include <QtQml/QQmlEngine>

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
    m_group = group;
    Q_EMIT visibleChanged();
    Q_EMIT opacityChanged();
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
    m_group = group;
    Q_EMIT leftChanged();
    Q_EMIT rightChanged();
    Q_EMIT topChanged();
    Q_EMIT bottomChanged();
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
    m_group = group;
    Q_EMIT containerChanged();
    Q_EMIT horizontalChanged();
    Q_EMIT verticalChanged();
    Q_EMIT orderChanged();
    Q_EMIT updated();
}

LayoutPropertyGroupQuick::LayoutPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_alignment(std::make_unique<AlignmentPropertyGroupQuick>(owner))
    , m_padding(std::make_unique<SizePropertyGroupQuick>(owner))
    , m_inset(std::make_unique<SizePropertyGroupQuick>(owner))
    , m_margins(std::make_unique<SizePropertyGroupQuick>(owner))
{ }

LayoutPropertyGroupQuick::~LayoutPropertyGroupQuick() = default;

void LayoutPropertyGroupQuick::setGroup(const LayoutPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_alignment->setGroup(group ? group->alignment() : nullptr);
    m_padding->setGroup(group ? group->padding() : nullptr);
    m_inset->setGroup(group ? group->inset() : nullptr);
    m_margins->setGroup(group ? group->margins() : nullptr);
    Q_EMIT widthChanged();
    Q_EMIT heightChanged();
    Q_EMIT spacingChanged();
    Q_EMIT updated();
}

TextPropertyGroupQuick::TextPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_alignment(std::make_unique<AlignmentPropertyGroupQuick>(owner))
{ }

TextPropertyGroupQuick::~TextPropertyGroupQuick() = default;

void TextPropertyGroupQuick::setGroup(const TextPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_alignment->setGroup(group ? group->alignment() : nullptr);
    Q_EMIT fontChanged();
    Q_EMIT colorChanged();
    Q_EMIT wrapModeChanged();
    Q_EMIT elideChanged();
    Q_EMIT updated();
}

IconPropertyGroupQuick::IconPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_alignment(std::make_unique<AlignmentPropertyGroupQuick>(owner))
{ }

IconPropertyGroupQuick::~IconPropertyGroupQuick() = default;

void IconPropertyGroupQuick::setGroup(const IconPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_alignment->setGroup(group ? group->alignment() : nullptr);
    Q_EMIT widthChanged();
    Q_EMIT heightChanged();
    Q_EMIT nameChanged();
    Q_EMIT sourceChanged();
    Q_EMIT colorChanged();
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
    m_group = group;
    Q_EMIT sourceChanged();
    Q_EMIT widthChanged();
    Q_EMIT heightChanged();
    Q_EMIT xOffsetChanged();
    Q_EMIT yOffsetChanged();
    Q_EMIT flagsChanged();
    Q_EMIT maskColorChanged();
    Q_EMIT updated();
}

BackgroundPropertyGroupQuick::BackgroundPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_image(std::make_unique<ImagePropertyGroupQuick>(owner))
{ }

BackgroundPropertyGroupQuick::~BackgroundPropertyGroupQuick() = default;

void BackgroundPropertyGroupQuick::setGroup(const BackgroundPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_image->setGroup(group ? group->image() : nullptr);
    Q_EMIT colorChanged();
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
    m_group = group;
    Q_EMIT sizeChanged();
    Q_EMIT colorChanged();
    Q_EMIT styleChanged();
    Q_EMIT updated();
}

template<typename Group>
Sides<Group>::Sides(QuickStyle* owner)
    : left(std::make_unique<LinePropertyGroupQuick>(owner))
    , right(std::make_unique<LinePropertyGroupQuick>(owner))
    , top(std::make_unique<LinePropertyGroupQuick>(owner))
    , bottom(std::make_unique<LinePropertyGroupQuick>(owner))
{ }

template<typename Group> void Sides<Group>::setGroup(const Group* group) const
{
    left->setGroup(group ? group->left() : nullptr);
    right->setGroup(group ? group->right() : nullptr);
    top->setGroup(group ? group->top() : nullptr);
    bottom->setGroup(group ? group->bottom() : nullptr);
}

BorderPropertyGroupQuick::BorderPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_sides(owner)
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
    , m_sides(owner)
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
    m_group = group;
    Q_EMIT radiusChanged();
    Q_EMIT updated();
}

CornersPropertyGroupQuick::CornersPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_topLeft(std::make_unique<CornerPropertyGroupQuick>(owner))
    , m_topRight(std::make_unique<CornerPropertyGroupQuick>(owner))
    , m_bottomLeft(std::make_unique<CornerPropertyGroupQuick>(owner))
    , m_bottomRight(std::make_unique<CornerPropertyGroupQuick>(owner))
{ }

CornersPropertyGroupQuick::~CornersPropertyGroupQuick() = default;

void CornersPropertyGroupQuick::setGroup(const CornersPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_topLeft->setGroup(group ? group->topLeft() : nullptr);
    m_topRight->setGroup(group ? group->topRight() : nullptr);
    m_bottomLeft->setGroup(group ? group->bottomLeft() : nullptr);
    m_bottomRight->setGroup(group ? group->bottomRight() : nullptr);
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
    m_group = group;
    Q_EMIT horizontalChanged();
    Q_EMIT verticalChanged();
    Q_EMIT updated();
}

ShadowPropertyGroupQuick::ShadowPropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_offset(std::make_unique<OffsetPropertyGroupQuick>(owner))
{ }

ShadowPropertyGroupQuick::~ShadowPropertyGroupQuick() = default;

void ShadowPropertyGroupQuick::setGroup(const ShadowPropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_offset->setGroup(group ? group->offset() : nullptr);
    Q_EMIT colorChanged();
    Q_EMIT sizeChanged();
    Q_EMIT blurChanged();
    Q_EMIT updated();
}

StylePropertyGroupQuick::StylePropertyGroupQuick(QuickStyle* owner)
    : PropertyGroupQuick(owner)
    , m_display(std::make_unique<DisplayPropertyGroupQuick>(owner))
    , m_layout(std::make_unique<LayoutPropertyGroupQuick>(owner))
    , m_text(std::make_unique<TextPropertyGroupQuick>(owner))
    , m_icon(std::make_unique<IconPropertyGroupQuick>(owner))
    , m_background(std::make_unique<BackgroundPropertyGroupQuick>(owner))
    , m_border(std::make_unique<BorderPropertyGroupQuick>(owner))
    , m_outline(std::make_unique<OutlinePropertyGroupQuick>(owner))
    , m_corners(std::make_unique<CornersPropertyGroupQuick>(owner))
    , m_shadow(std::make_unique<ShadowPropertyGroupQuick>(owner))
{ }

StylePropertyGroupQuick::~StylePropertyGroupQuick() = default;

void StylePropertyGroupQuick::setGroup(const StylePropertyGroup* group)
{
    if (group == m_group) {
        return;
    }
    m_group = group;
    m_display->setGroup(group ? group->display() : nullptr);
    m_layout->setGroup(group ? group->layout() : nullptr);
    m_text->setGroup(group ? group->text() : nullptr);
    m_icon->setGroup(group ? group->icon() : nullptr);
    m_background->setGroup(group ? group->background() : nullptr);
    m_border->setGroup(group ? group->border() : nullptr);
    m_outline->setGroup(group ? group->outline() : nullptr);
    m_corners->setGroup(group ? group->corners() : nullptr);
    m_shadow->setGroup(group ? group->shadow() : nullptr);
    Q_EMIT updated();
}

void StylePropertyGroupQuick::announceColors() const
{
    Q_EMIT m_text->colorChanged();
    Q_EMIT m_icon->colorChanged();
    Q_EMIT m_background->colorChanged();
    Q_EMIT m_background->image()->maskColorChanged();
    for (LinePropertyGroupQuick* side :
         { m_border->left(), m_border->right(), m_border->top(), m_border->bottom(), m_outline->left(),
           m_outline->right(), m_outline->top(), m_outline->bottom() }) {
        Q_EMIT side->colorChanged();
    }
    Q_EMIT m_shadow->colorChanged();
}
} // namespace Quilt::Quick
