#pragma once

#include <QtCore/QObject>
#include <QtQml/QJSValue>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>
#include <type_traits>

#include "color.h"
#include "quickimplglobal.h"
#include "stylepropertygroup.h"

namespace Quilt::Quick
{
class QuickStyle;

// The wrappers turn one property group of a query result into script values,
// `undefined` where the group or the value is absent. Each points into the
// result that its Style shows; the Style keeps that result alive.
class QUILT_QUICK_EXPORT PropertyGroupQuick : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    explicit PropertyGroupQuick(QuickStyle* owner);
    ~PropertyGroupQuick() override;

Q_SIGNALS:
    void updated();

protected:
    // A sub-group wrapper comes into being on its first read, showing the
    // group's current sub-group; until then a change costs it nothing.
    template<typename Wrapper, typename Group> Wrapper* child(std::unique_ptr<Wrapper>& slot, const Group* group) const
    {
        if (!slot) {
            slot = std::make_unique<Wrapper>(m_owner);
            slot->setGroup(group);
        }
        return slot.get();
    }
    // Only wrappers that exist learn of a new group.
    template<typename Wrapper, typename Group>
    static void pass(const std::unique_ptr<Wrapper>& slot, const Group* group)
    {
        if (slot) {
            slot->setGroup(group);
        }
    }

    // Whether a leaf reads otherwise in the new group than in the old one.
    // Only such leaves announce a change: a re-query that leaves a value as
    // it was must not re-run the bindings reading it (a binding that caused
    // the re-query would otherwise see itself as a loop).
    template<typename Group, typename T>
    static bool differs(const Group* before, const Group* after, std::optional<T> (Group::*getter)() const)
    {
        const std::optional<T> old = before ? (before->*getter)() : std::nullopt;
        const std::optional<T> now = after ? (after->*getter)() : std::nullopt;
        return old != now;
    }

    template<typename Group, typename T>
    QJSValue leaf(const Group* group, std::optional<T> (Group::*getter)() const) const
    {
        if (!group) {
            return QJSValue(QJSValue::UndefinedValue);
        }
        const std::optional<T> value = (group->*getter)();
        if (!value) {
            return QJSValue(QJSValue::UndefinedValue);
        }
        return toScriptValue(*value);
    }

private:
    template<typename T> QJSValue toScriptValue(const T& value) const;
    QJSValue create(QMetaType type, const void* value) const;

    QuickStyle* m_owner;
};

template<typename T> QJSValue PropertyGroupQuick::toScriptValue(const T& value) const
{
    if constexpr (std::is_enum_v<T>) {
        // Numbers, so that QML compares them with its enumerations.
        return QJSValue(int(value));
    } else if constexpr (std::is_same_v<T, Properties::ImageFlags>) {
        return QJSValue(value.toInt());
    } else if constexpr (std::is_same_v<T, Color>) {
        // Resolved on every read: a custom colour follows the desktop.
        const QColor color = value.toQColor();
        return create(QMetaType::fromType<QColor>(), &color);
    } else {
        return create(QMetaType::fromType<T>(), &value);
    }
}

class QUILT_QUICK_EXPORT DisplayPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue visible READ visible NOTIFY visibleChanged FINAL)
    Q_PROPERTY(QJSValue opacity READ opacity NOTIFY opacityChanged FINAL)
    QML_ANONYMOUS

public:
    explicit DisplayPropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::DisplayPropertyGroup* group);

    QJSValue visible() const { return leaf(m_group, &Properties::DisplayPropertyGroup::visible); }
    QJSValue opacity() const { return leaf(m_group, &Properties::DisplayPropertyGroup::opacity); }

Q_SIGNALS:
    void visibleChanged();
    void opacityChanged();

private:
    const Properties::DisplayPropertyGroup* m_group = nullptr;
};

class QUILT_QUICK_EXPORT SizePropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue left READ left NOTIFY leftChanged FINAL)
    Q_PROPERTY(QJSValue right READ right NOTIFY rightChanged FINAL)
    Q_PROPERTY(QJSValue top READ top NOTIFY topChanged FINAL)
    Q_PROPERTY(QJSValue bottom READ bottom NOTIFY bottomChanged FINAL)
    QML_ANONYMOUS

