#pragma once

#include "abstractelement.h"

#include <QImage>

class QStyleOptionSpinBox;

// Spin boxes: the panel, the two step buttons stacked at the top right and
// their symbols, and the places of the sub-controls.
class SpinBoxElement : public AbstractElement
{
    Q_OBJECT

public:
    SpinBoxElement(const QStyleOptionSpinBox* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subControlRect(QStyle::SubControl control) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    void drawButtons(QPainter* painter);
    void drawButtonRequests(QPainter* painter, const QRect& up, const QRect& down);
    void drawStepSymbol(QPainter* painter, const QString& iconName, QStyle::PrimitiveElement fallback);

    // The symbol this element painted last, as resolved for its name, its
    // properties and the style's icons then: each paint of a spin box paints
    // both step buttons, and resolving their icons twice per paint was a
    // good part of its cost.
    struct StepSymbol
    {
        QString name;
        // Held, so that no other properties take their address.
        std::shared_ptr<const Properties> properties;
        quint64 epoch = 0;
        QIcon icon;
    };
    StepSymbol m_stepSymbol;

    // Both step buttons as they were last painted, in one image: each paint
    // would otherwise make two symbol requests through the style and blit
    // two pixmaps. Kept while nothing their drawing reads has changed.
    struct StepButtons
    {
        bool arrows = true;
        QSize up;
        QSize down;
        QPoint downOffset;
        int state = 0;
        qint64 palette = 0;
        int direction = 0;
        qreal ratio = 0;
        quint64 iconEpoch = 0;
        quint64 generation = 0;

        bool operator==(const StepButtons& other) const = default;
    };
    StepButtons m_stepButtons;
    QImage m_stepButtonsImage;

    const QStyleOptionSpinBox* m_spinBoxOption = nullptr;
    bool m_hasButtons = true;
    bool m_frame = true;
};
