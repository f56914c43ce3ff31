// The templates' private headers say `emit`, which the project's build
// leaves undefined elsewhere.
#undef QT_NO_KEYWORDS

#include "styleapplier_p.h"

#include <QtCore/QMetaProperty>
#include <QtGui/QFont>
#include <QtQml/private/qqmldata_p.h>
#include <QtQuickTemplates2/private/qquickabstractbutton_p.h>
#include <QtQuickTemplates2/private/qquickabstractbutton_p_p.h>
#include <QtQuickTemplates2/private/qquickcontrol_p.h>
#include <QtQuickTemplates2/private/qquickcontrol_p_p.h>
#include <QtQuickTemplates2/private/qquickicon_p.h>

#include <cmath>
#include <limits>
#include <optional>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

namespace Quilt::Quick
{
using namespace Quilt::Properties;

namespace
{
QVariant fromOptional(const std::optional<double>& value)
{
    return value ? QVariant(qreal(*value)) : QVariant();
}

bool sameFont(const QFont& a, const QFont& b)
{
    return a.resolveMask() == b.resolveMask() && a == b;
}

// Which parts of a button's own icon somebody set. An icon resolved against
// another takes the other's value for each part it leaves unset, so parts
// still holding the sentinel's values are the unset ones.
std::array<bool, 5> setIconParts(const QQuickIcon& icon)
{
    static const QQuickIcon sentinel = [] {
        QQuickIcon probe;
        probe.setName(QStringLiteral("\u0001unset"));
        probe.setSource(QUrl(QStringLiteral("quilt-unset:")));
        probe.setWidth(std::numeric_limits<int>::min());
        probe.setHeight(std::numeric_limits<int>::min());
        probe.setColor(QColor(1, 2, 3, 4));
        return probe;
    }();
    const QQuickIcon resolved = icon.resolve(sentinel);
    return {
        resolved.name() != sentinel.name(),   resolved.source() != sentinel.source(),
        resolved.width() != sentinel.width(), resolved.height() != sentinel.height(),
        resolved.color() != sentinel.color(),
    };
}

QVariant iconPart(const QQuickIcon& icon, int part)
{
    switch (part) {
    case 0:
        return icon.name();
    case 1:
        return icon.source();
    case 2:
        return icon.width();
    case 3:
        return icon.height();
    default:
        return icon.color();
    }
}

void setIconPart(QQuickIcon& icon, int part, const QVariant& value)
{
    switch (part) {
    case 0:
        icon.setName(value.toString());
        break;
    case 1:
        icon.setSource(value.toUrl());
        break;
    case 2:
        icon.setWidth(value.toInt());
        break;
    case 3:
        icon.setHeight(value.toInt());
        break;
    default:
        icon.setColor(value.value<QColor>());
        break;
    }
}

void resetIconPart(QQuickIcon& icon, int part)
{
    switch (part) {
    case 0:
        icon.resetName();
        break;
    case 1:
        icon.resetSource();
        break;
    case 2:
        icon.resetWidth();
        break;
    case 3:
        icon.resetHeight();
        break;
    default:
        icon.resetColor();
        break;
    }
}

// Resolved on every read, so that a custom colour follows the palette.
QVariant textColor(const TextPropertyGroup* text)
{
    const std::optional<Color> color = text ? text->color() : std::nullopt;
    return color ? QVariant(color->toQColor()) : QVariant();
}

// A size as QML would have stored the number in the icon's integer: cut
// towards zero; no size where it is no finite number.
QVariant iconSize(const std::optional<double>& size)
{
    return size && std::isfinite(*size) ? QVariant(int(*size)) : QVariant();
}

// Where a kind of item keeps the properties written, and their signals.
struct Indices
{
    std::array<int, 11> properties;
    std::array<int, 11> notifies;
    std::array<int, 3> shorthands;
    std::array<int, 3> shorthandNotifies;
};

const char* const names[11] = {
    "leftPadding", "rightPadding", "topPadding", "bottomPadding", "leftInset", "rightInset",
    "topInset",    "bottomInset",  "spacing",    "font",          "color",
};
const char* const shorthands[3] = { "padding", "horizontalPadding", "verticalPadding" };

Indices lookUp(const QMetaObject* meta)
{
    Indices indices;
    for (int i = 0; i < 11; ++i) {
        indices.properties[i] = meta->indexOfProperty(names[i]);
        indices.notifies[i]
            = indices.properties[i] < 0 ? -1 : meta->property(indices.properties[i]).notifySignalIndex();
    }
    for (int i = 0; i < 3; ++i) {
        indices.shorthands[i] = meta->indexOfProperty(shorthands[i]);
        indices.shorthandNotifies[i]
            = indices.shorthands[i] < 0 ? -1 : meta->property(indices.shorthands[i]).notifySignalIndex();
    }
    return indices;
}

// Whether each index still names its property in `meta`.
bool holds(const QMetaObject* meta, const Indices& indices)
{
    const auto named = [&](const auto& list, const auto& wanted) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] >= 0
                && (list[i] >= meta->propertyCount() || qstrcmp(meta->property(list[i]).name(), wanted[i]) != 0)) {
                return false;
            }
        }
        return true;
    };
    return named(indices.properties, names) && named(indices.shorthands, shorthands);
}

