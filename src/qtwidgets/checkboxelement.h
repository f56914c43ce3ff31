#pragma once

#include "abstractelement.h"

class QStyleOptionButton;

// Check boxes: the box (the "Indicator" part), icon and label.
class CheckBoxElement : public AbstractElement
{
    Q_OBJECT

public:
    CheckBoxElement(const QStyleOptionButton* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawIndicator(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    const QStyleOptionButton* m_buttonOption = nullptr;
};
