#include "comboboxelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QStyleOption>

#include <cmath>

ComboBoxElement::ComboBoxElement(const QStyleOptionComboBox* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_comboOption(option)
{
    update();
}

QString ComboBoxElement::elementType(const QStyleOption*) const
{
    return ElementNames::ComboBox;
}

QStringList ComboBoxElement::hints() const
{
    QStringList result;
    if (!m_comboOption) {
        return result;
    }
    if (!m_comboOption->frame) {
        result.append(QStringLiteral("flat"));
    }
    if (m_comboOption->editable) {
        result.append(QStringLiteral("editable"));
    }
    return result;
}

void ComboBoxElement::updateSubElementNames()
{
    m_subElementNames.clear();
    m_subElementNames.append(ElementNames::Text);
    if (!m_icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    m_subElementNames.append(ElementNames::Indicator);
}

void ComboBoxElement::update()
{
    if (!m_comboOption) {
        return;
    }
    m_editable = m_comboOption->editable;
    m_frame = m_comboOption->frame;
    m_indicatorIcon = QIcon();
    m_indicatorSymbol = QStyle::PE_IndicatorArrowDown;
    m_secondaryElements = elementList(m_option, m_widget, { ElementNames::Indicator });
    if (!m_secondaryElements.isEmpty()) {
        m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
        if (m_secondaryProperties && m_secondaryProperties->icon()) {
            m_indicatorIcon = m_style->resolveIcon(m_secondaryProperties, QString());
        }
    }
    m_icon = m_comboOption->currentIcon;
    m_text = m_comboOption->currentText;
    updateSubElementNames();
    query();
}

void ComboBoxElement::draw(QPainter* painter, int control, int complex, int)
{
    if (!m_valid) {
        return;
    }
    mirrorPlaces();
    if (control == QStyle::CE_ComboBoxLabel) {
        drawIcon(painter);
        drawText(painter);
    } else if (complex == QStyle::CC_ComboBox) {
        if (m_frame) {
            drawBackgroundAndBorder(painter);
        } else {
            drawBackground(painter);
        }
        // The current icon is the label's to paint: QComboBox asks for both
        // on every paint, and painting it here too would blend it twice.
        drawIndicator(painter);
    }
    mirrorPlaces();
}

void ComboBoxElement::drawText(QPainter* painter)
{
    if (!m_editable) {
        AbstractElement::drawText(painter);
    }
}

QRectF ComboBoxElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid || !m_comboOption) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    const QRect bounds = m_option->rect;
    const Qt::LayoutDirection direction = m_option->direction;
    switch (control) {
    case QStyle::SC_ComboBoxFrame:
        return QRectF(contentRect(m_option, m_properties).toRect());
    case QStyle::SC_ComboBoxArrow: {
        const double s = spacing();
        const QRectF indicator = m_layout.value(ElementNames::Indicator).rect;
        const QRectF r(indicator.x() - s, indicator.y(), indicator.width() + 2 * s, indicator.height());
        return QRectF(QStyle::visualRect(direction, bounds, r.toRect()));
    }
    case QStyle::SC_ComboBoxEditField: {
        const QMarginsF b = borderSizes();
        const QRect inner = bounds.adjusted(int(std::lround(b.left())), int(std::lround(b.top())),
                                            -int(std::lround(b.right())), -int(std::lround(b.bottom())));
        const double width = inner.width() - subControlRect(QStyle::SC_ComboBoxArrow).width();
        const double iconWidth
            = m_layout.contains(ElementNames::Icon) ? m_layout.value(ElementNames::Icon).rect.width() : 0;
        const double x
            = m_layout.value(ElementNames::Text).rect.x() - padding().left() - (hasIcon() ? spacing() : 0) - iconWidth;
        const QRectF r(x, inner.top(), width, inner.height());
        return QRectF(QStyle::visualRect(direction, bounds, r.toRect()));
    }
    case QStyle::SC_ComboBoxListBoxPopup:
        return QRectF(bounds);
    default:
        return QRectF(0, 0, 0, 0);
    }
}

double ComboBoxElement::pixelMetric(QStyle::PixelMetric metric)
{
    return metric == QStyle::PM_ComboBoxFrameWidth ? averageBorderSize() : 0;
}

QSizeF ComboBoxElement::sizeFromContents(const QSizeF& contents)
{
    const QSizeF size = AbstractElement::sizeFromContents(contents, m_properties);
    const QSizeF indicator
        = AbstractElement::sizeFromContents(m_layout.value(ElementNames::Indicator).rect.size(), m_properties);
    return QSizeF(size.width() + indicator.width() + spacing(), size.height());
}

bool ComboBoxElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_comboOption = static_cast<const QStyleOptionComboBox*>(option);
    setTarget(option, widget);
    return true;
}

bool ComboBoxElement::ownInputs(InputValues& values) const
{
    if (m_comboOption) {
        values << m_comboOption->editable << m_comboOption->frame << m_comboOption->currentIcon.cacheKey();
    }
    return true;
}
