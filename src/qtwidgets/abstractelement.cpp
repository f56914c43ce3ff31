#include "abstractelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "resolvedcolors.h"
#include "styledrectpainter.h"
#include "widgetfacts.h"
#include "widgetslogging.h"

#include "elementquery.h"
#include "lrucache.h"
#include "stylepropertygroup.h"
#include "styleregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

using Quilt::Element;
using Quilt::ElementChain;
using Quilt::Properties::StylePropertyGroup;

namespace
{
quint64 s_createdChainElements = 0;

// Rounds half away from zero into the int range.
double roundToInt(double value)
{
    const double rounded = std::round(value);
    if (std::isnan(rounded)) {
        return 0;
    }
    return std::clamp(rounded, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max()));
}

QSizeF layoutSize(const StylePropertyGroup* properties)
{
    const auto* layout = properties ? properties->layout() : nullptr;
    if (!layout) {
        return QSizeF(0, 0);
    }
    return QSizeF(layout->width().value_or(0), layout->height().value_or(0));
}

QMarginsF margins(const Quilt::Properties::SizePropertyGroup* group)
{
    return group ? group->toMargins() : QMarginsF();
}

// Measuring a text shapes it, which costs about as much as painting it, and
// every update of an element measures its label again. The measures are kept
// by font, flags, text and the size of the rectangle they are placed in,
// relative to its corner.
struct TextBounds
{
    QFont font;
    int flags = 0;
    QString text;
    QSize area;
    QRect bounds;
};

using TextBoundsCache = Quilt::LruCache<size_t, std::shared_ptr<const TextBounds>, 256>;

QRect textBounds(const QFont& font, const QRect& rect, int flags, const QString& text)
{
    static TextBoundsCache cache;
    const size_t key = qHashMulti(0, font, flags, text, rect.size());
    if (auto entry = cache.get(key)) {
        const TextBounds& known = **entry;
        if (known.flags == flags && known.area == rect.size() && known.text == text && known.font == font) {
            return known.bounds.translated(rect.topLeft());
        }
    }
    const QRect bounds = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), rect.size()), flags, text);
    cache.put(key, std::make_shared<const TextBounds>(TextBounds { font, flags, text, rect.size(), bounds }));
    return bounds.translated(rect.topLeft());
}

// Eliding shapes the text, whether it fits or not, and a label is elided
// again at every paint.
struct ElidedText
{
    QFontMetrics metrics;
    QString text;
    Qt::TextElideMode mode;
    int width;
    QString elided;
};

using ElidedTextCache = Quilt::LruCache<size_t, std::shared_ptr<const ElidedText>, 256>;

QString cachedElidedText(const QFontMetrics& metrics, const QString& text, Qt::TextElideMode mode, int width)
{
    static ElidedTextCache cache;
    const size_t key = qHashMulti(0, text, int(mode), width);
    if (auto entry = cache.get(key)) {
        const ElidedText& known = **entry;
        // Metrics compare equal only when they share their font's data; other
        // equal fonts merely miss.
        if (known.mode == mode && known.width == width && known.text == text && known.metrics == metrics) {
            return known.elided;
        }
    }
    // A text that fits as measured (the way Qt sizes widgets for it) stays
    // whole: eliding with a mnemonic inside the word ("Tab&le") cuts it
    // short even where it fits.
    QString elided = metrics.size(Qt::TextShowMnemonic, text).width() <= width
        ? text
        : metrics.elidedText(text, mode, width, Qt::TextShowMnemonic);
    cache.put(key, std::make_shared<const ElidedText>(ElidedText { metrics, text, mode, width, elided }));
    return elided;
}

// Some icon engines render a pixmap anew on every request (a tinted symbolic
// icon does), and a step button or an arrow is painted on every paint. The
// pixmaps are kept by icon, size, ratio and mode, and by the style
// generation, which a change of theme advances.
struct IconPixmap
{
    qint64 icon = 0;
    QSize size;
    qreal ratio = 1;
    int mode = 0;
    quint64 generation = 0;
    QPixmap pixmap;
};

using IconPixmapCache = Quilt::LruCache<size_t, std::shared_ptr<const IconPixmap>, 128>;

