#include "tabwidgetelement.h"

#include "elementnames.h"
#include "tabbarelement.h"

#include <QStyleOption>

TabWidgetElement::TabWidgetElement(const QStyleOptionTabWidgetFrame* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_frameOption(option)
{
    update();
}

QString TabWidgetElement::elementType(const QStyleOption*) const
{
    return ElementNames::TabWidget;
}

QVariantMap TabWidgetElement::attributes() const
{
    QVariantMap result;
    if (m_frameOption) {
        const QString value = TabBarElement::direction(m_frameOption->shape);
        if (!value.isEmpty()) {
            result.insert(QStringLiteral("direction"), value);
        }
    }
    return result;
}

QStringList TabWidgetElement::hints() const
{
    return {};
}

void TabWidgetElement::update()
{
    query();
}

void TabWidgetElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive == QStyle::PE_FrameTabWidget && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}