// Other items declare them in their C++ class, so every QML type made of
// that class finds them at the same indices: one look-up per class, checked
// by name against a type that declares a property of the same name itself.
Indices lookUpCached(const QObject* target)
{
    thread_local std::vector<std::pair<std::type_index, Indices>> cache;
    const QMetaObject* meta = target->metaObject();
    const std::type_index type(typeid(*target));
    for (const auto& [known, indices] : cache) {
        if (known == type) {
            return holds(meta, indices) ? indices : lookUp(meta);
        }
    }
    cache.emplace_back(type, lookUp(meta));
    return cache.back().second;
}
} // namespace

StyleApplier::StyleApplier(QObject* target, QuickStyle::AppliedValues values, QObject* receiver, int receiverSlot)
    : m_target(target)
    , m_control(qobject_cast<QQuickControl*>(target))
    , m_values(values)
{
    // The controls of the templates declare every one of these properties
    // in their common base, where no subclass moves them: their indices are
    // looked up once. Other items are looked up by name.
    static_assert(SlotCount == 11 && ShorthandCount == 3, "the look-up tables follow the slots");
    static const Indices controlIndices = lookUp(&QQuickControl::staticMetaObject);
    const Indices indices = m_control ? controlIndices : lookUpCached(m_target);
    for (int i = 0; i < SlotCount; ++i) {
        const bool wanted = i <= BottomPadding ? values.testFlag(QuickStyle::Padding)
            : i <= BottomInset                 ? values.testFlag(QuickStyle::Insets)
            : i == Spacing                     ? values.testFlag(QuickStyle::Spacing)
            : i == Font                        ? values.testFlag(QuickStyle::Font)
                                               : values.testFlag(QuickStyle::Color);
        if (!wanted || indices.properties[i] < 0) {
            continue;
        }
        Entry& entry = m_entries[i];
        entry.property = indices.properties[i];
        entry.notify = indices.notifies[i];
        if (entry.notify >= 0) {
            QMetaObject::connect(m_target, entry.notify, receiver, receiverSlot);
        }
    }
    if (values.testFlag(QuickStyle::Icon)) {
        if (qobject_cast<QQuickAbstractButton*>(target)) {
            static const int iconChanged = QQuickAbstractButton::staticMetaObject.indexOfSignal("iconChanged()");
            m_iconNotify = iconChanged;
            QMetaObject::connect(m_target, m_iconNotify, receiver, receiverSlot);
        }
    }
    if (values.testFlag(QuickStyle::Padding)) {
        for (int i = 0; i < ShorthandCount; ++i) {
            m_shorthands[i] = indices.shorthands[i];
            m_shorthandNotify[i] = indices.shorthandNotifies[i];
            if (m_shorthandNotify[i] >= 0) {
                QMetaObject::connect(m_target, m_shorthandNotify[i], receiver, receiverSlot);
            }
        }
    }
    claimInitialValues();
}

StyleApplier::~StyleApplier() = default;

void StyleApplier::disconnect(QObject* receiver, int receiverSlot)
{
    for (const Entry& entry : m_entries) {
        if (entry.notify >= 0) {
            QMetaObject::disconnect(m_target, entry.notify, receiver, receiverSlot);
        }
    }
    for (int notify : m_shorthandNotify) {
        if (notify >= 0) {
            QMetaObject::disconnect(m_target, notify, receiver, receiverSlot);
        }
    }
    if (m_iconNotify >= 0) {
        QMetaObject::disconnect(m_target, m_iconNotify, receiver, receiverSlot);
    }
}