QPixmap iconPixmap(const QIcon& icon, const QSize& size, qreal ratio, QIcon::Mode mode)
{
    static IconPixmapCache cache;
    const quint64 generation = styleGeneration();
    const size_t key = qHashMulti(0, icon.cacheKey(), size, ratio, int(mode), generation);
    if (auto entry = cache.get(key)) {
        const IconPixmap& known = **entry;
        if (known.icon == icon.cacheKey() && known.size == size && known.ratio == ratio && known.mode == int(mode)
            && known.generation == generation) {
            return known.pixmap;
        }
    }
    QPixmap pixmap = icon.pixmap(size, ratio, mode, QIcon::Off);
    cache.put(
        key,
        std::make_shared<const IconPixmap>(IconPixmap { icon.cacheKey(), size, ratio, int(mode), generation, pixmap }));
    return pixmap;
}

void setAlignment(SubElementItem& item, const Quilt::Properties::AlignmentPropertyGroup* alignment)
{
    if (!alignment) {
        return;
    }
    item.horizontal = int(alignment->horizontal().value_or(Quilt::Properties::Alignment::Unspecified));
    item.vertical = int(alignment->vertical().value_or(Quilt::Properties::Alignment::Unspecified));
    item.order = alignment->order().value_or(0);
}
} // namespace

AbstractElement::AbstractElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : m_option(option)
    , m_style(style)
    , m_widget(widget)
    , m_query(std::make_unique<Quilt::ElementQuery>(Quilt::StyleRegistry::instance()->defaultStyle()))
{ }

AbstractElement::~AbstractElement() = default;

void AbstractElement::refresh()
{
    Inputs inputs;
    const bool known = collectInputs(inputs);
    if (known && m_inputs && *m_inputs == inputs) {
        return;
    }
    m_describeAgain = true;
    update();
    if (known) {
        m_inputs = std::move(inputs);
    } else {
        m_inputs.reset();
    }
}

void AbstractElement::rememberInputs()
{
    Inputs inputs;
    if (collectInputs(inputs)) {
        m_inputs = std::move(inputs);
    }
}

bool AbstractElement::retarget(const QStyleOption*, const QWidget*)
{
    return false;
}

void AbstractElement::setTarget(const QStyleOption* option, const QWidget* widget)
{
    m_option = option;
    m_widget = widget;
}

bool AbstractElement::ownInputs(InputValues&) const
{
    return false;
}

bool AbstractElement::updatesFromDescriptionOnly() const
{
    return false;
}

bool AbstractElement::Inputs::operator==(const Inputs& other) const
{
    return option == other.option && widget == other.widget && optionType == other.optionType
        && optionVersion == other.optionVersion && state == other.state && rect == other.rect
        && direction == other.direction && palette == other.palette && fontMetrics == other.fontMetrics
        && styleObject == other.styleObject && generation == other.generation && enabled == other.enabled
        && highlightNeutral == other.highlightNeutral && iconSize == other.iconSize && own == other.own
        && hasWidget == other.hasWidget && window == other.window && text == other.text
        && memberNames == other.memberNames && widgetFont == other.widgetFont && dataFont == other.dataFont;
}

bool AbstractElement::collectInputs(Inputs& inputs) const
{
    if (!ownInputs(inputs.own)) {
        return false;
    }
    inputs.generation = styleGeneration();
    const bool described = updatesFromDescriptionOnly();
    if (m_option) {
        inputs.optionType = m_option->type;
        inputs.optionVersion = m_option->version;
        inputs.state = int(m_option->state);
        if (!described) {
            inputs.option = m_option;
            inputs.rect = m_option->rect;
            inputs.direction = int(m_option->direction);
            inputs.palette = m_option->palette.cacheKey();
            inputs.fontMetrics = m_option->fontMetrics;
            inputs.dataFont = dataFont();
            inputs.styleObject = m_option->styleObject;
            inputs.text = optionText(m_option);
            inputs.iconSize = optionIconSize(m_option);
        }
    }
    if (m_widget) {
        if (const WidgetFacts* facts = widgetFacts(m_widget)) {
            inputs.memberNames = facts->memberNames;
            inputs.highlightNeutral = facts->highlightNeutral;
        }
        inputs.hasWidget = true;
        inputs.enabled = m_widget->isEnabled();
        // Widgets of one window share its activation.
        inputs.window = m_widget->window();
        if (!described) {
            inputs.widget = m_widget;
            inputs.widgetFont = m_widget->font();
        }
    }
    return true;
}

void AbstractElement::setFlag(int flag, bool on)
{
    if (on) {
        m_flags |= flag;
    } else {
        m_flags &= ~flag;
    }
}

