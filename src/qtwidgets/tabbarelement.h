#pragma once

#include "abstractelement.h"

class QStyleOptionTabBarBase;

// The base line of a tab bar, with the tab bar's metrics and its elide and
// alignment hints.
class TabBarElement : public AbstractElement
{
    Q_OBJECT

public:
    TabBarElement(const QStyleOptionTabBarBase* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    int styleHint(QStyle::StyleHint hint) override;
    void update() override;
    void drawBackgroundAndBorder(QPainter* painter) override;
    QVariantMap attributes() const override;
    QStringList hints() const override;
    QString elementType(const QStyleOption* option) const override;

    // The "direction" attribute of a tab shape: top, bottom, left or right;
    // empty for anything else.
    static QString direction(int shape);

private:
    const QStyleOptionTabBarBase* m_tabBarOption = nullptr;
};
