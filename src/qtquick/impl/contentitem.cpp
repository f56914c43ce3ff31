#include "contentitem.h"

#include "alignmentpropertygroup.h"
#include "color.h"
#include "elementquery.h"
#include "icon.h"
#include "iconpropertygroup.h"
#include "layoutgeometry_p.h"
#include "layoutpropertygroup.h"
#include "mnemonics.h"
#include "positioneditem.h"
#include "quickattached_p.h"
#include "quicklogging_p.h"
#include "quickstyle.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QtQuick/private/qquickitem_p.h>
#include <QtQuick/private/qquicktext_p.h>
#include <QtQuickTemplates2/private/qquickabstractbutton_p.h>
#include <QtQuickTemplates2/private/qquickicon_p.h>

#include <cmath>
#include <optional>

namespace Quilt::Quick
{
namespace
{
const Properties::StylePropertyGroup* resolvedProperties(QObject* object, bool create = true)
{
    QuickStyle* style = detail::attachedObject<QuickStyle>(object, create);
    ElementQuery* query = style ? style->query() : nullptr;
    return query ? query->properties() : nullptr;
}

// A length given as no finite number counts as none.
double finite(double length)
{
    return std::isfinite(length) ? length : 0.0;
}

bool explicitlyVisible(QQuickItem* item)
{
    return QQuickItemPrivate::get(item)->explicitVisible;
}

// The text's own line alignment follows the vertical member of the style's
// text alignment: lines stacked around the centre are centred, stacked to
// fill they are justified, anything else starts them at the left. The
// centred value is Qt's combined centre flag, as the text item is given it.
int lineAlignment(const Properties::StylePropertyGroup* style)
{
    const Properties::AlignmentPropertyGroup* alignment = style && style->text() ? style->text()->alignment() : nullptr;
    switch (alignment ? alignment->vertical().value_or(Properties::Alignment::Unspecified)
                      : Properties::Alignment::Unspecified) {
    case Properties::Alignment::StackCenter:
        return Qt::AlignCenter;
    case Properties::Alignment::StackFill:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

// One line is laid out, and elided again at every resize, over its whole
// length, though no screen shows more than a few thousand characters of it:
// a longer one keeps its first and last 2,048, for an elision on either side.
QString shownLabel(const QString& label, bool wraps)
{
    constexpr qsizetype kept = 2048;
    if (wraps || label.size() <= 2 * kept) {
        return label;
    }
    return label.first(kept) + label.last(kept);
}
} // namespace

class ContentItemPrivate
{
public:
    explicit ContentItemPrivate(ContentItem* q)
        : q(q)
    { }

    // The part of the layout each entry stands for.
    enum class Kind
    {
        Icon,
        Text,
        Part,
    };

    struct Placed
    {
        QQuickItem* item = nullptr;
        QRectF geometry;
    };

    void connectControl();
    void disconnectControl();
    void watchPart(QQuickItem* part);
    void unwatchPart(QQuickItem* part);
    void ensureIcon();
    void updateTextStyle();
    void updateTextColor();
    void layOut();
    void applyGeometry();
    bool appendEntry(LayoutPass& pass, Kind kind, QQuickItem* item, const Properties::StylePropertyGroup* controlStyle,
                     bool fallback);

    ContentItem* q;
    // Read through button(): a control being destroyed (its derived
    // destructors done, children still about) is no button any more, and
    // must not be cast to one.
    QPointer<QObject> control;
    QQuickAbstractButton* button() const { return qobject_cast<QQuickAbstractButton*>(control.data()); }
    QList<QQuickItem*> parts;
    QQuickText* text = nullptr;
    Icon* icon = nullptr;
    Mnemonics* mnemonics = nullptr;
    // Set from outside; the style's values stand while unset.
    std::optional<int> wrapMode;
    std::optional<int> elide;
    int effectiveWrap = QQuickText::NoWrap;
    int effectiveElide = QQuickText::ElideRight;
    int alignment = Qt::AlignCenter;
    double shift = 0;
    QSizeF controlSize { -1, -1 };
    // Where the last pass put each item, in the control's coordinates after
    // the mirroring, kept so that a shift moves them without a new pass.
    QList<Placed> placed;
    bool dirty = true;
    bool placing = false;
    bool completed = false;
    bool iconShown = false;
};

void ContentItemPrivate::connectControl()
{
    QQuickAbstractButton* c = button();
    if (!c) {
        return;
    }
    const auto checkSize = [this] {
        QQuickAbstractButton* c = button();
        if (!c) {
            return;
        }
        const QSizeF size = c->size();
        if (fuzzyEqual(size.width(), controlSize.width()) && fuzzyEqual(size.height(), controlSize.height())) {
            return;
        }
        controlSize = size;
        q->markDirty();
    };
    QObject::connect(c, &QQuickItem::widthChanged, q, checkSize);
    QObject::connect(c, &QQuickItem::heightChanged, q, checkSize);
    for (auto signal :
         { &QQuickControl::leftPaddingChanged, &QQuickControl::rightPaddingChanged, &QQuickControl::topPaddingChanged,
           &QQuickControl::bottomPaddingChanged, &QQuickControl::leftInsetChanged, &QQuickControl::rightInsetChanged,
           &QQuickControl::topInsetChanged, &QQuickControl::bottomInsetChanged, &QQuickControl::spacingChanged,
           &QQuickControl::mirroredChanged }) {
        QObject::connect(c, signal, q, &ContentItem::markDirty);
    }
    QObject::connect(c, &QQuickAbstractButton::textChanged, q, &ContentItem::updateLabel);
    QObject::connect(c, &QQuickItem::enabledChanged, q, &ContentItem::updateLabel);
    QObject::connect(c, &QQuickItem::visibleChanged, q, &ContentItem::updateLabel);
    QObject::connect(c, &QQuickAbstractButton::displayChanged, q, &ContentItem::updateLabel);
    QObject::connect(c, &QQuickControl::fontChanged, q, [this, c] { text->setFont(c->font()); });
    QObject::connect(c, &QQuickAbstractButton::displayChanged, q, &ContentItem::updateIcon);
    QObject::connect(c, &QQuickAbstractButton::iconChanged, q, &ContentItem::updateIcon);
    // The control's own style: its text and icon values are the content's.
    // Made before the filter is in place, since a new style reports its first
    // result to the control at once, and the content reads the style again.
    detail::attachedObject<QuickStyle>(c, true);
    c->installEventFilter(q);
}

void ContentItemPrivate::disconnectControl()
{
    if (QQuickAbstractButton* c = button()) {
        QObject::disconnect(c, nullptr, q, nullptr);
        c->removeEventFilter(q);
    }
}

void ContentItemPrivate::watchPart(QQuickItem* part)
{
    QObject::connect(part, &QQuickItem::implicitWidthChanged, q, &ContentItem::markDirty);
    QObject::connect(part, &QQuickItem::implicitHeightChanged, q, &ContentItem::markDirty);
    QObject::connect(part, &QQuickItem::visibleChanged, q, &ContentItem::markDirty);
    const auto moved = [this] {
        if (!placing) {
            q->markDirty();
        }
    };
    QObject::connect(part, &QQuickItem::xChanged, q, moved);
    QObject::connect(part, &QQuickItem::yChanged, q, moved);
    QObject::connect(part, &QObject::destroyed, q, [this, part] {
        if (parts.removeAll(part) > 0) {
            q->markDirty();
        }
    });
    part->installEventFilter(q);
}

void ContentItemPrivate::unwatchPart(QQuickItem* part)
{
    QObject::disconnect(part, nullptr, q, nullptr);
    part->removeEventFilter(q);
}

void ContentItemPrivate::ensureIcon()
{
    if (icon) {
        return;
    }
    icon = new Icon(q);
    icon->setTintsFiles(true);
    // The icon stands before the text, as it is laid out.
    icon->stackBefore(text);
    QObject::connect(icon, &QQuickItem::implicitWidthChanged, q, &ContentItem::markDirty);
    QObject::connect(icon, &QQuickItem::implicitHeightChanged, q, &ContentItem::markDirty);
    Q_EMIT q->iconItemChanged();
}

void ContentItemPrivate::updateTextStyle()
{
    QQuickAbstractButton* c = button();
    const Properties::StylePropertyGroup* style = c ? resolvedProperties(c, false) : nullptr;
    const Properties::TextPropertyGroup* textGroup = style ? style->text() : nullptr;
    const int styleWrap = textGroup && textGroup->wrapMode() ? int(*textGroup->wrapMode()) : int(QQuickText::NoWrap);
    int styleElide = QQuickText::ElideRight;
    if (textGroup && textGroup->elide()) {
        switch (*textGroup->elide()) {
        case Properties::TextElide::None:
            styleElide = QQuickText::ElideNone;
            break;
        case Properties::TextElide::Left:
            styleElide = QQuickText::ElideLeft;
            break;
        case Properties::TextElide::Middle:
            styleElide = QQuickText::ElideMiddle;
            break;
        default:
            break;
        }
    }
    const int wrap = wrapMode.value_or(styleWrap);
    const int elideMode = elide.value_or(styleElide);
    text->setWrapMode(QQuickText::WrapMode(wrap));
    text->setElideMode(wrap == QQuickText::NoWrap ? QQuickText::TextElideMode(elideMode) : QQuickText::ElideNone);
    text->setHAlign(QQuickText::HAlignment(lineAlignment(style)));
    updateTextColor();
    const bool wrapChanged = wrap != effectiveWrap;
    const bool elideChanged = elideMode != effectiveElide;
    effectiveWrap = wrap;
    effectiveElide = elideMode;
    if (wrapChanged) {
        // A label that wraps is laid out whole.
        q->updateLabel();
        Q_EMIT q->wrapModeChanged();
    }
    if (elideChanged) {
        Q_EMIT q->elideChanged();
    }
}
void ContentItemPrivate::updateTextColor()
{
    QQuickAbstractButton* c = button();
    const Properties::StylePropertyGroup* style = c ? resolvedProperties(c, false) : nullptr;
    const Properties::TextPropertyGroup* textGroup = style ? style->text() : nullptr;
    const std::optional<Color> color = textGroup ? textGroup->color() : std::nullopt;
    text->setColor(color ? color->toQColor() : QColor(Qt::black));
}

bool ContentItemPrivate::appendEntry(LayoutPass& pass, Kind kind, QQuickItem* item,
                                     const Properties::StylePropertyGroup* controlStyle, bool fallback)
{
    PositionedItem* positioned = kind == Kind::Part ? detail::attachedObject<PositionedItem>(item, false) : nullptr;
    PositionerSource::Source source = PositionerSource::Source::Layout;
    const Properties::StylePropertyGroup* style = controlStyle;
    QSizeF implicitSize(item->implicitWidth(), item->implicitHeight());
    QSizeF minimumSize(0, 0);
    switch (kind) {
    case Kind::Icon:
        source = PositionerSource::Source::Icon;
        if (QQuickAbstractButton* c = button()) {
            const QQuickIcon settings = c->icon();
            minimumSize = QSizeF(std::max(0, settings.width()), std::max(0, settings.height()));
        }
        break;
    case Kind::Text:
        source = PositionerSource::Source::Text;
        break;
    case Kind::Part:
        if (positioned) {
            source = positioned->source();
            minimumSize = QSizeF(std::max(0.0, positioned->minimumWidth()), std::max(0.0, positioned->minimumHeight()));
        }
        style = resolvedProperties(item);
        if (!style) {
            // Its style event marks the layout dirty once it answers.
            return false;
        }
        break;
    }

    LayoutItem layoutItem;
    layoutItem.implicitSize = implicitSize;
    layoutItem.minimumSize = minimumSize;
    layoutItem.item = item;

    Properties::Alignment h = Properties::Alignment::Unspecified;
    Properties::Alignment v = Properties::Alignment::Unspecified;
    std::optional<Properties::AlignmentContainer> container;
    if (fallback) {
        // Neither the icon nor the text is placed by the style: the content
        // box holds them at the content's own alignment, the text under the
        // icon when the control says so.
        const int horizontal = alignment & Qt::AlignHorizontal_Mask;
        h = horizontal & Qt::AlignLeft    ? Properties::Alignment::Start
            : horizontal & Qt::AlignRight ? Properties::Alignment::End
                                          : Properties::Alignment::Center;
        v = button() && button()->display() == QQuickAbstractButton::TextUnderIcon ? Properties::Alignment::StackCenter
                                                                                   : Properties::Alignment::Center;
        container = Properties::AlignmentContainer::Content;
        layoutItem.order = kind == Kind::Icon ? 0 : 1;
    } else {
        const Properties::AlignmentPropertyGroup* group = alignmentGroup(style, source);
        if (!group) {
            return true;
        }
        h = group->horizontal().value_or(Properties::Alignment::Unspecified);
        v = group->vertical().value_or(Properties::Alignment::Unspecified);
        if (positioned && positioned->horizontalAlignment() != Properties::Alignment::Unspecified) {
            h = positioned->horizontalAlignment();
        }
        if (positioned && positioned->verticalAlignment() != Properties::Alignment::Unspecified) {
            v = positioned->verticalAlignment();
        }
        container = group->container();
        layoutItem.order = group->order().value_or(0);
        if (source == PositionerSource::Source::Layout && style->layout() && style->layout()->margins()) {
            layoutItem.margins = style->layout()->margins()->toMargins();
        }
    }
    layoutItem.verticalAlignment = int(v);

    fileItem(pass, layoutItem, h, v, container);
    return true;
}

void ContentItemPrivate::layOut()
{
    QQuickAbstractButton* c = button();
    if (!dirty || !c) {
        return;
    }
    // Without an answer from the style (none yet, or no style at all) the
    // icon and the text still give the content its own size.
    const Properties::StylePropertyGroup* controlStyle = resolvedProperties(c, false);
    dirty = false;

    const bool contentShown = explicitlyVisible(q);
    const bool iconPlaced = contentShown && icon && iconShown;
    const bool textPlaced = contentShown && explicitlyVisible(text);
    const bool styled = controlStyle
        && ((controlStyle->icon() && controlStyle->icon()->alignment())
            || (controlStyle->text() && controlStyle->text()->alignment()));

    LayoutPass pass;
    bool contentListed = parts.contains(q);
    const auto appendContent = [&] {
        if (iconPlaced) {
            appendEntry(pass, Kind::Icon, icon, controlStyle, !styled);
        }
        if (textPlaced) {
            appendEntry(pass, Kind::Text, text, controlStyle, !styled);
        }
    };
    if (!contentListed) {
        appendContent();
    }
    for (QQuickItem* part : std::as_const(parts)) {
        if (part == q) {
            appendContent();
        } else if (explicitlyVisible(part) && !appendEntry(pass, Kind::Part, part, controlStyle, false)) {
            dirty = true;
        }
    }

    const double leftPadding = finite(c->leftPadding());
    const double topPadding = finite(c->topPadding());
    const double rightPadding = finite(c->rightPadding());
    const double bottomPadding = finite(c->bottomPadding());
    pass.controlSize = c->size();
    pass.spacing = finite(c->spacing());
    pass.padding = QMarginsF(leftPadding, topPadding, rightPadding, bottomPadding);
    pass.inset
        = QMarginsF(finite(c->leftInset()), finite(c->topInset()), finite(c->rightInset()), finite(c->bottomInset()));
    computeLayout(pass);

    // The control adds its paddings back: what the content claims is the
    // rest of what the layout needs.
    q->setImplicitSize(finite(pass.implicitSize.width() - leftPadding - rightPadding),
                       finite(pass.implicitSize.height() - topPadding - bottomPadding));

    const bool rightToLeft = c->isMirrored() || QGuiApplication::layoutDirection() == Qt::RightToLeft;
    const double controlWidth = c->width();
    placed.clear();
    for (const auto kind :
         { LayoutPass::ItemContainer, LayoutPass::BackgroundContainer, LayoutPass::ContentContainer }) {
        for (const LayoutBucket& bucket : std::as_const(pass.container(kind).buckets)) {
            for (const LayoutItem& item : std::as_const(bucket.items)) {
                QRectF geometry = item.geometry;
                if (rightToLeft) {
                    geometry.moveLeft(controlWidth - geometry.width() - geometry.x());
                }
                placed.append({ item.item, geometry });
            }
        }
    }
    applyGeometry();
}

void ContentItemPrivate::applyGeometry()
{
    QQuickAbstractButton* c = button();
    if (!c) {
        return;
    }
    placing = true;
    for (const Placed& entry : std::as_const(placed)) {
        QQuickItem* item = entry.item;
        const bool own = item == icon || item == text;
        const QPointF position = c->mapToItem(own ? q : item->parentItem(), entry.geometry.topLeft());
        item->setX(std::round(position.x()) + (own ? shift : 0.0));
        item->setY(std::round(position.y()));
        item->setSize(QSizeF(std::ceil(entry.geometry.width()), std::ceil(entry.geometry.height())));
    }
    placing = false;
}

ContentItem::ContentItem(QQuickItem* parent)
    : QQuickItem(parent)
    , d(std::make_unique<ContentItemPrivate>(this))
{
    d->text = new QQuickText(this);
    connect(d->text, &QQuickItem::implicitWidthChanged, this, &ContentItem::markDirty);
    connect(d->text, &QQuickItem::implicitHeightChanged, this, &ContentItem::markDirty);
    d->mnemonics = detail::attachedObject<Mnemonics>(this, true);
    d->mnemonics->setControlType(Mnemonics::ActionElement);
    connect(d->mnemonics, &Mnemonics::richTextLabelChanged, this, &ContentItem::updateLabel);
}

ContentItem::~ContentItem() = default;

QQuickItem* ContentItem::control() const
{
    return d->button();
}

void ContentItem::setControl(QQuickItem* control)
{
    auto* button = qobject_cast<QQuickAbstractButton*>(control);
    if (button == d->button()) {
        return;
    }
    d->disconnectControl();
    d->control = button;
    d->controlSize = QSizeF(-1, -1);
    d->connectControl();
    if (button) {
        d->text->setFont(button->font());
        // Only a control being created has a completion to wait for; one
        // that exists already is laid out in the polish phase alone.
        if (QObject* component = qmlAttachedPropertiesObject<QQmlComponent>(button)) {
            connect(component, SIGNAL(completed()), this, SLOT(layOutOnCompletion()), Qt::UniqueConnection);
        }
    }
    updateLabel();
    updateIcon();
    d->updateTextStyle();
    markDirty();
    Q_EMIT controlChanged();
}

QList<QQuickItem*> ContentItem::parts() const
{
    return d->parts;
}

void ContentItem::setParts(const QList<QQuickItem*>& parts)
{
    QList<QQuickItem*> unique;
    for (QQuickItem* part : parts) {
        if (part && !unique.contains(part)) {
            unique.append(part);
        }
    }
    if (unique == d->parts) {
        return;
    }
    for (QQuickItem* part : std::as_const(d->parts)) {
        if (part != this && !unique.contains(part)) {
            d->unwatchPart(part);
        }
    }
    for (QQuickItem* part : std::as_const(unique)) {
        if (part != this && !d->parts.contains(part)) {
            d->watchPart(part);
        }
    }
    d->parts = unique;
    markDirty();
    Q_EMIT partsChanged();
}

int ContentItem::wrapMode() const
{
    return d->effectiveWrap;
}

void ContentItem::setWrapMode(int mode)
{
    if (d->wrapMode == mode) {
        return;
    }
    d->wrapMode = mode;
    d->updateTextStyle();
}

void ContentItem::resetWrapMode()
{
    if (!d->wrapMode) {
        return;
    }
    d->wrapMode.reset();
    d->updateTextStyle();
}

int ContentItem::elide() const
{
    return d->effectiveElide;
}

void ContentItem::setElide(int mode)
{
    if (d->elide == mode) {
        return;
    }
    d->elide = mode;
    d->updateTextStyle();
}

void ContentItem::resetElide()
{
    if (!d->elide) {
        return;
    }
    d->elide.reset();
    d->updateTextStyle();
}

int ContentItem::alignment() const
{
    return d->alignment;
}

void ContentItem::setAlignment(int alignment)
{
    if (d->alignment == alignment) {
        return;
    }
    d->alignment = alignment;
    markDirty();
    Q_EMIT alignmentChanged();
}

double ContentItem::shift() const
{
    return d->shift;
}

void ContentItem::setShift(double shift)
{
    if (d->shift == shift) {
        return;
    }
    d->shift = shift;
    d->applyGeometry();
    Q_EMIT shiftChanged();
}

QQuickItem* ContentItem::iconItem() const
{
    return d->icon;
}

QQuickItem* ContentItem::textItem() const
{
    return d->text;
}

bool ContentItem::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QuickStyleUpdatedEvent::s_type) {
        if (watched == d->button()) {
            d->updateTextStyle();
            updateIcon();
        }
        markDirty();
    } else if (event->type() == PositionedItemChangedEvent::s_type) {
        markDirty();
    } else if (event->type() == QuickStyleColorsChangedEvent::s_type && watched == d->button()) {
        d->updateTextColor();
    }
    return QQuickItem::eventFilter(watched, event);
}

void ContentItem::classBegin()
{
    QQuickItem::classBegin();
    // The label takes its properties while the document is built and is laid
    // out once when it completes, not once per property.
    static_cast<QQmlParserStatus*>(d->text)->classBegin();
}

void ContentItem::componentComplete()
{
    QQuickItem::componentComplete();
    // The label's rich text (an underlined mnemonic) resolves against the
    // document's context, as a text declared there would.
    if (QQmlContext* context = qmlContext(this)) {
        QQmlEngine::setContextForObject(d->text, context);
    }
    d->completed = true;
    static_cast<QQmlParserStatus*>(d->text)->componentComplete();
}

void ContentItem::updatePolish()
{
    d->layOut();
}

void ContentItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    // The icon and the text are placed where the control's layout puts them:
    // when the control moves this item after a pass (a size given before its
    // paddings, say), the next pass puts them back in their place.
    if (newGeometry.topLeft() != oldGeometry.topLeft()) {
        markDirty();
    }
}

