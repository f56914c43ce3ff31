#include "spinboxelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetfacts.h"
#include "widgetslogging.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

SpinBoxElement::SpinBoxElement(const QStyleOptionSpinBox* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_spinBoxOption(option)
{
    update();
}

QString SpinBoxElement::elementType(const QStyleOption*) const
{
    return ElementNames::SpinBox;
}

QStringList SpinBoxElement::hints() const
{
    return { QStringLiteral("constrained") };
}

void SpinBoxElement::updateSubElementNames()
{
    if (m_subElementNames.isEmpty()) {
        m_subElementNames.append(ElementNames::Indicator);
    }
}

void SpinBoxElement::update()
{
    if (!m_spinBoxOption) {
        return;
    }
    m_frame = m_spinBoxOption->frame;
    m_hasButtons = m_spinBoxOption->buttonSymbols != QAbstractSpinBox::NoButtons;
    updateSubElementNames();
    query();
}

void SpinBoxElement::draw(QPainter* painter, int, int complex, int primitive)
{
    if (!m_valid || !m_spinBoxOption) {
        return;
    }
    if (complex == QStyle::CC_SpinBox) {
        if (m_frame) {
            drawBackgroundAndBorder(painter);
        } else {
            drawBackground(painter);
        }
        if (m_hasButtons) {
            drawButtons(painter);
        }
        return;
    }
    switch (primitive) {
    case QStyle::PE_IndicatorSpinUp:
        drawStepSymbol(painter, QStringLiteral("arrow-up-symbolic"), QStyle::PE_IndicatorArrowUp);
        break;
    case QStyle::PE_IndicatorSpinDown:
        drawStepSymbol(painter, QStringLiteral("arrow-down-symbolic"), QStyle::PE_IndicatorArrowDown);
        break;
    case QStyle::PE_IndicatorSpinPlus:
        drawStepSymbol(painter, QStringLiteral("spinbox-increase"), QStyle::PE_IndicatorSpinPlus);
        break;
    case QStyle::PE_IndicatorSpinMinus:
        drawStepSymbol(painter, QStringLiteral("spinbox-decrease"), QStyle::PE_IndicatorSpinMinus);
        break;
    default:
        break;
    }
}

void SpinBoxElement::drawButtons(QPainter* painter)
{
    const QRect up = subControlRect(QStyle::SC_SpinBoxUp).toRect();
    const QRect down = subControlRect(QStyle::SC_SpinBoxDown).toRect();
    const QRect both = up.united(down);
    if (both.isEmpty()) {
        return;
    }
    // Under a scale or rotation the image would be resampled where the
    // symbols themselves are not; a printer or a vector file keeps drawn
    // symbols sharp.
    const QPaintEngine* engine = painter->paintEngine();
    if (painter->worldTransform().type() > QTransform::TxTranslate || !engine
        || engine->type() != QPaintEngine::Raster) {
        drawButtonRequests(painter, up, down);
        return;
    }

    const StepButtons wanted { m_spinBoxOption->buttonSymbols == QAbstractSpinBox::UpDownArrows,
                               up.size(),
                               down.size(),
                               down.topLeft() - up.topLeft(),
                               int(m_option->state),
                               m_option->palette.cacheKey(),
                               int(m_option->direction),
                               painter->device()->devicePixelRatio(),
                               m_style->iconEpoch(),
                               styleGeneration() };
    if (m_stepButtonsImage.isNull() || !(wanted == m_stepButtons)) {
        QImage image((QSizeF(both.size()) * wanted.ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(wanted.ratio);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        imagePainter.translate(-both.topLeft());
        drawButtonRequests(&imagePainter, up, down);
        imagePainter.end();
        m_stepButtons = wanted;
        m_stepButtonsImage = std::move(image);
    }
    painter->drawImage(both.topLeft(), m_stepButtonsImage);
}

void SpinBoxElement::drawButtonRequests(QPainter* painter, const QRect& up, const QRect& down)
{
    // The buttons are requests of their own, on a copy of the option that
    // carries each button's place.
    const bool arrows = m_spinBoxOption->buttonSymbols == QAbstractSpinBox::UpDownArrows;
    QStyleOptionSpinBox button(*m_spinBoxOption);
    button.rect = up;
    m_style->drawPrimitive(arrows ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinPlus, &button, painter,
                           nullptr);
    button.rect = down;
    m_style->drawPrimitive(arrows ? QStyle::PE_IndicatorSpinDown : QStyle::PE_IndicatorSpinMinus, &button, painter,
                           nullptr);
}

void SpinBoxElement::drawStepSymbol(QPainter* painter, const QString& iconName, QStyle::PrimitiveElement fallback)
{
    if (!m_valid) {
        return;
    }
    const quint64 epoch = m_style->iconEpoch();
    if (m_stepSymbol.name != iconName || m_stepSymbol.properties.get() != m_properties || m_stepSymbol.epoch != epoch
        || m_propertiesHold.get() != m_properties) {
        m_stepSymbol = { iconName, m_propertiesHold.get() == m_properties ? m_propertiesHold : nullptr, epoch,
                         resolveSymbol(m_style->resolveIcon(m_properties, iconName), m_properties) };
    }
    drawResolvedSymbol(painter, m_stepSymbol.icon, m_properties, QRectF(m_option->rect), fallback);
}

QRectF SpinBoxElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid || !m_spinBoxOption) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    const QRect bounds = m_option->rect;
    const QSizeF button = m_layout.value(ElementNames::Indicator).rect.size();
    const double w = button.width();
    const double h = button.height();
    const int x = int(bounds.right() + 1 - w);

    QRectF r;
    switch (control) {
    case QStyle::SC_SpinBoxUp:
        r = m_hasButtons ? QRectF(x, bounds.top(), w, h) : QRectF();
        break;
    case QStyle::SC_SpinBoxDown:
        r = m_hasButtons ? QRectF(x, bounds.top() + h, w, h) : QRectF();
        break;
    case QStyle::SC_SpinBoxFrame:
        r = QRectF(bounds.left(), bounds.top(), std::max(width(), double(bounds.width())),
                   std::max(height(), double(bounds.height())));
        break;
    case QStyle::SC_SpinBoxEditField:
        r = m_hasButtons ? QRectF(bounds.left(), bounds.top(), bounds.width() - w, bounds.height()) : QRectF(bounds);
        break;
    default:
        r = QRectF(bounds);
        break;
    }
    return QRectF(QStyle::visualRect(m_option->direction, bounds, r.toRect()));
}

double SpinBoxElement::pixelMetric(QStyle::PixelMetric metric)
{
    return metric == QStyle::PM_SpinBoxFrameWidth ? averageBorderSize() : 0;
}

QSizeF SpinBoxElement::sizeFromContents(const QSizeF& contents)
{
    const int frame = m_style->pixelMetric(QStyle::PM_SpinBoxFrameWidth, m_option, m_widget);
    const QMarginsF p = padding();
    QSizeF size(contents.width() + 2 * frame + p.left() + p.right(), contents.height() + 2 * frame);
    if (m_hasButtons) {
        const QRectF up = subControlRect(QStyle::SC_SpinBoxUp);
        const QRectF down = subControlRect(QStyle::SC_SpinBoxDown);
        size.rwidth() += std::max(up.width(), down.width());
        size.setHeight(up.height() + down.height());
    }
    return size;
}

bool SpinBoxElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_spinBoxOption = static_cast<const QStyleOptionSpinBox*>(option);
    setTarget(option, widget);
    return true;
}

bool SpinBoxElement::ownInputs(InputValues& values) const
{
    if (m_spinBoxOption) {
        values << m_spinBoxOption->frame << m_spinBoxOption->buttonSymbols;
    }
    return true;
}
