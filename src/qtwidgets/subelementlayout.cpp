#include "subelementlayout.h"

#include "conversions.h"
#include "elementnames.h"

#include "properties.h"

#include <algorithm>
#include <array>

using Quilt::Properties::Alignment;

namespace
{
constexpr int value(Alignment alignment)
{
    return int(alignment);
}

int groupOf(int horizontal)
{
    switch (Alignment(horizontal)) {
    case Alignment::Unspecified:
    case Alignment::Start:
    case Alignment::StackCenter:
    case Alignment::StackFill:
        return SubElementGroup::Start;
    case Alignment::Center:
        return SubElementGroup::Centre;
    case Alignment::End:
        return SubElementGroup::End;
    case Alignment::Fill:
        return SubElementGroup::Fill;
    }
    return -1;
}

bool isStacked(int vertical)
{
    return vertical == value(Alignment::StackCenter) || vertical == value(Alignment::StackFill);
}

// The group's own extent before it is positioned; its origin is the content's.
void sizeGroup(SubElementGroup& group, const QRectF& content, double spacing)
{
    if (group.items.isEmpty()) {
        group.rect = QRectF(0, 0, 0, 0);
        return;
    }

    const bool stacked = std::any_of(group.items.cbegin(), group.items.cend(),
                                     [](const auto& item) { return isStacked(item.vertical); });
    double width = 0;
    double height = 0;
    if (stacked) {
        width = std::max(group.items.last().rect.width() + spacing, content.width());
        for (const auto& item : group.items) {
            height += item.rect.height() + spacing;
        }
    } else {
        for (const auto& item : group.items) {
            width += item.rect.width() + spacing;
        }
        height = std::max(group.items.last().rect.height(), content.height());
    }
    group.rect = QRectF(content.topLeft(), QSizeF(width, height));
}

void placeItems(SubElementGroup& group, double spacing, SubElementLayout& result)
{
    const double gh = group.rect.height();
    const int s = group.items.isEmpty() ? 0 : int(spacing);
    QPointF pen = group.rect.topLeft();
    double remaining = group.rect.width();

    for (auto item : group.items) {
        QRectF& rect = item.rect;
        const double w = rect.width();
        const double h = rect.height();

        switch (Alignment(item.horizontal)) {
        case Alignment::Unspecified:
        case Alignment::Start:
        case Alignment::End:
        case Alignment::StackCenter:
        case Alignment::StackFill:
            rect.moveLeft(pen.x());
            pen.rx() += w + s;
            remaining -= w + s;
            break;
        case Alignment::Center:
            if (isStacked(item.vertical)) {
                rect = centeredRect(QRectF(QRectF(pen.x(), pen.y(), remaining, gh).toRect()), w, h);
            } else if (group.items.size() > 1) {
                rect.moveLeft(pen.x());
                pen.rx() += w + s;
                remaining -= w + s;
            } else {
                rect.moveLeft(pen.x() + remaining / 2 - w / 2);
                rect.moveTop(pen.y() + gh / 2 - h / 2);
            }
            break;
        case Alignment::Fill:
            rect.moveLeft(pen.x());
            rect.setWidth(std::max(0.0, remaining));
            pen.rx() += w + s;
            remaining -= w + s;
            break;
        }

        switch (Alignment(item.vertical)) {
        case Alignment::Unspecified:
        case Alignment::Start:
            rect.moveTop(pen.y());
            break;
        case Alignment::Center: {
            const double width = rect.width();
            rect.moveLeft(double(qint64(rect.x() + width / 2)) - width / 2);
            rect.moveTop(double(qint64(pen.y() + gh / 2)) - h / 2);
            break;
        }
        case Alignment::End:
            rect.moveTop(pen.y() + gh - h);
            break;
        case Alignment::Fill:
            rect.moveTop(pen.y());
            rect.setHeight(gh);
            break;
        case Alignment::StackCenter:
        case Alignment::StackFill:
            rect.moveTop(pen.y());
            pen.ry() += h + s;
            break;
        }

        result.insert(item.name, item);
    }
}
} // namespace

SubElementLayout arrangeSubElements(const QList<SubElementItem>& items, const QRectF& content, double spacing)
{
    std::array<SubElementGroup, 4> groups;
    for (int i = 0; i < 4; ++i) {
        groups[i].index = i;
    }
    for (const auto& item : items) {
        const int index = groupOf(item.horizontal);
        if (index >= 0) {
            groups[index].items.append(item);
        }
    }

    for (auto& group : groups) {
        // Equal orders keep the order of the names.
        std::stable_sort(group.items.begin(), group.items.end(),
                         [](const auto& a, const auto& b) { return a.order < b.order; });
        sizeGroup(group, content, spacing);
    }

    auto& start = groups[SubElementGroup::Start];
    auto& centre = groups[SubElementGroup::Centre];
    auto& end = groups[SubElementGroup::End];
    auto& fill = groups[SubElementGroup::Fill];

    SubElementLayout result;

    start.rect.moveLeft(content.x());
    placeItems(start, spacing, result);

    // An empty end group is positioned too: it marks the right edge that the
    // fill group runs up to.
    end.rect.moveLeft(content.x() + content.width() - end.rect.width());
    placeItems(end, spacing, result);

    centre.rect.moveCenter(content.center());
    if (centre.rect.intersects(start.rect) && !start.items.isEmpty()) {
        const double shift = start.rect.width() + spacing;
        centre.rect.moveLeft(centre.rect.x() + shift);
        centre.rect.setWidth(std::max(0.0, centre.rect.width() - shift));
    }
    if (centre.rect.intersects(end.rect)) {
        centre.rect.setWidth(std::max(0.0, content.x() + content.width() - centre.rect.x()));
        if (!end.items.isEmpty()) {
            centre.rect.setWidth(std::max(0.0, end.rect.x() - spacing - centre.rect.x()));
        }
    }
    placeItems(centre, spacing, result);

    // Start and end groups wider than the content leave no room, not a
    // negative width.
    fill.rect.moveLeft(start.rect.x() + start.rect.width());
    fill.rect.setWidth(std::max(0.0, end.rect.x() - fill.rect.x()));
    placeItems(fill, spacing, result);

    return result;
}

QRectF layoutContentsRect(const SubElementLayout& layout)
{
    QRectF united;
    for (auto it = layout.cbegin(); it != layout.cend(); ++it) {
        if (it.key() == ElementNames::Indicator) {
            continue;
        }
        united |= QRectF(it->rect.toRect());
    }
    if (united.isNull()) {
        return QRectF(0, 0, 0, 0);
    }
    return united;
}

void mirrorSubElements(SubElementLayout& layout, Qt::LayoutDirection direction, const QRectF& bounds)
{
    if (direction != Qt::RightToLeft) {
        return;
    }
    for (auto& item : layout) {
        item.rect.moveLeft(2 * bounds.x() + bounds.width() - item.rect.x() - item.rect.width());
    }
}
