#include "indicatorelement.h"

#include "elementnames.h"
#include "quiltstyle.h"

#include <QStyleOption>

IndicatorElement::IndicatorElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_indicatorOption(option)
{
    m_listViewIconSize = int(sizeOf({ ElementNames::ListViewIconSize }).width());
    m_smallIconSize = int(sizeOf({ ElementNames::SmallIconSize }).width());
    m_iconViewIconSize = int(sizeOf({ ElementNames::IconViewIconSize }).width());
    m_largeIconSize = int(sizeOf({ ElementNames::LargeIconSize }).width());
    m_messageBoxIconSize = int(sizeOf({ ElementNames::MessageBoxIconSize }).width());
    m_textCursorWidth = int(sizeOf({ ElementNames::TextCursorWidth }).width());
    m_valid = true;
}

double IndicatorElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ListViewIconSize:
        return m_listViewIconSize;
    case QStyle::PM_IconViewIconSize:
        return m_iconViewIconSize;
    case QStyle::PM_SmallIconSize:
        return m_smallIconSize;
    case QStyle::PM_LargeIconSize:
        return m_largeIconSize;
    case QStyle::PM_MessageBoxIconSize:
        return m_messageBoxIconSize;
    case QStyle::PM_TextCursorWidth:
        return m_textCursorWidth;
    default:
        return 0;
    }
}

void IndicatorElement::draw(QPainter* painter, int, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (primitive) {
    case QStyle::PE_IndicatorArrowDown:
        drawArrow(painter, QStringLiteral("pan-down-symbolic"), ElementNames::IndicatorArrowDown,
                  QStyle::PE_IndicatorArrowDown);
        break;
    case QStyle::PE_IndicatorArrowLeft:
        drawArrow(painter, QStringLiteral("pan-start-symbolic"), ElementNames::IndicatorArrowLeft,
                  QStyle::PE_IndicatorArrowLeft);
        break;
    case QStyle::PE_IndicatorArrowRight:
        drawArrow(painter, QStringLiteral("pan-end-symbolic"), ElementNames::IndicatorArrowRight,
                  QStyle::PE_IndicatorArrowRight);
        break;
    case QStyle::PE_IndicatorArrowUp:
        drawArrow(painter, QStringLiteral("pan-up-symbolic"), ElementNames::IndicatorArrowUp,
                  QStyle::PE_IndicatorArrowUp);
        break;
    case QStyle::PE_IndicatorButtonDropDown:
        drawArrow(painter, QStringLiteral("pan-down-symbolic"), ElementNames::IndicatorButtonDropDown,
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
