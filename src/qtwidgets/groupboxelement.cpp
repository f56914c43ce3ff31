#include "groupboxelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetslogging.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

GroupBoxElement::GroupBoxElement(const QStyleOptionGroupBox* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_groupBoxOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString GroupBoxElement::elementType(const QStyleOption*) const
{
    return ElementNames::GroupBox;
}

QStringList GroupBoxElement::hints() const
{
    QStringList result;
    if (!m_groupBoxOption) {
        return result;
    }
    if (m_groupBoxOption->features & QStyleOptionFrame::Flat) {
        result.prepend(QStringLiteral("flat"));
    }
    if (m_groupBoxOption->features & QStyleOptionFrame::Rounded) {
        result.append(QStringLiteral("rounded"));
    }
    return result;
}

void GroupBoxElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (m_checkable) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void GroupBoxElement::update()
{
    if (!m_groupBoxOption) {
        return;
    }
    const auto* groupBox = qobject_cast<const QGroupBox*>(m_widget);
    m_checkable = groupBox && groupBox->isCheckable();
    m_text = m_groupBoxOption->text;
    updateSubElementNames();
    query();
}

void GroupBoxElement::query()
{
    m_elements = elementList(m_option, m_widget, {});
    if (m_elements.isEmpty()) {
        m_valid = false;
        return;
    }
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_layout = layout(m_elements, m_option, m_subElementNames);
    m_valid = true;
}

void GroupBoxElement::draw(QPainter* painter, int, int complex, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (primitive == QStyle::PE_FrameGroupBox) {
        drawBorder(painter);
    } else if (complex == QStyle::CC_GroupBox) {
        drawBackgroundAndBorder(painter);
        drawIcon(painter);
        drawText(painter);
        if (m_checkable) {
            drawLabelFocus(painter);
        }
        drawIndicator(painter);
    }
}

void GroupBoxElement::drawIcon(QPainter* painter)
{
    if (!m_checkable || !m_groupBoxOption) {
        return;
    }
    // Without a widget, so that the check box is styled like one on its own.
    QStyleOptionButton button;
    button.rect = subControlRect(QStyle::SC_GroupBoxCheckBox).toRect();
    button.state = m_groupBoxOption->state;
    m_style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &button, painter, nullptr);
}

void GroupBoxElement::drawText(QPainter* painter)
{
    if (!m_groupBoxOption || !(m_groupBoxOption->subControls & QStyle::SC_GroupBoxLabel) || m_text.isEmpty()) {
        return;
    }
    AbstractElement::drawText(painter, m_text, subControlRect(QStyle::SC_GroupBoxLabel), m_properties);
}

QRectF GroupBoxElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid || !m_groupBoxOption) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    const QRect r = m_groupBoxOption->rect;
    const Qt::LayoutDirection direction = m_groupBoxOption->direction;
    const SubElementItem icon = m_layout.value(ElementNames::Icon);
    const SubElementItem title = m_layout.value(ElementNames::Text);
    const QRectF t = title.rect;

    switch (control) {
    case QStyle::SC_GroupBoxCheckBox: {
        QRectF i = icon.rect;
        // Centred on the title only when there is one to centre on.
        if (m_layout.contains(ElementNames::Text) && icon.vertical == title.vertical) {
            i.moveTop(t.y() + t.height() / 2 - i.height() / 2);
        }
        return QRectF(QStyle::visualRect(direction, r, i.toRect()));
    }
    case QStyle::SC_GroupBoxLabel:
        return QRectF(QStyle::visualRect(direction, r, t.toRect()));
    case QStyle::SC_GroupBoxContents: {
        const QMarginsF p = padding();
        double h = 0;
        if (m_checkable) {
            h = m_style->pixelMetric(QStyle::PM_IndicatorHeight, m_option, m_widget);
        }
        if (m_text.isEmpty()) {
            h = std::max(h, double(m_groupBoxOption->fontMetrics.height()));
        }
        const double x = r.left() + p.left();
        const double y = r.top() + t.height() + h + p.top();
        const double width = std::max(0.0, r.width() - p.left() - p.right());
        const double height = std::max(0.0, r.top() + r.height() - p.bottom() - y);
        return QRectF(x, y, width, height);
    }
    case QStyle::SC_GroupBoxFrame:
        return QRectF(r);
    default:
        return QRectF(0, 0, 0, 0);
    }
}
