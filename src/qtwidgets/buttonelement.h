#pragma once

#include "abstractelement.h"

class QStyleOptionButton;

// Push buttons: bevel, label, default-button frame and menu indicator.
class ButtonElement : public AbstractElement
{
    Q_OBJECT

public:
    ButtonElement(const QStyleOptionButton* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    Quilt::Element::States states() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;
    void drawText(QPainter* painter) override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    void placeLabel();

    const QStyleOptionButton* m_buttonOption = nullptr;
};