public:
    explicit SizePropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::SizePropertyGroup* group);

    QJSValue left() const { return leaf(m_group, &Properties::SizePropertyGroup::left); }
    QJSValue right() const { return leaf(m_group, &Properties::SizePropertyGroup::right); }
    QJSValue top() const { return leaf(m_group, &Properties::SizePropertyGroup::top); }
    QJSValue bottom() const { return leaf(m_group, &Properties::SizePropertyGroup::bottom); }

Q_SIGNALS:
    void leftChanged();
    void rightChanged();
    void topChanged();
    void bottomChanged();

private:
    const Properties::SizePropertyGroup* m_group = nullptr;
};

class QUILT_QUICK_EXPORT AlignmentPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue container READ container NOTIFY containerChanged FINAL)
    Q_PROPERTY(QJSValue horizontal READ horizontal NOTIFY horizontalChanged FINAL)
    Q_PROPERTY(QJSValue vertical READ vertical NOTIFY verticalChanged FINAL)
    Q_PROPERTY(QJSValue order READ order NOTIFY orderChanged FINAL)
    QML_ANONYMOUS

public:
    explicit AlignmentPropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::AlignmentPropertyGroup* group);

    QJSValue container() const { return leaf(m_group, &Properties::AlignmentPropertyGroup::container); }
    QJSValue horizontal() const { return leaf(m_group, &Properties::AlignmentPropertyGroup::horizontal); }
    QJSValue vertical() const { return leaf(m_group, &Properties::AlignmentPropertyGroup::vertical); }
    QJSValue order() const { return leaf(m_group, &Properties::AlignmentPropertyGroup::order); }

Q_SIGNALS:
    void containerChanged();
    void horizontalChanged();
    void verticalChanged();
    void orderChanged();

private:
    const Properties::AlignmentPropertyGroup* m_group = nullptr;
};

class QUILT_QUICK_EXPORT LayoutPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::AlignmentPropertyGroupQuick* alignment READ alignment CONSTANT FINAL)
    Q_PROPERTY(QJSValue width READ width NOTIFY widthChanged FINAL)
    Q_PROPERTY(QJSValue height READ height NOTIFY heightChanged FINAL)
    Q_PROPERTY(QJSValue spacing READ spacing NOTIFY spacingChanged FINAL)
    Q_PROPERTY(Quilt::Quick::SizePropertyGroupQuick* padding READ padding CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::SizePropertyGroupQuick* inset READ inset CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::SizePropertyGroupQuick* margins READ margins CONSTANT FINAL)
    QML_ANONYMOUS

public:
    explicit LayoutPropertyGroupQuick(QuickStyle* owner);
    ~LayoutPropertyGroupQuick() override;
    void setGroup(const Properties::LayoutPropertyGroup* group);

    AlignmentPropertyGroupQuick* alignment() const
    {
        return child(m_alignment, m_group ? m_group->alignment() : nullptr);
    }
    QJSValue width() const { return leaf(m_group, &Properties::LayoutPropertyGroup::width); }
    QJSValue height() const { return leaf(m_group, &Properties::LayoutPropertyGroup::height); }
    QJSValue spacing() const { return leaf(m_group, &Properties::LayoutPropertyGroup::spacing); }
    SizePropertyGroupQuick* padding() const { return child(m_padding, m_group ? m_group->padding() : nullptr); }
    SizePropertyGroupQuick* inset() const { return child(m_inset, m_group ? m_group->inset() : nullptr); }
    SizePropertyGroupQuick* margins() const { return child(m_margins, m_group ? m_group->margins() : nullptr); }

Q_SIGNALS:
    void widthChanged();
    void heightChanged();
    void spacingChanged();

private:
    const Properties::LayoutPropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<AlignmentPropertyGroupQuick> m_alignment;
    mutable std::unique_ptr<SizePropertyGroupQuick> m_padding;
    mutable std::unique_ptr<SizePropertyGroupQuick> m_inset;
    mutable std::unique_ptr<SizePropertyGroupQuick> m_margins;
};

