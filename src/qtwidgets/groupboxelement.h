#pragma once

#include "abstractelement.h"

class QStyleOptionGroupBox;

// Group boxes: the panel over the whole box, the title and, when the box is
// checkable, a check box drawn by the check box element through the style.
class GroupBoxElement : public AbstractElement
{
    Q_OBJECT

public:
    GroupBoxElement(const QStyleOptionGroupBox* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QRectF subControlRect(QStyle::SubControl control) override;
    void update() override;
    void drawText(QPainter* painter) override;
    void drawIcon(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

    bool isCheckable() const { return m_checkable; }

private:
    const QStyleOptionGroupBox* m_groupBoxOption = nullptr;
    bool m_checkable = false;
};
