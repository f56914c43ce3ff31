#pragma once

#include "abstractelement.h"

class QStyleOptionDockWidget;

// The title bar of dock widgets: panel, title, the places of the close and
// float buttons, the frame width and the buttons' icons.
class DockWidgetElement : public AbstractElement
{
    Q_OBJECT

public:
    DockWidgetElement(const QStyleOptionDockWidget* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QRectF subElementRect(QStyle::SubElement element) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    QIcon standardIcon(QStyle::StandardPixmap pixmap) override;
    void update() override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionDockWidget* m_dockOption = nullptr;
};