quint64 AbstractElement::createdChainElements()
{
    return s_createdChainElements;
}

void AbstractElement::draw(QPainter* painter, int control, int complex, int primitive)
{
    Q_UNUSED(painter);
    qCWarning(lcQtWidgets) << "Drawing not implemented for " << complex << control << primitive;
}

void AbstractElement::query()
{
    m_elements = elementList(m_option, m_widget, {});
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
        m_layout = layout(m_elements, m_option, m_subElementNames);
    }

    m_subElements = elementList(m_option, m_widget, m_subElementNames);
    if (m_subElements.isEmpty()) {
        m_valid = false;
        qCWarning(lcQtWidgets) << "Could not find elementlist for this element!";
        return;
    }
    m_subProperties = queryAndKeep(m_subElements, m_subPropertiesHold);
    m_valid = true;
}

QSizeF AbstractElement::sizeFromContents(const QSizeF& contents)
{
    return sizeFromContents(contents, nullptr);
}

QRectF AbstractElement::subElementRect(QStyle::SubElement)
{
    return QRectF(0, 0, 0, 0);
}

QRectF AbstractElement::subControlRect(QStyle::SubControl)
{
    return QRectF(0, 0, 0, 0);
}

double AbstractElement::pixelMetric(QStyle::PixelMetric)
{
    return 0;
}

int AbstractElement::styleHint(QStyle::StyleHint)
{
    return 0;
}

QIcon AbstractElement::standardIcon(QStyle::StandardPixmap)
{
    return QIcon();
}

void AbstractElement::update()
{ }

void AbstractElement::drawText(QPainter* painter)
{
    if (m_text.isEmpty() || !m_valid) {
        return;
    }
    drawText(painter, m_text, m_layout.value(ElementNames::Text).rect, m_properties);
}

void AbstractElement::drawIcon(QPainter* painter)
{
    if (m_icon.isNull() || !m_valid) {
        return;
    }
    drawIcon(painter, m_icon, m_properties, m_layout.value(ElementNames::Icon).rect);
}

void AbstractElement::drawBackgroundAndBorder(QPainter* painter)
{
    if (m_valid && m_option) {
        clearOutsideFrame(painter);
        paintStyledRect(painter, QRectF(m_option->rect), panelProperties(), StyledRectMode::BackgroundAndBorder,
                        QColor());
    }
}

void AbstractElement::drawBorder(QPainter* painter)
{
    if (m_valid && m_option) {
        paintStyledRect(painter, QRectF(m_option->rect), panelProperties(), StyledRectMode::Border, QColor());
    }
}

void AbstractElement::drawBackground(QPainter* painter)
{
    if (m_valid && m_option) {
        clearOutsideFrame(painter);
        paintStyledRect(painter, QRectF(m_option->rect), panelProperties(), StyledRectMode::Background, QColor());
    }
}

void AbstractElement::mirrorPlaces()
{
    if (m_option) {
        mirrorSubElements(m_layout, m_option->direction, QRectF(m_option->rect));
    }
}

void AbstractElement::drawLabelFocus(QPainter* painter)
{
    if (!m_valid || !m_option || !(m_option->state & QStyle::State_HasFocus)
        || !(m_option->state & QStyle::State_KeyboardFocusChange)) {
        return;
    }
    QRectF label = m_text.isEmpty() ? QRectF() : m_layout.value(ElementNames::Text).rect;
    if (!m_icon.isNull()) {
        label = label.isEmpty() ? m_layout.value(ElementNames::Icon).rect
                                : label.united(m_layout.value(ElementNames::Icon).rect);
    }
    if (label.isEmpty()) {
        return;
    }
    QStyleOptionFocusRect focus;
    static_cast<QStyleOption&>(focus) = *m_option;
    focus.rect = label.adjusted(-3, -1, 3, 1).toAlignedRect().intersected(m_option->rect);
    m_style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, nullptr);
}

namespace
{
// Whether what a popup window leaves unpainted shows what lies beneath it.
// A window made before it was asked to be translucent keeps the surface it
// was made with, whose unpainted pixels come out black.
bool blendedWindow(const QWidget* window)
{
    if (!window->testAttribute(Qt::WA_TranslucentBackground)) {
        return false;
    }
    const QWindow* handle = window->windowHandle();
    return !handle || !handle->handle() || handle->format().hasAlpha();
}

bool popupWindow(const QWidget* widget)
{
    return widget && widget->isWindow() && (widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip);
}
} // namespace