QuickStyle::AppliedValues StyleApplier::values() const
{
    return m_values;
}

void StyleApplier::claimInitialValues()
{
    // The item's own document leaves these properties to the applier, so a
    // value that an instance gave before the applier came is the
    // application's. Only a template control tells a value set to its
    // default from none; elsewhere a default counts as unset.
    const QMetaObject* meta = m_target->metaObject();
    const QQuickControlPrivate* d = m_control ? QQuickControlPrivate::get(m_control) : nullptr;
    for (int i = 0; i < SlotCount; ++i) {
        Entry& entry = m_entries[i];
        if (entry.property < 0) {
            continue;
        }
        const int set = explicitlySet(Slot(i));
        if (set >= 0) {
            entry.owned = set == 1;
        } else if (i != Font && i != Color) {
            entry.owned = meta->property(entry.property).read(m_target).toReal() != 0;
        }
    }
    const bool shorthandSet[ShorthandCount] = {
        shorthandValue(Padding) != 0,
        d ? d->hasHorizontalPadding : shorthandValue(HorizontalPadding) != 0,
        d ? d->hasVerticalPadding : shorthandValue(VerticalPadding) != 0,
    };
    for (int i = 0; i < ShorthandCount; ++i) {
        if (shorthandSet[i]) {
            yield(Shorthand(i));
        }
    }
    if (QQuickAbstractButton* b = button()) {
        const auto set = setIconParts(QQuickAbstractButtonPrivate::get(b)->icon);
        for (int i = 0; i < IconPartCount; ++i) {
            m_icon[i].owned = set[i];
        }
    }
}

qreal StyleApplier::shorthandValue(Shorthand shorthand) const
{
    if (m_shorthands[shorthand] < 0) {
        return 0;
    }
    return m_target->metaObject()->property(m_shorthands[shorthand]).read(m_target).toReal();
}

void StyleApplier::apply(const StylePropertyGroup* result)
{
    if (beingDestroyed()) {
        return;
    }
    // A shorthand bound by the application may never have announced a
    // change (its first value can equal the default).
    for (int i = 0; i < ShorthandCount; ++i) {
        if (m_shorthands[i] >= 0 && !m_given[i] && hasBinding(m_shorthands[i])) {
            yield(Shorthand(i));
        }
    }

    const LayoutPropertyGroup* layout = result ? result->layout() : nullptr;
    const SizePropertyGroup* padding = layout ? layout->padding() : nullptr;
    const SizePropertyGroup* inset = layout ? layout->inset() : nullptr;
    const TextPropertyGroup* text = result ? result->text() : nullptr;
    for (int i = 0; i < SlotCount; ++i) {
        Entry& entry = m_entries[i];
        if (entry.property < 0) {
            continue;
        }
        const SizePropertyGroup* sizes = i <= BottomPadding ? padding : inset;
        switch (Slot(i)) {
        case LeftPadding:
        case LeftInset:
            entry.style = sizes ? fromOptional(sizes->left()) : QVariant();
            break;
        case RightPadding:
        case RightInset:
            entry.style = sizes ? fromOptional(sizes->right()) : QVariant();
            break;
        case TopPadding:
        case TopInset:
            entry.style = sizes ? fromOptional(sizes->top()) : QVariant();
            break;
        case BottomPadding:
        case BottomInset:
            entry.style = sizes ? fromOptional(sizes->bottom()) : QVariant();
            break;
        case Spacing:
            entry.style = layout ? fromOptional(layout->spacing()) : QVariant();
            break;
        case Font: {
            const std::optional<QFont> font = text ? text->font() : std::nullopt;
            entry.style = font ? QVariant(*font) : QVariant();
            break;
        }
        case Color:
            entry.style = textColor(text);
            break;
        case SlotCount:
            break;
        }
        update(Slot(i));
    }
    if (button()) {
        takeIconValues(result, false);
        updateIcon();
    }
}

bool StyleApplier::beingDestroyed() const
{
    // A control's destructor has run when it no longer casts to one, though
    // the item's own destructor still sends its signals.
    return m_control && !qobject_cast<QQuickControl*>(m_target);
}

QQuickAbstractButton* StyleApplier::button() const
{
    return m_iconNotify >= 0 ? qobject_cast<QQuickAbstractButton*>(m_target) : nullptr;
}

