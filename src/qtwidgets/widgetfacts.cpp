#include "widgetfacts.h"

#include "quiltstyle.h"

#include <QHash>
#include <QWidget>

namespace
{
constexpr char s_highlightNeutralProperty[] = "_vyr_highlight_neutral";
constexpr char s_forceFrameProperty[] = "_halcyon_force_frame";
constexpr char s_bordersSidesProperty[] = "_halcyon_borders_sides";

quint64 s_generation = 1;
quint64 s_factsStamp = 1;

using FactsTable = QHash<const QObject*, WidgetFacts>;

FactsTable& factsTable()
{
    static FactsTable table;
    return table;
}

// Entries of destroyed objects are found out when their address comes back;
// the others are swept out whenever the table has doubled.
qsizetype s_sweepAt = 256;

void sweep(FactsTable& table)
{
    table.removeIf([](const FactsTable::iterator& it) { return it->guard.isNull(); });
    s_sweepAt = std::max<qsizetype>(256, table.size() * 2);
}
} // namespace

const WidgetFacts* widgetFacts(const QObject* object)
{
    if (!object) {
        return nullptr;
    }
    FactsTable& table = factsTable();
    if (auto it = table.find(object); it != table.end() && it->guard == object) {
        return &*it;
    }
    if (table.size() >= s_sweepAt) {
        sweep(table);
    }
    // Reading a property by name first searches every property the class
    // declares, which for a view or a scroll area is most of the cost of a
    // new widget's first request. These are set as dynamic properties only:
    // those not among the object's are not read.
    const QList<QByteArray> dynamic = object->dynamicPropertyNames();
    const auto read = [&](const char* name) {
        return dynamic.contains(QByteArrayView(name)) ? object->property(name) : QVariant();
    };
    WidgetFacts facts;
    facts.guard = object;
    if (object->isWidgetType()) {
        const auto* widget = static_cast<const QWidget*>(object);
        facts.memberNames = read(MemberListProperty).toStringList();
        if (facts.memberNames.isEmpty()) {
            facts.memberNames = QuiltStyle::memberListForWidget(widget);
        }
    }
    facts.highlightNeutral = read(s_highlightNeutralProperty).toBool();
    facts.forceFrame = read(s_forceFrameProperty);
    facts.bordersSides = read(s_bordersSidesProperty);
    return &*table.insert(object, std::move(facts));
}

void forgetWidgetFacts(const QObject* object)
{
    factsTable().remove(object);
    ++s_factsStamp;
}

void forgetAllWidgetFacts()
{
    factsTable().clear();
    ++s_factsStamp;
}

quint64 widgetFactsStamp()
{
    return s_factsStamp;
}

quint64 styleGeneration()
{
    return s_generation;
}

void advanceStyleGeneration()
{
    ++s_generation;
}
