#pragma once

#include "abstractelement.h"

class QStyleOptionMenuItem;

// The panel and empty area of a menu bar, its margins and item spacing.
class MenuBarElement : public AbstractElement
{
    Q_OBJECT

public:
    MenuBarElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QString elementType(const QStyleOption* option) const override;
};

// One entry of a menu bar: its icon and text over the bar's background.
class MenuBarItemElement : public AbstractElement
{
    Q_OBJECT

public:
    MenuBarItemElement(const QStyleOptionMenuItem* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    void update() override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionMenuItem* m_menuItemOption = nullptr;
};
