#pragma once

#include "abstractelement.h"

// The corner between the two scroll bars of a scroll area.
class ScrollAreaCornerElement : public AbstractElement
{
    Q_OBJECT

public:
    ScrollAreaCornerElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    void update() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOption* m_ownOption = nullptr;
};
