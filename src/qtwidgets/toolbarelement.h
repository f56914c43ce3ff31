#pragma once

#include "abstractelement.h"

class QStyleOptionToolBar;

// Tool bars: the panel, the drag handle, the separators between the buttons,
// and the metrics of the tool bar layout.
class ToolBarElement : public AbstractElement
{
    Q_OBJECT

public:
    ToolBarElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

    double handleExtent() const;
    double separatorExtent() const;
    double extensionExtent() const;
    QRectF barRect(double extent) const;

private:
    double extentOf(const Properties* part) const;

    const QStyleOptionToolBar* m_toolBarOption = nullptr;
    Quilt::ElementChain m_handleElements;
    const Properties* m_handleProperties = nullptr;
    std::shared_ptr<const Properties> m_handlePropertiesHold;
    Quilt::ElementChain m_separatorElements;
    const Properties* m_separatorProperties = nullptr;
    std::shared_ptr<const Properties> m_separatorPropertiesHold;
    Quilt::ElementChain m_extensionElements;
    const Properties* m_extensionProperties = nullptr;
    std::shared_ptr<const Properties> m_extensionPropertiesHold;
};
