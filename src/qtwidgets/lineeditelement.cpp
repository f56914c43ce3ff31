#include "lineeditelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"

#include "stylepropertygroup.h"

#include "widgetfacts.h"

#include <QLineEdit>
#include <QStyleOption>

#include <cmath>

LineEditElement::LineEditElement(const QStyleOptionFrame* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_frameOption(option)
{
    update();
}

QString LineEditElement::elementType(const QStyleOption*) const
{
    return ElementNames::TextField;
}

void LineEditElement::updateSubElementNames()
{
    if (m_subElementNames.isEmpty()) {
        m_subElementNames.append(ElementNames::TextField);
    }
}

QStringList LineEditElement::hints() const
{
    QStringList result = frameHints(m_frameOption);
    // A table's cell editor sits in the view's viewport. Each step may be
    // missing: an editor without parent is in no table.
    const QObject* parent = m_widget ? m_widget->parent() : nullptr;
    const QObject* grandparent = parent ? parent->parent() : nullptr;
    if (grandparent && (grandparent->inherits("QTableView") || grandparent->inherits("QTableWidget"))) {
        result.append(QStringLiteral("inside-table"));
    }
    return result;
}

void LineEditElement::update()
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(m_widget)) {
        m_hasFrame = edit->hasFrame();
    } else if (m_frameOption && m_widget) {
        m_hasFrame = m_frameOption->frameShape != QFrame::NoFrame;
    } else if (m_frameOption) {
        m_hasFrame = m_frameOption->lineWidth > 0;
    }
    updateSubElementNames();
    query();
    m_iconSize = sizeOf({ ElementNames::LineEditIconSize });
}

void LineEditElement::draw(QPainter* painter, int, int, int primitive)
{
    if (!m_valid || !m_widget) {
        return;
    }
    const QObject* parent = m_widget->parent();
    if (parent && (parent->inherits("QComboBox") || parent->inherits("QAbstractSpinBox"))) {
        return;
    }
    switch (primitive) {
    case QStyle::PE_FrameLineEdit:
        drawBorder(painter);
        break;
    case QStyle::PE_PanelLineEdit:
        if (m_hasFrame) {
            drawBackgroundAndBorder(painter);
        } else {
            drawBackground(painter);
        }
        break;
    default:
        break;
    }
}

QRectF LineEditElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid || element != QStyle::SE_LineEditContents) {
        return QRectF(m_style->QCommonStyle::subElementRect(element, m_option, m_widget));
    }
    const QMarginsF p = padding();
    const QRect r = contentRect(m_option, m_properties)
                        .toRect()
                        .adjusted(int(std::lround(p.left())), int(std::lround(p.top())), -int(std::lround(p.right())),
                                  -int(std::lround(p.bottom())));
    return QRectF(r);
}

double LineEditElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_LineEditIconSize:
        return iconSize().width();
    case QStyle::PM_LineEditIconMargin: {
        const auto* layout = m_subProperties ? m_subProperties->layout() : nullptr;
        const auto* padding = layout ? layout->padding() : nullptr;
        if (!padding) {
            return 0;
        }
        const QMarginsF p = padding->toMargins();
        return (p.left() + p.top() + p.right() + p.bottom()) / 4;
    }
    default:
        return 0;
    }
}

QSizeF LineEditElement::iconSize() const
{
    return m_iconSize;
}

QSizeF LineEditElement::sizeFromContents(const QSizeF& contents)
{
    const QMarginsF p = padding();
    return QSizeF(contents.width() + p.left() + p.right(), contents.height() + p.top() + p.bottom());
}

bool LineEditElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_frameOption = static_cast<const QStyleOptionFrame*>(option);
    setTarget(option, widget);
    return true;
}

bool LineEditElement::ownInputs(InputValues& values) const
{
    if (m_frameOption) {
        values << m_frameOption->frameShape << m_frameOption->lineWidth << int(m_frameOption->features);
        if (const WidgetFacts* facts = widgetFacts(m_frameOption->styleObject)) {
            values << facts->bordersSides.toInt();
        }
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(m_widget)) {
        values << edit->hasFrame();
    }
    // The hints look two parents up, for a table's cell editor.
    const QObject* parent = m_widget ? m_widget->parent() : nullptr;
    const QObject* grandparent = parent ? parent->parent() : nullptr;
    values << qint64(quintptr(grandparent)) << qint64(quintptr(grandparent ? grandparent->metaObject() : nullptr));
    return true;
}
