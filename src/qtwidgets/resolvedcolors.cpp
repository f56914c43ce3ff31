#include "resolvedcolors.h"

#include "widgetfacts.h"

#include "color.h"

#include <QHash>

namespace
{
struct Resolved
{
    // Holds the payload, so that its address is not given to another colour
    // while the entry lives.
    Quilt::Color color;
    QColor value;
};

// A style resolves a few hundred distinct colours at most; past this, some
// were made afresh (a style loaded again, properties copied): start over.
constexpr qsizetype s_largest = 2048;

struct ResolvedColors
{
    QHash<const Quilt::ColorData*, Resolved> colors;
    quint64 generation = 0;
};

ResolvedColors& resolvedColors()
{
    static ResolvedColors table;
    return table;
}
} // namespace

QColor resolvedColor(const Quilt::Color& color)
{
    const Quilt::ColorData* data = color.data();
    if (!data) {
        return QColor(Qt::transparent);
    }
    if (data->type == Quilt::Color::Rgba) {
        return QColor(color.red(), color.green(), color.blue(), color.alpha());
    }
    ResolvedColors& table = resolvedColors();
    const quint64 generation = styleGeneration();
    if (table.generation != generation || table.colors.size() >= s_largest) {
        table.colors.clear();
        table.generation = generation;
    }
    if (const auto known = table.colors.constFind(data); known != table.colors.cend()) {
        return known->value;
    }
    const QColor value = color.toQColor();
    table.colors.insert(data, Resolved { color, value });
    return value;
}