void StyleApplier::colorsChanged(const StylePropertyGroup* result)
{
    if (m_entries[Color].property >= 0) {
        m_entries[Color].style = textColor(result ? result->text() : nullptr);
        update(Color);
    }
    if (button() && !m_icon[IconColor].owned) {
        takeIconValues(result, true);
        updateIcon();
    }
}

void StyleApplier::takeIconValues(const StylePropertyGroup* result, bool colorOnly)
{
    const IconPropertyGroup* icon = result ? result->icon() : nullptr;
    // Resolved on every read, so that a custom colour follows the palette.
    const std::optional<Quilt::Color> color = icon ? icon->color() : std::nullopt;
    m_icon[IconColor].style = color ? QVariant(color->toQColor()) : QVariant();
    if (colorOnly) {
        return;
    }
    const std::optional<QString> name = icon ? icon->name() : std::nullopt;
    const std::optional<QUrl> source = icon ? icon->source() : std::nullopt;
    m_icon[IconName].style = name ? QVariant(*name) : QVariant();
    m_icon[IconSource].style = source ? QVariant(*source) : QVariant();
    m_icon[IconWidth].style = iconSize(icon ? icon->width() : std::nullopt);
    m_icon[IconHeight].style = iconSize(icon ? icon->height() : std::nullopt);
}

void StyleApplier::updateIcon()
{
    // Written from the button's own icon, never from the one it shows: that
    // holds its Action's parts, which must not become the button's.
    QQuickAbstractButton* b = button();
    if (!b) {
        return;
    }
    QQuickIcon icon = QQuickAbstractButtonPrivate::get(b)->icon;
    bool changed = false;
    for (int i = 0; i < IconPartCount; ++i) {
        IconEntry& entry = m_icon[i];
        if (entry.owned) {
            continue;
        }
        if (entry.style.isValid()) {
            if (entry.written.isValid() && entry.written == entry.style) {
                continue;
            }
            setIconPart(icon, i, entry.style);
            entry.written = entry.style;
            changed = true;
        } else if (entry.written.isValid()) {
            resetIconPart(icon, i);
            entry.written = QVariant();
            changed = true;
        }
    }
    if (changed) {
        m_writing = true;
        b->setIcon(icon);
        m_writing = false;
    }
}

void StyleApplier::iconChanged()
{
    QQuickAbstractButton* b = button();
    if (!b) {
        return;
    }
    const QQuickIcon& icon = QQuickAbstractButtonPrivate::get(b)->icon;
    const auto set = setIconParts(icon);
    bool restore = false;
    for (int i = 0; i < IconPartCount; ++i) {
        IconEntry& entry = m_icon[i];
        if (!set[i]) {
            // Reset, by the application or by whoever cleared the icon: the
            // style's part (if any) is the one to show.
            if (entry.owned || entry.written.isValid()) {
                entry.owned = false;
                entry.written = QVariant();
                restore = true;
            }
        } else if (!entry.owned && (!entry.written.isValid() || iconPart(icon, i) != entry.written)) {
            entry.owned = true;
        }
    }
    if (restore) {
        updateIcon();
    }
}

void StyleApplier::update(Slot slot)
{
    Entry& entry = m_entries[slot];
    if (entry.property < 0 || entry.owned || yielded(slot)) {
        return;
    }
    if (hasBinding(entry.property)) {
        entry.owned = true;
        return;
    }
    if (entry.style.isValid()) {
        if (entry.written.isValid()) {
            const bool same = slot == Font && m_control
                ? sameFont(entry.written.value<QFont>(), entry.style.value<QFont>())
                : entry.written == entry.style;
            if (same) {
                return;
            }
        }
        write(slot, entry.style);
    } else if (entry.written.isValid()) {
        // As a binding that gives `undefined`: the item's own default.
        reset(slot);
    }
}

void StyleApplier::yield(Shorthand shorthand)
{
    static constexpr Slot sides[ShorthandCount][4] = {
        { LeftPadding, RightPadding, TopPadding, BottomPadding },
        { LeftPadding, RightPadding, SlotCount, SlotCount },
        { TopPadding, BottomPadding, SlotCount, SlotCount },
    };
    m_given[shorthand] = true;
    for (Slot slot : sides[shorthand]) {
        if (slot == SlotCount || m_entries[slot].property < 0) {
            continue;
        }
        Entry& entry = m_entries[slot];
        if (!yielded(slot)) {
            // The shorthand is no finite number: the style's side stays.
            update(slot);
        } else if (!entry.owned && entry.written.isValid()) {
            reset(slot);
        }
    }
}