class QUILT_QUICK_EXPORT TextPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::AlignmentPropertyGroupQuick* alignment READ alignment CONSTANT FINAL)
    Q_PROPERTY(QJSValue font READ font NOTIFY fontChanged FINAL)
    Q_PROPERTY(QJSValue color READ color NOTIFY colorChanged FINAL)
    Q_PROPERTY(QJSValue wrapMode READ wrapMode NOTIFY wrapModeChanged FINAL)
    Q_PROPERTY(QJSValue elide READ elide NOTIFY elideChanged FINAL)
    QML_ANONYMOUS

public:
    explicit TextPropertyGroupQuick(QuickStyle* owner);
    ~TextPropertyGroupQuick() override;
    void setGroup(const Properties::TextPropertyGroup* group);

    AlignmentPropertyGroupQuick* alignment() const
    {
        return child(m_alignment, m_group ? m_group->alignment() : nullptr);
    }
    QJSValue font() const { return leaf(m_group, &Properties::TextPropertyGroup::font); }
    QJSValue color() const { return leaf(m_group, &Properties::TextPropertyGroup::color); }
    QJSValue wrapMode() const { return leaf(m_group, &Properties::TextPropertyGroup::wrapMode); }
    QJSValue elide() const { return leaf(m_group, &Properties::TextPropertyGroup::elide); }

Q_SIGNALS:
    void fontChanged();
    void colorChanged();
    void wrapModeChanged();
    void elideChanged();

private:
    const Properties::TextPropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<AlignmentPropertyGroupQuick> m_alignment;
};

class QUILT_QUICK_EXPORT IconPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::AlignmentPropertyGroupQuick* alignment READ alignment CONSTANT FINAL)
    Q_PROPERTY(QJSValue width READ width NOTIFY widthChanged FINAL)
    Q_PROPERTY(QJSValue height READ height NOTIFY heightChanged FINAL)
    Q_PROPERTY(QJSValue name READ name NOTIFY nameChanged FINAL)
    Q_PROPERTY(QJSValue source READ source NOTIFY sourceChanged FINAL)
    Q_PROPERTY(QJSValue color READ color NOTIFY colorChanged FINAL)
    QML_ANONYMOUS

public:
    explicit IconPropertyGroupQuick(QuickStyle* owner);
    ~IconPropertyGroupQuick() override;
    void setGroup(const Properties::IconPropertyGroup* group);

    AlignmentPropertyGroupQuick* alignment() const
    {
        return child(m_alignment, m_group ? m_group->alignment() : nullptr);
    }
    QJSValue width() const { return leaf(m_group, &Properties::IconPropertyGroup::width); }
    QJSValue height() const { return leaf(m_group, &Properties::IconPropertyGroup::height); }
    QJSValue name() const { return leaf(m_group, &Properties::IconPropertyGroup::name); }
    QJSValue source() const { return leaf(m_group, &Properties::IconPropertyGroup::source); }
    QJSValue color() const { return leaf(m_group, &Properties::IconPropertyGroup::color); }

Q_SIGNALS:
    void widthChanged();
    void heightChanged();
    void nameChanged();
    void sourceChanged();
    void colorChanged();

private:
    const Properties::IconPropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<AlignmentPropertyGroupQuick> m_alignment;
};

class QUILT_QUICK_EXPORT ImagePropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue source READ source NOTIFY sourceChanged FINAL)
    Q_PROPERTY(QJSValue width READ width NOTIFY widthChanged FINAL)
    Q_PROPERTY(QJSValue height READ height NOTIFY heightChanged FINAL)
    Q_PROPERTY(QJSValue xOffset READ xOffset NOTIFY xOffsetChanged FINAL)
    Q_PROPERTY(QJSValue yOffset READ yOffset NOTIFY yOffsetChanged FINAL)
    Q_PROPERTY(QJSValue flags READ flags NOTIFY flagsChanged FINAL)
    Q_PROPERTY(QJSValue maskColor READ maskColor NOTIFY maskColorChanged FINAL)
    QML_ANONYMOUS

