#pragma once

#include "abstractelement.h"

// The status bar's panel and the frames around its items; an item frame is
// styled by the "Item" element below the status bar.
class StatusBarElement : public AbstractElement
{
    Q_OBJECT

public:
    StatusBarElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    void update() override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOption* m_statusOption = nullptr;
};
