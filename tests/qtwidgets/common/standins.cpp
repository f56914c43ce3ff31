#include "standins.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

LoomSideTabBar::LoomSideTabBar(QWidget* parent)
    : QFrame(parent)
{ }

void LoomSideTabBar::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