public:
    explicit ImagePropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::ImagePropertyGroup* group);

    QJSValue source() const { return leaf(m_group, &Properties::ImagePropertyGroup::source); }
    QJSValue width() const { return leaf(m_group, &Properties::ImagePropertyGroup::width); }
    QJSValue height() const { return leaf(m_group, &Properties::ImagePropertyGroup::height); }
    QJSValue xOffset() const { return leaf(m_group, &Properties::ImagePropertyGroup::xOffset); }
    QJSValue yOffset() const { return leaf(m_group, &Properties::ImagePropertyGroup::yOffset); }
    QJSValue flags() const { return leaf(m_group, &Properties::ImagePropertyGroup::flags); }
    QJSValue maskColor() const { return leaf(m_group, &Properties::ImagePropertyGroup::maskColor); }

Q_SIGNALS:
    void sourceChanged();
    void widthChanged();
    void heightChanged();
    void xOffsetChanged();
    void yOffsetChanged();
    void flagsChanged();
    void maskColorChanged();

private:
    const Properties::ImagePropertyGroup* m_group = nullptr;
};

class QUILT_QUICK_EXPORT BackgroundPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue color READ color NOTIFY colorChanged FINAL)
    Q_PROPERTY(Quilt::Quick::ImagePropertyGroupQuick* image READ image CONSTANT FINAL)
    QML_ANONYMOUS

public:
    explicit BackgroundPropertyGroupQuick(QuickStyle* owner);
    ~BackgroundPropertyGroupQuick() override;
    void setGroup(const Properties::BackgroundPropertyGroup* group);

    QJSValue color() const { return leaf(m_group, &Properties::BackgroundPropertyGroup::color); }
    ImagePropertyGroupQuick* image() const { return child(m_image, m_group ? m_group->image() : nullptr); }
    ImagePropertyGroupQuick* existingImage() const { return m_image.get(); }

Q_SIGNALS:
    void colorChanged();

private:
    const Properties::BackgroundPropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<ImagePropertyGroupQuick> m_image;
};

class QUILT_QUICK_EXPORT LinePropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue size READ size NOTIFY sizeChanged FINAL)
    Q_PROPERTY(QJSValue color READ color NOTIFY colorChanged FINAL)
    Q_PROPERTY(QJSValue style READ style NOTIFY styleChanged FINAL)
    QML_ANONYMOUS

public:
    explicit LinePropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::LinePropertyGroup* group);

    QJSValue size() const { return leaf(m_group, &Properties::LinePropertyGroup::size); }
    QJSValue color() const { return leaf(m_group, &Properties::LinePropertyGroup::color); }
    QJSValue style() const { return leaf(m_group, &Properties::LinePropertyGroup::style); }

Q_SIGNALS:
    void sizeChanged();
    void colorChanged();
    void styleChanged();

private:
    const Properties::LinePropertyGroup* m_group = nullptr;
};

// The four sides of a border or an outline, which share their shape.
template<typename Group> struct Sides
{
    mutable std::unique_ptr<LinePropertyGroupQuick> left, right, top, bottom;

    void setGroup(const Group* group) const;
    void announceColors() const;
};

class QUILT_QUICK_EXPORT BorderPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* left READ left CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* right READ right CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* top READ top CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* bottom READ bottom CONSTANT FINAL)
    QML_ANONYMOUS

public:
    explicit BorderPropertyGroupQuick(QuickStyle* owner);
    ~BorderPropertyGroupQuick() override;
    void setGroup(const Properties::BorderPropertyGroup* group);

    LinePropertyGroupQuick* left() const { return child(m_sides.left, m_group ? m_group->left() : nullptr); }
    LinePropertyGroupQuick* right() const { return child(m_sides.right, m_group ? m_group->right() : nullptr); }
    LinePropertyGroupQuick* top() const { return child(m_sides.top, m_group ? m_group->top() : nullptr); }
    LinePropertyGroupQuick* bottom() const { return child(m_sides.bottom, m_group ? m_group->bottom() : nullptr); }
    void announceColors() const { m_sides.announceColors(); }

private:
    const Properties::BorderPropertyGroup* m_group = nullptr;
    Sides<Properties::BorderPropertyGroup> m_sides;
};

class QUILT_QUICK_EXPORT OutlinePropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* left READ left CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* right READ right CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* top READ top CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LinePropertyGroupQuick* bottom READ bottom CONSTANT FINAL)
    QML_ANONYMOUS

