#include "quiltwheelevent_p.h"

#include <QWheelEvent>

QuiltWheelEvent::QuiltWheelEvent(QObject* parent)
    : QObject(parent)
{ }

QuiltWheelEvent::~QuiltWheelEvent() = default;

void QuiltWheelEvent::initializeFromEvent(const QWheelEvent& event)
{
    m_x = event.position().x();
    m_y = event.position().y();
    m_angleDelta = event.angleDelta();
    m_pixelDelta = event.pixelDelta();
    m_buttons = int(event.buttons());
    m_modifiers = int(event.modifiers());
    m_inverted = event.inverted();
    m_accepted = false;
}