void AbstractElement::clearOutsideFrame(QPainter* painter) const
{
    // The panel of a translucent popup: what lies outside its rounded
    // corners must be clear, whatever the backing store held there.
    const QWidget* window = m_widget;
    const auto* corners = m_properties ? m_properties->corners() : nullptr;
    if (!painter || !m_option || !corners || !popupWindow(window) || m_option->rect != window->rect()
        || !blendedWindow(window)) {
        return;
    }
    const QRectF rect(m_option->rect);
    QPainterPath outside;
    outside.addRect(rect);
    outside = outside.subtracted(roundedRectPath(rect, corners->radii()));
    if (outside.isEmpty()) {
        return;
    }
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Clear);
    painter->setPen(Qt::NoPen);
    painter->fillPath(outside, Qt::transparent);
    painter->restore();
}

const StylePropertyGroup* AbstractElement::panelProperties()
{
    // A popup window that nothing blends (no compositing manager, or a
    // surface made opaque) shows whatever lies outside rounded corners as
    // black: its panel is square instead.
    const QWidget* window = m_widget;
    if (!m_properties || !m_properties->corners() || !popupWindow(window) || blendedWindow(window)) {
        return m_properties;
    }
    // Query results are shared and never change, so one copy serves as long
    // as the element holds the same result.
    if (!m_square || m_squareSource.get() != m_properties) {
        m_square = std::make_unique<StylePropertyGroup>(*m_properties);
        m_square->setCorners(nullptr);
        m_squareSource = m_propertiesHold.get() == m_properties ? m_propertiesHold : nullptr;
    }
    return m_square.get();
}

void AbstractElement::drawIndicator(QPainter* painter)
{
    if (!m_valid) {
        return;
    }
    if (m_indicatorIcon.isNull()) {
        if (m_indicatorSymbol != QStyle::PE_CustomBase) {
            drawFallbackSymbol(painter, m_secondaryProperties ? m_secondaryProperties : m_properties,
                               m_layout.value(ElementNames::Indicator).rect, m_indicatorSymbol);
        }
        return;
    }
    drawIcon(painter, m_indicatorIcon, m_properties, m_layout.value(ElementNames::Indicator).rect);
}

QVariantMap AbstractElement::attributes() const
{
    return {};
}

QStringList AbstractElement::hints() const
{
    return {};
}

Element::States AbstractElement::states() const
{
    if (!m_option || m_option->state == QStyle::State_None) {
        // A zero state is mostly a caller that filled in none; but a disabled
        // widget with nothing else to show (a combo box or spin box without
        // focus or hover) has one too, and must not look enabled.
        if (m_option && m_widget && !m_widget->isEnabled()) {
            return Element::State::Disabled;
        }
        return Element::State::None;
    }
    const QStyle::State state = m_option->state;
    Element::States result;
    result.setFlag(Element::State::Hovered, state & QStyle::State_MouseOver);
    result.setFlag(Element::State::ActiveFocus, state & QStyle::State_HasFocus);
    result.setFlag(Element::State::VisualFocus,
                   (state & QStyle::State_HasFocus) && (state & QStyle::State_KeyboardFocusChange));
    result.setFlag(Element::State::Pressed, (state & QStyle::State_Sunken) && !(state & QStyle::State_Raised));
    result.setFlag(Element::State::Checked, (state & QStyle::State_On) && !(state & QStyle::State_Off));
    result.setFlag(Element::State::Disabled, !(state & QStyle::State_Enabled));
    result.setFlag(Element::State::Highlighted, state & QStyle::State_Selected);
    return result;
}

void AbstractElement::updateSubElementNames()
{ }

QSizeF AbstractElement::sizeOf(const QStringList& names)
{
    const ElementChain chain = elementList(m_option, m_widget, names);
    if (chain.isEmpty()) {
        return QSizeF(0, 0);
    }
    const QSizeF size = layoutSize(queryProperties(chain));
    return QSizeF(std::trunc(size.width()), std::trunc(size.height()));
}

