#include "indicatorelement.h"

#include "elementnames.h"
#include "quiltstyle.h"

#include <QStyleOption>

#include <iterator>
#include <utility>

IndicatorElement::IndicatorElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_indicatorOption(option)
{
    update();
}

void IndicatorElement::update()
{
    // Measured when first asked: an arrow drawn needs none of them.
    m_valid = true;
    Inputs inputs;
    collectInputs(inputs);
    for (std::size_t i = 0; i < m_known.size(); ++i) {
        if (m_known[i] && m_known[i]->inputs == inputs) {
            m_current = i;
            return;
        }
    }
    m_current = m_next;
    m_next = (m_next + 1) % m_known.size();
    m_known[m_current] = Known { std::move(inputs), {} };
}

double IndicatorElement::pixelMetric(QStyle::PixelMetric metric)
{
    static const std::pair<QStyle::PixelMetric, QString> parts[] = {
        { QStyle::PM_ListViewIconSize, ElementNames::ListViewIconSize },
        { QStyle::PM_IconViewIconSize, ElementNames::IconViewIconSize },
        { QStyle::PM_SmallIconSize, ElementNames::SmallIconSize },
        { QStyle::PM_LargeIconSize, ElementNames::LargeIconSize },
        { QStyle::PM_MessageBoxIconSize, ElementNames::MessageBoxIconSize },
        { QStyle::PM_TextCursorWidth, ElementNames::TextCursorWidth },
    };
    static_assert(std::size(parts) == std::tuple_size_v<Sizes>);
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        if (parts[i].first == metric) {
            std::optional<int>& size = m_known[m_current]->sizes[i];
            if (!size) {
                size = int(sizeOf({ parts[i].second }).width());
            }
            return *size;
        }
    }
    return 0;
}

void IndicatorElement::draw(QPainter* painter, int, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (primitive) {
    case QStyle::PE_IndicatorArrowDown:
        drawArrow(painter, QStringLiteral("arrow-down-symbolic"), ElementNames::IndicatorArrowDown,
                  QStyle::PE_IndicatorArrowDown);
        break;
    case QStyle::PE_IndicatorArrowLeft:
        drawArrow(painter, QStringLiteral("arrow-left-symbolic"), ElementNames::IndicatorArrowLeft,
                  QStyle::PE_IndicatorArrowLeft);
        break;
    case QStyle::PE_IndicatorArrowRight:
        drawArrow(painter, QStringLiteral("arrow-right-symbolic"), ElementNames::IndicatorArrowRight,
                  QStyle::PE_IndicatorArrowRight);
        break;
    case QStyle::PE_IndicatorArrowUp:
        drawArrow(painter, QStringLiteral("arrow-up-symbolic"), ElementNames::IndicatorArrowUp,
                  QStyle::PE_IndicatorArrowUp);
        break;
    case QStyle::PE_IndicatorButtonDropDown:
        drawArrow(painter, QStringLiteral("arrow-down-symbolic"), ElementNames::IndicatorButtonDropDown,
                  QStyle::PE_IndicatorArrowDown);
        break;
    default:
        break;
    }
}

void IndicatorElement::drawArrow(QPainter* painter, const QString& iconName, const QString& elementName,
                                 QStyle::PrimitiveElement fallback)
{
    if (!m_option) {
        return;
    }
    const Quilt::ElementChain chain = elementList(m_option, m_widget, { elementName });
    // Used at once, before any other query: no need to keep it.
    const Properties* properties = queryProperties(chain);
    const QIcon icon = m_style->resolveIcon(properties, iconName);
    drawSymbol(painter, icon, properties, QRectF(m_option->rect), fallback);
}

bool IndicatorElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_indicatorOption = option;
    setTarget(option, widget);
    return true;
}

bool IndicatorElement::ownInputs(InputValues&) const
{
    return true;
}

bool IndicatorElement::updatesFromDescriptionOnly() const
{
    return true;
}