public:
    explicit OutlinePropertyGroupQuick(QuickStyle* owner);
    ~OutlinePropertyGroupQuick() override;
    void setGroup(const Properties::OutlinePropertyGroup* group);

    LinePropertyGroupQuick* left() const { return child(m_sides.left, m_group ? m_group->left() : nullptr); }
    LinePropertyGroupQuick* right() const { return child(m_sides.right, m_group ? m_group->right() : nullptr); }
    LinePropertyGroupQuick* top() const { return child(m_sides.top, m_group ? m_group->top() : nullptr); }
    LinePropertyGroupQuick* bottom() const { return child(m_sides.bottom, m_group ? m_group->bottom() : nullptr); }
    void announceColors() const { m_sides.announceColors(); }

private:
    const Properties::OutlinePropertyGroup* m_group = nullptr;
    Sides<Properties::OutlinePropertyGroup> m_sides;
};

class QUILT_QUICK_EXPORT CornerPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue radius READ radius NOTIFY radiusChanged FINAL)
    QML_ANONYMOUS

public:
    explicit CornerPropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::CornerPropertyGroup* group);

    QJSValue radius() const { return leaf(m_group, &Properties::CornerPropertyGroup::radius); }

Q_SIGNALS:
    void radiusChanged();

private:
    const Properties::CornerPropertyGroup* m_group = nullptr;
};

class QUILT_QUICK_EXPORT CornersPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::CornerPropertyGroupQuick* topLeft READ topLeft CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::CornerPropertyGroupQuick* topRight READ topRight CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::CornerPropertyGroupQuick* bottomLeft READ bottomLeft CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::CornerPropertyGroupQuick* bottomRight READ bottomRight CONSTANT FINAL)
    QML_ANONYMOUS

public:
    explicit CornersPropertyGroupQuick(QuickStyle* owner);
    ~CornersPropertyGroupQuick() override;
    void setGroup(const Properties::CornersPropertyGroup* group);

    CornerPropertyGroupQuick* topLeft() const { return child(m_topLeft, m_group ? m_group->topLeft() : nullptr); }
    CornerPropertyGroupQuick* topRight() const { return child(m_topRight, m_group ? m_group->topRight() : nullptr); }
    CornerPropertyGroupQuick* bottomLeft() const
    {
        return child(m_bottomLeft, m_group ? m_group->bottomLeft() : nullptr);
    }
    CornerPropertyGroupQuick* bottomRight() const
    {
        return child(m_bottomRight, m_group ? m_group->bottomRight() : nullptr);
    }

private:
    const Properties::CornersPropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<CornerPropertyGroupQuick> m_topLeft;
    mutable std::unique_ptr<CornerPropertyGroupQuick> m_topRight;
    mutable std::unique_ptr<CornerPropertyGroupQuick> m_bottomLeft;
    mutable std::unique_ptr<CornerPropertyGroupQuick> m_bottomRight;
};

class QUILT_QUICK_EXPORT OffsetPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(QJSValue horizontal READ horizontal NOTIFY horizontalChanged FINAL)
    Q_PROPERTY(QJSValue vertical READ vertical NOTIFY verticalChanged FINAL)
    QML_ANONYMOUS

public:
    explicit OffsetPropertyGroupQuick(QuickStyle* owner);
    void setGroup(const Properties::OffsetPropertyGroup* group);

    QJSValue horizontal() const { return leaf(m_group, &Properties::OffsetPropertyGroup::horizontal); }
    QJSValue vertical() const { return leaf(m_group, &Properties::OffsetPropertyGroup::vertical); }

Q_SIGNALS:
    void horizontalChanged();
    void verticalChanged();

private:
    const Properties::OffsetPropertyGroup* m_group = nullptr;
};

class QUILT_QUICK_EXPORT ShadowPropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::OffsetPropertyGroupQuick* offset READ offset CONSTANT FINAL)
    Q_PROPERTY(QJSValue color READ color NOTIFY colorChanged FINAL)
    Q_PROPERTY(QJSValue size READ size NOTIFY sizeChanged FINAL)
    Q_PROPERTY(QJSValue blur READ blur NOTIFY blurChanged FINAL)
    QML_ANONYMOUS