const AbstractElement::Description& AbstractElement::description()
{
    if (!m_describeAgain) {
        return m_description;
    }
    m_describeAgain = false;

    Description& d = m_description;
    const WidgetFacts* facts = widgetFacts(m_widget);
    d.memberNames = facts ? facts->memberNames : QStringList();
    // Read now: the calls below may reach other widgets' facts and move the
    // table.
    const bool highlightNeutral = facts && facts->highlightNeutral;
    d.states = states();
    d.attributes = attributes();
    d.hints = hints();
    d.windowHints = d.hints;
    if (m_widget) {
        const QWidget* window = m_widget->window();
        if (window && !window->isActiveWindow()) {
            d.windowHints.append(QStringLiteral("inactive"));
        }
        if (highlightNeutral) {
            d.hints.append(QStringLiteral("changed"));
            d.windowHints.append(QStringLiteral("changed"));
        }
    }
    return d;
}

std::shared_ptr<Element> AbstractElement::elementForName(const QString& name)
{
    std::shared_ptr<Element>& element = m_namedElements[name];
    if (!element) {
        element = Element::create();
        element->setType(name);
        ++s_createdChainElements;
    }

    const Description& d = description();
    element->setStates(d.states);
    element->setAttributes(d.attributes);
    element->setHints(name == ElementNames::ApplicationWindow ? d.windowHints : d.hints);
    return element;
}

ElementChain AbstractElement::elementList(const QStyleOption* option, const QWidget* widget,
                                          const QStringList& extraNames)
{
    QStringList ownMembers;
    const QStringList* members = &description().memberNames;
    if (widget != m_widget) {
        if (const WidgetFacts* facts = widgetFacts(widget)) {
            ownMembers = facts->memberNames;
        }
        members = &ownMembers;
    }

    ElementChain chain;
    chain.reserve(members->size() + 1 + extraNames.size());
    QString last;
    auto append = [&](const QString& name) {
        chain.append(elementForName(name));
        last = name;
    };
    for (const QString& name : *members) {
        append(name);
    }
    const QString type = elementType(option);
    if (last != type) {
        append(type);
    }
    for (const QString& name : extraNames) {
        if (name != last) {
            append(name);
        }
    }
    return chain;
}

QString AbstractElement::elementType(const QStyleOption* option) const
{
    return defaultElementType(option);
}

const StylePropertyGroup* AbstractElement::queryProperties(const ElementChain& chain)
{
    m_query->setElements(chain);
    m_query->execute();
    return m_query->properties();
}

const StylePropertyGroup* AbstractElement::queryAndKeep(const ElementChain& chain,
                                                        std::shared_ptr<const StylePropertyGroup>& hold)
{
    queryProperties(chain);
    hold = m_query->sharedProperties();
    return hold.get();
}

SubElementLayout AbstractElement::layout(const ElementChain& chain, const QStyleOption* option,
                                         const QStringList& subElementNames)
{
    QStringList names = subElementNames;
    if (names.isEmpty()) {
        qCDebug(lcQtWidgets) << "No subelements given, using Widget placeholder for" << chain;
        names = QStringList { ElementNames::Widget };
    }

    // Read before the item queries below replace the query's result.
    const StylePropertyGroup* own = queryProperties(chain);
    QRectF content = contentRect(option, own);
    if (own && own->layout()) {
        content = content.marginsRemoved(margins(own->layout()->padding()));
    }

    QList<SubElementItem> items;
    items.reserve(names.size());
    ElementChain working = chain;
    for (const QString& name : names) {
        const bool isIcon = name == ElementNames::Icon;
        const bool isText = name == ElementNames::Text;
        if (!isIcon && !isText) {
            working.append(elementForName(name));
        }
        const StylePropertyGroup* properties = queryProperties(working);

        SubElementItem item;
        item.name = name;
        item.rect.moveTopLeft(content.topLeft());

        if (isIcon) {
            const QSizeF optionSize = option ? optionIconSize(option) : QSizeF(-1, -1);
            const auto* iconGroup = properties ? properties->icon() : nullptr;
            if (optionSize.width() >= 0 && optionSize.height() >= 0) {
                item.rect.setSize(optionSize);
            } else if (iconGroup) {
                item.rect.setSize(QSizeF(iconGroup->width().value_or(0), iconGroup->height().value_or(0)));
            }
            if (iconGroup) {
                setAlignment(item, iconGroup->alignment());
            }
        } else if (isText || name == ElementNames::ShortcutText) {
            const auto* textGroup = properties ? properties->text() : nullptr;
            if (textGroup) {
                setAlignment(item, textGroup->alignment());
            }
            QString text = option ? optionText(option) : QString();
            const qsizetype tab = text.indexOf(QLatin1Char('\t'));
            if (tab >= 0) {
                text = isText ? text.left(tab) : text.mid(tab + 1);
            }
            const int flags = textFlags(properties) | Qt::TextShowMnemonic;
            std::optional<QFont> font = textGroup ? textGroup->font() : std::nullopt;
            if (!font) {
                font = dataFont();
            }
            if (!font && m_widget) {
                font = m_widget->font();
            }
            QRect bounds;
            if (font) {
                bounds = textBounds(*font, content.toRect(), flags, text);
            } else {
                const QFontMetrics metrics = option ? option->fontMetrics : QFontMetrics(QFont());
                bounds = metrics.boundingRect(content.toRect(), flags, text);
            }
            item.rect = QRectF(bounds);
        } else {
            item.rect.setSize(layoutSize(properties));
            if (properties && properties->layout()) {
                setAlignment(item, properties->layout()->alignment());
            }
        }
        items.append(item);
    }

    return arrangeSubElements(items, content, spacing());
}

