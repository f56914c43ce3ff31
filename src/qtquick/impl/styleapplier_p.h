#pragma once

#include <QtCore/QVariant>

#include <array>

#include "quickstyle.h"

class QQuickAbstractButton;
class QQuickControl;

namespace Quilt::Properties
{
class StylePropertyGroup;
}

namespace Quilt::Quick
{
// Writes a Style's values (paddings, insets, spacing, font, colour, a button's
// icon)
// straight onto its item whenever the query result changes, in place of one
// binding per value.
//
// A value that the application gives the item itself wins: a property that
// carries a binding, or that changed to something the applier did not write,
// is the application's from then on and never written again. Setting one of
// the item's shorthands (`padding`, `horizontalPadding`, `verticalPadding`)
// hands the sides under it to the application, so that they follow the
// shorthand, for as long as it is a finite number. Where the item can tell
// that a value was reset (the controls of the templates), the style's value
// comes back.
//
// The item's change signals reach `receiverSlot` of `receiver`, which passes
// them on to targetChanged().
class StyleApplier
{
public:
    StyleApplier(QObject* target, QuickStyle::AppliedValues values, QObject* receiver, int receiverSlot);
    ~StyleApplier();
    Q_DISABLE_COPY_MOVE(StyleApplier)

    // Before the receiver takes another applier for the same item.
    void disconnect(QObject* receiver, int receiverSlot);

    QuickStyle::AppliedValues values() const;
    // Takes the values of a new result; null for none at all.
    void apply(const Properties::StylePropertyGroup* result);
    // The palette changed: colours of the same result read otherwise.
    void colorsChanged(const Properties::StylePropertyGroup* result);

    // A change signal of the item, by its method index.
    void targetChanged(int signal);

private:
    enum Slot
    {
        LeftPadding,
        RightPadding,
        TopPadding,
        BottomPadding,
        LeftInset,
        RightInset,
        TopInset,
        BottomInset,
        Spacing,
        Font,
        Color,
        SlotCount
    };
    enum Shorthand
    {
        Padding,
        HorizontalPadding,
        VerticalPadding,
        ShorthandCount
    };

    struct Entry
    {
        int property = -1;
        int notify = -1;
        // What the style gives now; invalid when it gives nothing.
        QVariant style;
        // What the item read right after the applier's last write; invalid
        // when the applier has not written the property, or reset it since.
        QVariant written;
        // For a property without a reset: what it held before the applier
        // first wrote it, which stands in for the reset.
        QVariant original;
        bool owned = false;
    };

    // The icon is one value of the button, its parts each the style's or
    // the application's on their own.
    enum IconPart
    {
        IconName,
        IconSource,
        IconWidth,
        IconHeight,
        IconColor,
        IconPartCount
    };
    struct IconEntry
    {
        QVariant style;
        QVariant written;
        bool owned = false;
    };

    void claimInitialValues();
    // The button whose icon is written; null where the icon is not applied,
    // and while the item is destroyed, when it is a button no longer.
    QQuickAbstractButton* button() const;
    bool beingDestroyed() const;
    void takeIconValues(const Properties::StylePropertyGroup* result, bool colorOnly);
    void updateIcon();
    void iconChanged();
    qreal shorthandValue(Shorthand shorthand) const;
    void update(Slot slot);
    // The application gave the shorthand: the sides under it follow it.
    void yield(Shorthand shorthand);
    bool yielded(Slot slot) const;
    void write(Slot slot, const QVariant& value);
    void reset(Slot slot);
    bool hasBinding(int property) const;
    // Whether the item still holds a value that the application set itself;
    // false when it holds the applier's value or none at all.
    bool setElsewhere(Slot slot) const;
    // For a template control: whether a side or inset is set at all (a reset
    // clears it); -1 where the item cannot tell.
    int explicitlySet(Slot slot) const;

    QObject* m_target;
    QQuickControl* m_control;
    QuickStyle::AppliedValues m_values;
    std::array<Entry, SlotCount> m_entries;
    std::array<int, ShorthandCount> m_shorthands { -1, -1, -1 };
    std::array<int, ShorthandCount> m_shorthandNotify { -1, -1, -1 };
    std::array<bool, ShorthandCount> m_given {};
    int m_iconNotify = -1;
    std::array<IconEntry, IconPartCount> m_icon;
    bool m_writing = false;
};
} // namespace Quilt::Quick