public:
    explicit ShadowPropertyGroupQuick(QuickStyle* owner);
    ~ShadowPropertyGroupQuick() override;
    void setGroup(const Properties::ShadowPropertyGroup* group);

    OffsetPropertyGroupQuick* offset() const { return child(m_offset, m_group ? m_group->offset() : nullptr); }
    QJSValue color() const { return leaf(m_group, &Properties::ShadowPropertyGroup::color); }
    QJSValue size() const { return leaf(m_group, &Properties::ShadowPropertyGroup::size); }
    QJSValue blur() const { return leaf(m_group, &Properties::ShadowPropertyGroup::blur); }

Q_SIGNALS:
    void colorChanged();
    void sizeChanged();
    void blurChanged();

private:
    const Properties::ShadowPropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<OffsetPropertyGroupQuick> m_offset;
};

class QUILT_QUICK_EXPORT StylePropertyGroupQuick : public PropertyGroupQuick
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::DisplayPropertyGroupQuick* display READ display CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::LayoutPropertyGroupQuick* layout READ layout CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::TextPropertyGroupQuick* text READ text CONSTANT FINAL)
    // Not FINAL on purpose, which keeps the bindings reading the icon group
    // interpreted: controls bind its values to the members of their `icon`
    // group, where a compiled binding writes an absent value as a failed
    // assignment with a warning, and an interpreted one resets the member,
    // leaving it to the control's action.
    Q_PROPERTY(Quilt::Quick::IconPropertyGroupQuick* icon READ icon CONSTANT)
    Q_PROPERTY(Quilt::Quick::BackgroundPropertyGroupQuick* background READ background CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::BorderPropertyGroupQuick* border READ border CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::OutlinePropertyGroupQuick* outline READ outline CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::CornersPropertyGroupQuick* corners READ corners CONSTANT FINAL)
    Q_PROPERTY(Quilt::Quick::ShadowPropertyGroupQuick* shadow READ shadow CONSTANT FINAL)
    QML_ANONYMOUS

public:
    explicit StylePropertyGroupQuick(QuickStyle* owner);
    ~StylePropertyGroupQuick() override;
    void setGroup(const Properties::StylePropertyGroup* group);
    const Properties::StylePropertyGroup* group() const { return m_group; }

    DisplayPropertyGroupQuick* display() const { return child(m_display, m_group ? m_group->display() : nullptr); }
    LayoutPropertyGroupQuick* layout() const { return child(m_layout, m_group ? m_group->layout() : nullptr); }
    TextPropertyGroupQuick* text() const { return child(m_text, m_group ? m_group->text() : nullptr); }
    IconPropertyGroupQuick* icon() const { return child(m_icon, m_group ? m_group->icon() : nullptr); }
    BackgroundPropertyGroupQuick* background() const
    {
        return child(m_background, m_group ? m_group->background() : nullptr);
    }
    BorderPropertyGroupQuick* border() const { return child(m_border, m_group ? m_group->border() : nullptr); }
    OutlinePropertyGroupQuick* outline() const { return child(m_outline, m_group ? m_group->outline() : nullptr); }
    CornersPropertyGroupQuick* corners() const { return child(m_corners, m_group ? m_group->corners() : nullptr); }
    ShadowPropertyGroupQuick* shadow() const { return child(m_shadow, m_group ? m_group->shadow() : nullptr); }

    // Re-announces the leaves that hold colours, which resolve anew on reading.
    void announceColors() const;

private:
    const Properties::StylePropertyGroup* m_group = nullptr;
    mutable std::unique_ptr<DisplayPropertyGroupQuick> m_display;
    mutable std::unique_ptr<LayoutPropertyGroupQuick> m_layout;
    mutable std::unique_ptr<TextPropertyGroupQuick> m_text;
    mutable std::unique_ptr<IconPropertyGroupQuick> m_icon;
    mutable std::unique_ptr<BackgroundPropertyGroupQuick> m_background;
    mutable std::unique_ptr<BorderPropertyGroupQuick> m_border;
    mutable std::unique_ptr<OutlinePropertyGroupQuick> m_outline;
    mutable std::unique_ptr<CornersPropertyGroupQuick> m_corners;
    mutable std::unique_ptr<ShadowPropertyGroupQuick> m_shadow;
};
} // namespace Quilt::Quick
