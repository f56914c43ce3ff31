#pragma once

#include "abstractelement.h"

// The expand and collapse arrows of tree branches, and the tree's indentation.
class TreeViewElement : public AbstractElement
{
    Q_OBJECT

public:
    TreeViewElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawIndicator(QPainter* painter) override;
    QStringList hints() const override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOption* m_treeOption = nullptr;
    bool m_expanded = false;
};
