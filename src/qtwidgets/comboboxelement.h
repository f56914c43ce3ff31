#pragma once

#include "abstractelement.h"

class QStyleOptionComboBox;

// Closed combo boxes: the panel, the current icon and text, the drop-down
// arrow, and the places of the sub-controls.
class ComboBoxElement : public AbstractElement
{
    Q_OBJECT

public:
    ComboBoxElement(const QStyleOptionComboBox* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subControlRect(QStyle::SubControl control) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawText(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    const QStyleOptionComboBox* m_comboOption = nullptr;
    bool m_editable = false;
    bool m_frame = true;
};