QMarginsF AbstractElement::padding() const
{
    if (m_properties && m_properties->layout()) {
        return margins(m_properties->layout()->padding());
    }
    return QMarginsF();
}

QMarginsF AbstractElement::borderSizes() const
{
    if (m_properties && m_properties->border()) {
        return m_properties->border()->sizes();
    }
    return QMarginsF();
}

double AbstractElement::height() const
{
    if (m_properties) {
        return layoutSize(m_properties).height();
    }
    return m_option ? m_option->rect.height() : 0;
}

double AbstractElement::width() const
{
    if (m_properties) {
        return layoutSize(m_properties).width();
    }
    return m_option ? m_option->rect.width() : 0;
}

double AbstractElement::spacing() const
{
    if (m_properties && m_properties->layout()) {
        return m_properties->layout()->spacing().value_or(0);
    }
    return 0;
}

QSizeF AbstractElement::secondarySize() const
{
    return layoutSize(m_secondaryProperties);
}

QSizeF AbstractElement::iconSize() const
{
    const auto* iconGroup = m_properties ? m_properties->icon() : nullptr;
    if (!iconGroup) {
        return QSizeF(0, 0);
    }
    return QSizeF(iconGroup->width().value_or(0), iconGroup->height().value_or(0));
}

QSizeF AbstractElement::sizeFromContents(const QSizeF& contents, const StylePropertyGroup* properties)
{
    if (!m_valid) {
        return contents;
    }
    if (!properties) {
        properties = m_properties;
    }

    QMarginsF padding;
    QMarginsF inset;
    QSizeF minimum(0, 0);
    if (properties) {
        if (const auto* layout = properties->layout()) {
            padding = margins(layout->padding());
            inset = margins(layout->inset());
        }
        minimum = layoutSize(properties);
    }

    QSizeF base = contents;
    if (m_flags & SubtractHalfPadding) {
        // The caller added half of each axis' padding, as the space metrics
        // report it (truncated), to the contents along that axis.
        base = QSizeF(base.width() - std::trunc((padding.left() + padding.right()) / 2),
                      base.height() - std::trunc((padding.top() + padding.bottom()) / 2));
    }

    const double width
        = std::max(inset.left(), padding.left()) + base.width() + std::max(inset.right(), padding.right());
    const double height
        = std::max(inset.top(), padding.top()) + base.height() + std::max(inset.bottom(), padding.bottom());
    return QSizeF(roundToInt(std::max(width, minimum.width())), roundToInt(std::max(height, minimum.height())));
}

void AbstractElement::drawText(QPainter* painter, const QString& text, const QRectF& rect,
                               const StylePropertyGroup* properties)
{
    drawText(painter, text, rect, properties, Qt::Alignment(), nullptr);
}

