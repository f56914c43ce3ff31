#pragma once

#include "abstractelement.h"

class QStyleOptionTabWidgetFrame;

// The frame around a tab widget's pages.
class TabWidgetElement : public AbstractElement
{
    Q_OBJECT

public:
    TabWidgetElement(const QStyleOptionTabWidgetFrame* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void update() override;
    QVariantMap attributes() const override;
    QStringList hints() const override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionTabWidgetFrame* m_frameOption = nullptr;
};
