#pragma once

#include "abstractelement.h"

// The panel and frame of a popup menu, and its margins.
class MenuElement : public AbstractElement
{
    Q_OBJECT

public:
    MenuElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    const QStyleOption* m_menuOption = nullptr;
};