void AbstractElement::drawText(QPainter* painter, const QString& text, const QRectF& rect,
                               const StylePropertyGroup* properties, Qt::Alignment dataAlignment, const QFont* dataFont)
{
    if (!m_valid || !m_option) {
        return;
    }
    const auto* textGroup = properties ? properties->text() : nullptr;

    QFont font = dataFont ? *dataFont : painter->font();
    if (textGroup && textGroup->font()) {
        font = *textGroup->font();
    }

    const QPalette& palette = m_option->palette;
    // A palette with roles set on purpose (by the application, or by a
    // widget for one paint, as a calendar's navigation bar does) keeps its
    // own text colour. A button's label is in its own role (ButtonText for a
    // push or tool button); items and fields take Text.
    const QPalette::ColorRole role
        = qobject_cast<const QAbstractButton*>(m_widget) ? m_widget->foregroundRole() : QPalette::Text;
    QColor color = palette.brush(palette.currentColorGroup(), role).color();
    if (palette.resolveMask() == 0 && textGroup && textGroup->color() && textGroup->color()->isValid()) {
        color = resolvedColor(*textGroup->color());
    }

    int textFlagsValue = textFlags(properties);
    // The style's start and end are the reading direction's.
    if (m_option->direction == Qt::RightToLeft) {
        textFlagsValue = int(QStyle::visualAlignment(Qt::RightToLeft, Qt::Alignment(textFlagsValue)))
            | (textFlagsValue & ~int(Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask));
    }
    if (dataAlignment) {
        const auto* layoutGroup = properties ? properties->layout() : nullptr;
        const auto* alignment = layoutGroup ? layoutGroup->alignment() : nullptr;
        const Qt::Alignment visual = QStyle::visualAlignment(m_option->direction, dataAlignment);
        const bool dataFirst = m_flags & DataAlignmentFirst;
        if ((dataFirst || !alignment || !alignment->horizontal()) && (visual & Qt::AlignHorizontal_Mask)) {
            textFlagsValue = (textFlagsValue & ~int(Qt::AlignHorizontal_Mask)) | int(visual & Qt::AlignHorizontal_Mask);
        }
        if ((!alignment || !alignment->vertical()) && (visual & Qt::AlignVertical_Mask)) {
            textFlagsValue = (textFlagsValue & ~int(Qt::AlignVertical_Mask)) | int(visual & Qt::AlignVertical_Mask);
        }
    }
    if (m_flags & Mnemonic) {
        textFlagsValue |= Qt::TextHideMnemonic;
    }

    painter->save();
    painter->setPen(color);
    painter->setFont(font);
    const QRect whole = rect.toRect();
    m_style->drawItemText(painter, whole, textFlagsValue, palette, m_option->state & QStyle::State_Enabled,
                          elidedText(text, QRectF(whole), properties), QPalette::NoRole);
    painter->restore();
}

void AbstractElement::drawIcon(QPainter* painter, const QIcon& icon, const StylePropertyGroup* properties,
                               const QRectF& rect)
{
    if (!m_valid) {
        return;
    }
    QIcon resolved = m_style->resolveIcon(properties, icon.name());
    if (resolved.isNull()) {
        resolved = icon;
    }
    paintIcon(painter, resolved, rect);
}

void AbstractElement::drawSymbol(QPainter* painter, const QIcon& icon, const StylePropertyGroup* properties,
                                 const QRectF& rect, QStyle::PrimitiveElement fallback)
{
    if (!m_valid) {
        return;
    }
    drawResolvedSymbol(painter, resolveSymbol(icon, properties), properties, rect, fallback);
}

QIcon AbstractElement::resolveSymbol(const QIcon& icon, const StylePropertyGroup* properties) const
{
    QIcon resolved = m_style->resolveIcon(properties, icon.name());
    if (resolved.isNull()) {
        resolved = icon;
    }
    return resolved;
}

void AbstractElement::drawResolvedSymbol(QPainter* painter, const QIcon& resolved, const StylePropertyGroup* properties,
                                         const QRectF& rect, QStyle::PrimitiveElement fallback)
{
    if (!m_valid) {
        return;
    }
    if (resolved.isNull()) {
        drawFallbackSymbol(painter, properties, rect, fallback);
        return;
    }
    paintIcon(painter, resolved, rect);
}

