#include "statusbarelement.h"

#include "elementnames.h"
#include "styledrectpainter.h"

#include <QStyleOption>

StatusBarElement::StatusBarElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_statusOption(option)
{
    update();
}

QString StatusBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::StatusBar;
}

void StatusBarElement::updateSubElementNames()
{
    m_subElementNames = QStringList { ElementNames::Item };
}

void StatusBarElement::update()
{
    updateSubElementNames();
    query();
}

void StatusBarElement::query()
{
    AbstractElement::query();
}

void StatusBarElement::draw(QPainter* painter, int, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (primitive) {
    case QStyle::PE_PanelStatusBar:
        drawBackgroundAndBorder(painter);
        return;
    case QStyle::PE_FrameStatusBarItem:
        if (m_statusOption) {
            paintStyledRect(painter, QRectF(m_statusOption->rect), m_subProperties, StyledRectMode::BackgroundAndBorder,
                            QColor());
        }
        return;
    default:
        return;
    }
}
