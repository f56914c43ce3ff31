#pragma once

#include "abstractelement.h"

#include <QPixmap>

#include <vector>

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
    // One arrow as painted: resolved, sized and, right to left, mirrored
    // once, for the properties it was drawn from.
    struct Arrow
    {
        std::shared_ptr<const Properties> properties;
        bool expanded = false;
        bool rightToLeft = false;
        QIcon::Mode mode = QIcon::Normal;
        int side = 0;
        qreal ratio = 1;
        bool resolved = false;
        QPixmap pixmap;
    };
    const Arrow& arrow(int side, qreal ratio, QIcon::Mode mode);

    const QStyleOption* m_treeOption = nullptr;
    bool m_expanded = false;
    std::vector<Arrow> m_arrows;
    quint64 m_arrowEpoch = 0;
};