void AbstractElement::drawFallbackSymbol(QPainter* painter, const StylePropertyGroup* properties, const QRectF& rect,
                                         QStyle::PrimitiveElement symbol) const
{
    if (!m_option || rect.width() < 2 || rect.height() < 2) {
        return;
    }
    const auto* iconGroup = properties ? properties->icon() : nullptr;
    const auto* textGroup = properties ? properties->text() : nullptr;
    QColor color;
    if (iconGroup && iconGroup->color()) {
        color = resolvedColor(*iconGroup->color());
    } else if (textGroup && textGroup->color()) {
        color = resolvedColor(*textGroup->color());
    } else {
        color = m_option->palette.color(QPalette::ButtonText);
    }
    // A symbol drawn over the whole of a large place looks like a blot; an
    // icon of a symbolic theme would not fill more than this either.
    double side = std::min({ rect.width(), rect.height(), 16.0 });
    if (iconGroup && iconGroup->width() && *iconGroup->width() > 0) {
        side = std::min(side, *iconGroup->width());
    }
    const QRectF square(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);

    painter->save();
    if (symbol == QStyle::PE_IndicatorTabClose) {
        const double inset = std::round(side / 4);
        const QRectF cross = square.adjusted(inset, inset, -inset, -inset);
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(color, std::max(1.0, side / 10), Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(cross.topLeft(), cross.bottomRight());
        painter->drawLine(cross.topRight(), cross.bottomLeft());
    } else if (symbol == QStyle::PE_IndicatorSpinPlus || symbol == QStyle::PE_IndicatorSpinMinus) {
        // Thin bars on whole pixels: the common style's are a fifth of the
        // button thick, which at a spin box's size is a blot or a dot.
        const int length = std::max(3, int(std::round(side * 0.7)) | 1);
        const int thickness = std::max(1, int(std::round(side / 8)));
        const QPoint centre = square.center().toPoint();
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        painter->drawRect(QRect(centre.x() - length / 2, centre.y() - thickness / 2, length, thickness));
        if (symbol == QStyle::PE_IndicatorSpinPlus) {
            painter->drawRect(QRect(centre.x() - thickness / 2, centre.y() - length / 2, thickness, length));
        }
    } else {
        QStyleOption copy(*m_option);
        copy.rect = square.toRect();
        // Colour and state come from the style: the common style would etch a
        // disabled arrow in the palette's colours instead.
        copy.state |= QStyle::State_Enabled;
        copy.state &= ~QStyle::State_Sunken;
        for (const QPalette::ColorRole role : { QPalette::ButtonText, QPalette::WindowText, QPalette::Text }) {
            copy.palette.setColor(role, color);
        }
        m_style->QCommonStyle::drawPrimitive(symbol, &copy, painter, nullptr);
    }
    painter->restore();
}

void AbstractElement::paintIcon(QPainter* painter, const QIcon& resolved, const QRectF& rect) const
{
    const QIcon::Mode mode = (m_option && !(m_option->state & QStyle::State_Enabled)) ? QIcon::Disabled : QIcon::Normal;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : qApp->devicePixelRatio();
    const QPixmap pixmap = iconPixmap(resolved, QSize(qRound(rect.width()), qRound(rect.height())), ratio, mode);

    painter->save();
    m_style->drawItemPixmap(painter, rect.toRect(), Qt::AlignCenter, pixmap);
    painter->restore();
}

QString AbstractElement::elidedText(const QString& text, const QRectF& rect, const StylePropertyGroup* properties) const
{
    if (text.isEmpty() || !m_option) {
        return text;
    }
    const auto* textGroup = properties ? properties->text() : nullptr;
    const Qt::TextElideMode mode = elideMode(textGroup ? textGroup->elide().value_or(Quilt::Properties::TextElide::None)
                                                       : Quilt::Properties::TextElide::None);
    // Not eliding returns the text unchanged, yet would still shape it.
    if (mode == Qt::ElideNone) {
        return text;
    }
    const int width = int(std::min(rect.width(), double(m_option->rect.width())));
    // Measured as drawn: in the style's font where it sets one, and with a
    // mnemonic's ampersand taking no room.
    const std::optional<QFont> font = textGroup ? textGroup->font() : std::nullopt;
    return cachedElidedText(font ? QFontMetrics(*font) : m_option->fontMetrics, text, mode, width);
}

double AbstractElement::averagePadding() const
{
    const QMarginsF p = padding();
    if (p.isNull()) {
        return 0;
    }
    return (p.left() + p.top() + p.right() + p.bottom()) / 4;
}

double AbstractElement::horizontalPadding() const
{
    const QMarginsF p = padding();
    return p.isNull() ? 0 : (p.left() + p.right()) / 2;
}

double AbstractElement::verticalPadding() const
{
    const QMarginsF p = padding();
    return p.isNull() ? 0 : (p.top() + p.bottom()) / 2;
}

double AbstractElement::averageBorderSize() const
{
    const QMarginsF b = borderSizes();
    if (b.isNull()) {
        return 0;
    }
    return (b.left() + b.top() + b.right() + b.bottom()) / 4;
}
