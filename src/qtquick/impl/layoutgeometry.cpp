#include "layoutgeometry_p.h"

#include "alignmentpropertygroup.h"
#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "quicklogging_p.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

#include <QQuickItem>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace Quilt::Quick
{
namespace
{
// Alignment values as the style gives them; see Quilt::Properties::Alignment.
enum VerticalAlignment
{
    Unspecified = 0,
    AlignStart = 1,
    AlignCenter = 2,
    AlignEnd = 3,
    AlignFill = 4,
    StackCenter = 5,
    StackFill = 6,
};

// The spacing goes only between columns that take room.
double gaps(double spacing, std::initializer_list<double> widths)
{
    const auto columns = std::count_if(widths.begin(), widths.end(), [](double w) { return w > 0; });
    return columns > 0 ? spacing * double(columns - 1) : 0.0;
}

void measureBucket(LayoutBucket& bucket)
{
    double implicitWidth = 0;
    double implicitHeight = 0;
    double minimumWidth = 0;
    double minimumHeight = 0;

    if (bucket.isStack()) {
        for (LayoutItem& item : bucket.items) {
            const QMarginsF& m = item.margins;
            item.geometry.moveLeft(0);
            implicitWidth = std::max(implicitWidth, item.implicitSize.width() + m.left() + m.right());
            implicitHeight += item.implicitSize.height() + m.top() + m.bottom();
            minimumWidth = std::max(minimumWidth, item.minimumSize.width() + m.left() + m.right());
            minimumHeight += item.minimumSize.height() + m.top() + m.bottom();
        }
    } else {
        double cursor = 0;
        for (LayoutItem& item : bucket.items) {
            // An item without width is not a column: it would only add spacing.
            if (std::abs(item.implicitSize.width()) <= 1e-12) {
                item.geometry.moveLeft(0);
                continue;
            }
            const QMarginsF& m = item.margins;
            const double x = cursor + (cursor > 0 ? bucket.spacing : 0.0) + m.left();
            item.geometry.moveLeft(x);
            cursor = x + item.implicitSize.width() + m.right();
            implicitHeight = std::max(implicitHeight, item.implicitSize.height() + m.top() + m.bottom());
            minimumWidth += m.left() + item.minimumSize.width() + m.right();
            minimumHeight = std::max(minimumHeight, item.minimumSize.height() + m.top() + m.bottom());
        }
        implicitWidth = cursor;
    }

    bucket.implicitSize = QSizeF(std::ceil(std::max(0.0, implicitWidth)), std::ceil(std::max(0.0, implicitHeight)));
    bucket.minimumSize = QSizeF(minimumWidth, minimumHeight);
}

void placeItems(LayoutBucket& bucket, bool sharesWidth)
{
    if (bucket.items.isEmpty()) {
        return;
    }
    const QRectF& b = bucket.rect;
    const double n = double(bucket.items.size());
    const double share = b.width() / n;
    const double verticalShare = b.height() / n;
    double offset = bucket.stackCenter ? std::max((b.height() - bucket.implicitSize.height()) * 0.5, 0.0) : 0.0;
    double runningX = b.x();

    for (LayoutItem& item : bucket.items) {
        const QMarginsF& m = item.margins;
        double x = item.geometry.x() + b.x();
        double y = b.y();
        // A row's item ends where its bucket does: text that runs past it is
        // elided rather than drawn over the next control.
        const double room = bucket.isStack() ? b.width() : b.x() + b.width() - x - m.right();
        double width = std::max(item.minimumSize.width(), std::min(room, item.implicitSize.width()));
        double height = std::max(item.minimumSize.height(), std::min(b.height(), item.implicitSize.height()));

        if (sharesWidth) {
            runningX += m.left();
            x = runningX;
            width = share - m.left() - m.right();
            runningX += width + m.right();
        }

        switch (item.verticalAlignment) {
        case Unspecified:
        case AlignStart:
            y = b.y() + m.top();
            break;
        case AlignCenter:
            y = b.y() + m.top() + (b.height() - m.top() - m.bottom() - height) * 0.5;
            break;
        case AlignEnd:
            y = b.y() + b.height() - height - m.bottom();
            break;
        case AlignFill:
            y = b.y() + m.top();
            height = b.height() - m.top() - m.bottom();
            break;
        case StackCenter:
            offset += m.top();
            width = std::min(width, b.width());
            x = b.x() + (b.width() - width) * 0.5;
            y = b.y() + offset;
            offset += height + m.bottom();
            break;
        case StackFill:
            offset += m.top();
            y = b.y() + offset;
            width = b.width();
            height = verticalShare - m.top() - m.bottom();
            offset += height + m.bottom();
            break;
        default:
            break;
        }

        item.geometry = QRectF(x, y, width, height);
    }
}

void arrangeContainer(LayoutContainer& c)
{
    LayoutBucket& start = c.bucket(LayoutBucket::Start);
    LayoutBucket& center = c.bucket(LayoutBucket::Center);
    LayoutBucket& end = c.bucket(LayoutBucket::End);
    LayoutBucket& fill = c.bucket(LayoutBucket::Fill);

    for (LayoutBucket& bucket : c.buckets) {
        measureBucket(bucket);
    }

    const double maxHeight = std::max({ c.rect.height(), start.implicitSize.height(), center.implicitSize.height(),
                                        end.implicitSize.height(), fill.implicitSize.height() });
    start.rect.setSize(QSizeF(start.implicitSize.width(), maxHeight));
    end.rect.setSize(QSizeF(end.implicitSize.width(), maxHeight));

    const double startWidth = start.implicitSize.width();
    const double endWidth = end.implicitSize.width();
    const double middle = std::max(fill.implicitSize.width(), center.implicitSize.width());
    c.implicitSize = QSizeF(startWidth + middle + endWidth + gaps(c.spacing, { startWidth, middle, endWidth }),
                            std::max({ start.implicitSize.height(), center.implicitSize.height(),
                                       end.implicitSize.height(), fill.implicitSize.height() }));

    // A container that got no room still shows its items at their implicit size.
    if (c.rect.width() <= 0 || c.rect.height() <= 0) {
        c.rect.setSize(c.implicitSize);
    }

    // Where the columns do not fit, the start column gives way to the end
    // one (an indicator at the end keeps its size, the label before it is
    // elided), and neither runs past the container.
    if (startWidth + endWidth + gaps(c.spacing, { startWidth, endWidth }) > c.rect.width()) {
        const double endRoom = std::max(end.minimumSize.width(), std::min(endWidth, c.rect.width()));
        end.rect.setWidth(endRoom);
        const double startRoom = c.rect.width() - (endRoom > 0 ? endRoom + c.spacing : 0.0);
        start.rect.setWidth(std::max(start.minimumSize.width(), std::min(startWidth, startRoom)));
    }

    const double left = start.rect.width() > 0 ? start.rect.width() + c.spacing : 0.0;
    const double right = end.rect.width() > 0 ? end.rect.width() + c.spacing : 0.0;
    const double fillWidth = c.rect.width() - left - right;

    // Columns taller than the container stand out of it evenly above and
    // below, as a label in a control made too short stays on its middle.
    const double top = c.rect.y() - (maxHeight - c.rect.height()) * 0.5;
    start.rect.moveTopLeft(QPointF(c.rect.x(), top));
    end.rect.moveTopLeft(QPointF(c.rect.x() + c.rect.width() - end.rect.width(), top));
    fill.rect = QRectF(c.rect.x() + left, c.rect.y(), fillWidth, c.rect.height());
    const QSizeF centerSize(std::max(center.minimumSize.width(), std::min(center.implicitSize.width(), fillWidth)),
                            std::max(center.minimumSize.height(), std::min(maxHeight, c.rect.height())));
    center.rect = QRectF(fill.rect.x() + (fillWidth - centerSize.width()) * 0.5,
                         fill.rect.y() + (c.rect.height() - centerSize.height()) * 0.5, centerSize.width(),
                         centerSize.height());

    placeItems(start, false);
    placeItems(center, false);
    placeItems(end, false);
    placeItems(fill, true);
}
} // namespace

void computeLayout(LayoutPass& pass)
{
    for (LayoutContainer& c : pass.containers) {
        c.spacing = pass.spacing;
        for (LayoutBucket& bucket : c.buckets) {
            bucket.spacing = pass.spacing;
            std::stable_sort(bucket.items.begin(), bucket.items.end(),
                             [](const LayoutItem& a, const LayoutItem& b) { return a.order < b.order; });
        }
    }

    LayoutContainer& item = pass.container(LayoutPass::ItemContainer);
    LayoutContainer& content = pass.container(LayoutPass::ContentContainer);
    LayoutContainer& background = pass.container(LayoutPass::BackgroundContainer);

    item.rect = QRectF(0, 0, pass.controlSize.width(), pass.controlSize.height());
    arrangeContainer(item);

    // Content and background share what the item container's start and end columns leave.
    const double w = item.rect.width();
    const double h = item.rect.height();
    const double s = item.bucket(LayoutBucket::Start).rect.width();
    const double e = item.bucket(LayoutBucket::End).rect.width();
    const QMarginsF& inset = pass.inset;
    const QMarginsF& padding = pass.padding;

    background.rect = QRectF(inset.left() + s, inset.top(), w - s - e - inset.left() - inset.right(),
                             h - inset.top() - inset.bottom());
    arrangeContainer(background);
    content.rect = QRectF(padding.left() + s, padding.top(), w - s - e - padding.left() - padding.right(),
                          h - padding.top() - padding.bottom());
    arrangeContainer(content);

    const double middle = std::max(content.implicitSize.width() + padding.left() + padding.right(),
                                   background.implicitSize.width() + inset.left() + inset.right());
    const double startWidth = item.bucket(LayoutBucket::Start).implicitSize.width();
    const double endWidth = item.bucket(LayoutBucket::End).implicitSize.width();
    const double implicitWidth = startWidth + middle + endWidth + gaps(pass.spacing, { startWidth, middle, endWidth });
    const double implicitHeight
        = std::max({ content.implicitSize.height() + padding.top() + padding.bottom(),
                     background.implicitSize.height() + inset.top() + inset.bottom(), item.implicitSize.height() });
    pass.implicitSize = QSizeF(std::ceil(implicitWidth), std::ceil(implicitHeight));
}

void fileItem(LayoutPass& pass, const LayoutItem& item, Properties::Alignment horizontal,
              Properties::Alignment vertical, std::optional<Properties::AlignmentContainer> container)
{
    LayoutPass::ContainerKind containerKind = LayoutPass::ItemContainer;
    switch (container.value_or(Properties::AlignmentContainer::Item)) {
    case Properties::AlignmentContainer::Background:
        containerKind = LayoutPass::BackgroundContainer;
        break;
    case Properties::AlignmentContainer::Content:
        containerKind = LayoutPass::ContentContainer;
        break;
    default:
        break;
    }

    std::optional<LayoutBucket::Kind> bucketKind;
    switch (horizontal) {
    case Properties::Alignment::Start:
        bucketKind = LayoutBucket::Start;
        break;
    case Properties::Alignment::Center:
        bucketKind = LayoutBucket::Center;
        break;
    case Properties::Alignment::End:
        bucketKind = LayoutBucket::End;
        break;
    case Properties::Alignment::Fill:
        bucketKind = LayoutBucket::Fill;
        break;
    case Properties::Alignment::Unspecified:
    case Properties::Alignment::StackCenter:
    case Properties::Alignment::StackFill:
        qCWarning(lcQtQuick) << "Alignment" << horizontal << "not supported for horizontal alignment, item" << item.item
                             << "will use Start alignment";
        bucketKind = LayoutBucket::Start;
        break;
    }
    if (bucketKind) {
        LayoutBucket& bucket = pass.container(containerKind).bucket(*bucketKind);
        bucket.items.append(item);
        bucket.stackCenter = bucket.stackCenter || vertical == Properties::Alignment::StackCenter;
        bucket.stackFill = bucket.stackFill || vertical == Properties::Alignment::StackFill;
    }
}

const Properties::AlignmentPropertyGroup* alignmentGroup(const Properties::StylePropertyGroup* style,
                                                         PositionerSource::Source source)
{
    switch (source) {
    case PositionerSource::Source::Icon:
        return style->icon() ? style->icon()->alignment() : nullptr;
    case PositionerSource::Source::Text:
        return style->text() ? style->text()->alignment() : nullptr;
    case PositionerSource::Source::Layout:
        return style->layout() ? style->layout()->alignment() : nullptr;
    }
    return nullptr;
}

bool fuzzyEqual(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    if (a == 0 || b == 0) {
        return std::abs(a - b) <= 1e-12;
    }
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}
} // namespace Quilt::Quick
