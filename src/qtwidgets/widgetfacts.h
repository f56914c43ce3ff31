#pragma once

#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <optional>

class QObject;

// What the elements read from a widget's dynamic properties, read once per
// widget: a property read by name walks the object's list of names, and every
// request of a paint would otherwise do it again. An entry is dropped when a
// dynamic property of its object changes, when the object is reparented and
// when the style polishes it.
struct WidgetFacts
{
    QPointer<const QObject> guard;
    // The element types of the widget and its ancestors: the list written at
    // polish, else the one worked out from the parent chain. Empty for an
    // object that is not a widget.
    QStringList memberNames;
    bool highlightNeutral = false;
    // The halcyon frame properties, invalid where unset.
    QVariant forceFrame;
    QVariant bordersSides;
};

// Never null for a non-null object; the reference stays valid until the next
// call or the next change of the table.
const WidgetFacts* widgetFacts(const QObject* object);
void forgetWidgetFacts(const QObject* object);
void forgetAllWidgetFacts();
// Changes whenever facts are forgotten: what was worked out from any
// widget's facts holds while it stays the same.
quint64 widgetFactsStamp();

// Counts the changes that every element must answer anew for: another
// application palette, font or layout direction, a window activated or
// deactivated, a style made, polished or gone.
quint64 styleGeneration();
void advanceStyleGeneration();
