#pragma once

#include "abstractelement.h"

class QStyleOptionToolBox;

// The tab (the page button) of a tool box page, with its icon and text.
class ToolBoxTabElement : public AbstractElement
{
    Q_OBJECT

public:
    ToolBoxTabElement(const QStyleOptionToolBox* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QRectF subElementRect(QStyle::SubElement element) override;
    void update() override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionToolBox* m_toolBoxOption = nullptr;
};