void ContentItem::markDirty()
{
    d->dirty = true;
    polish();
}

void ContentItem::layOutOnCompletion()
{
    // A view reads a new delegate's size as soon as the delegate is created
    // and goes on creating rows until its area is filled: a control that
    // waited for the polish phase would measure nothing then.
    d->layOut();
}

void ContentItem::updateLabel()
{
    QQuickAbstractButton* c = d->button();
    const QString label = c ? c->text() : QString();
    d->mnemonics->setEnabled(c && c->isEnabled() && c->isVisible());
    d->mnemonics->setLabel(label);
    const QString shown = shownLabel(d->mnemonics->richTextLabel(), d->effectiveWrap != QQuickText::NoWrap);
    d->text->setText(shown);
    d->text->setVisible(c && c->display() != QQuickAbstractButton::IconOnly && !shown.isEmpty());
}

void ContentItem::updateIcon()
{
    QQuickAbstractButton* c = d->button();
    const QQuickIcon settings = c ? c->icon() : QQuickIcon();
    const bool shown = c && (!settings.name().isEmpty() || !settings.source().isEmpty())
        && c->display() != QQuickAbstractButton::TextOnly;
    if (shown) {
        d->ensureIcon();
    }
    if (d->icon) {
        double width = settings.width();
        double height = settings.height();
        if (width <= 0 || height <= 0) {
            const Properties::StylePropertyGroup* style = c ? resolvedProperties(c, false) : nullptr;
            if (style && style->icon()) {
                width = style->icon()->width().value_or(0);
                height = style->icon()->height().value_or(0);
            }
        }
        d->icon->setName(settings.name());
        d->icon->setSource(settings.source());
        d->icon->setColor(settings.color());
        // An icon the platform cannot find shows nothing: it must not push
        // the text aside either.
        if (!d->icon->showsAnything()) {
            width = 0;
            height = 0;
        }
        d->icon->setImplicitWidth(width);
        d->icon->setImplicitHeight(height);
        d->icon->setVisible(shown);
    }
    if (shown != d->iconShown) {
        d->iconShown = shown;
        markDirty();
    }
}
} // namespace Quilt::Quick