bool StyleApplier::yielded(Slot slot) const
{
    // A shorthand that is no finite number would lay the side out at NaN or
    // infinity: the style's side is the sounder one.
    const auto covers = [&](Shorthand shorthand) {
        return m_given[shorthand] && std::isfinite(shorthandValue(shorthand));
    };
    switch (slot) {
    case LeftPadding:
    case RightPadding:
        return covers(Padding) || covers(HorizontalPadding);
    case TopPadding:
    case BottomPadding:
        return covers(Padding) || covers(VerticalPadding);
    default:
        return false;
    }
}

void StyleApplier::write(Slot slot, const QVariant& value)
{
    Entry& entry = m_entries[slot];
    const QMetaProperty property = m_target->metaObject()->property(entry.property);
    if (!entry.written.isValid() && !property.isResettable()) {
        entry.original = property.read(m_target);
    }
    m_writing = true;
    property.write(m_target, value);
    m_writing = false;
    // A template control keeps the font it was given apart from the one it
    // resolved; anything else is compared by what it reads back.
    entry.written = slot == Font && !m_control ? property.read(m_target) : value;
}

void StyleApplier::reset(Slot slot)
{
    Entry& entry = m_entries[slot];
    const QMetaProperty property = m_target->metaObject()->property(entry.property);
    m_writing = true;
    if (property.isResettable()) {
        property.reset(m_target);
    } else if (entry.original.isValid()) {
        property.write(m_target, entry.original);
    }
    m_writing = false;
    entry.written = QVariant();
}

bool StyleApplier::hasBinding(int property) const
{
    QQmlData* data = QQmlData::get(m_target);
    return data && data->hasBindingBit(property);
}

int StyleApplier::explicitlySet(Slot slot) const
{
    if (!m_control || slot == Spacing) {
        return -1;
    }
    const QQuickControlPrivate* d = QQuickControlPrivate::get(m_control);
    if (!d->extra.isAllocated()) {
        return 0;
    }
    const auto& extra = d->extra.value();
    switch (slot) {
    case LeftPadding:
        return extra.hasLeftPadding;
    case RightPadding:
        return extra.hasRightPadding;
    case TopPadding:
        return extra.hasTopPadding;
    case BottomPadding:
        return extra.hasBottomPadding;
    case LeftInset:
        return extra.hasLeftInset;
    case RightInset:
        return extra.hasRightInset;
    case TopInset:
        return extra.hasTopInset;
    case BottomInset:
        return extra.hasBottomInset;
    case Font:
        return extra.requestedFont.resolveMask() != 0;
    case Color:
    case Spacing:
    case SlotCount:
        break;
    }
    return -1;
}

bool StyleApplier::setElsewhere(Slot slot) const
{
    const Entry& entry = m_entries[slot];
    if (!entry.written.isValid()) {
        return true;
    }
    if (slot == Font && m_control) {
        const QQuickControlPrivate* d = QQuickControlPrivate::get(m_control);
        const QFont requested = d->extra.isAllocated() ? d->extra->requestedFont : QFont();
        return !sameFont(requested, entry.written.value<QFont>());
    }
    const QMetaProperty property = m_target->metaObject()->property(entry.property);
    return property.read(m_target) != entry.written;
}

void StyleApplier::targetChanged(int signal)
{
    if (m_writing || QQmlData::wasDeleted(m_target) || beingDestroyed()) {
        return;
    }
    if (signal == m_iconNotify) {
        iconChanged();
        return;
    }
    for (int i = 0; i < ShorthandCount; ++i) {
        if (signal == m_shorthandNotify[i]) {
            yield(Shorthand(i));
        }
    }
    for (int i = 0; i < SlotCount; ++i) {
        Entry& entry = m_entries[i];
        if (entry.notify != signal || entry.property < 0) {
            continue;
        }
        if (explicitlySet(Slot(i)) == 0) {
            // Reset, or a shorthand moved under a side that nobody set: the
            // style's value (if any) is the one to show.
            entry.owned = false;
            entry.written = QVariant();
            update(Slot(i));
        } else if (!entry.owned && setElsewhere(Slot(i))) {
            entry.owned = true;
        }
    }
}
} // namespace Quilt::Quick
