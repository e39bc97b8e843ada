#include "toolkit/MouseRouter.h"

namespace vantor::toolkit {

RoutedMouse MouseRouter::Route(Control* target, MouseButton button, Point at) const
{
    RoutedMouse routed;
    routed.target = target;
    routed.event.button = button;
    if (target) {
        const Point origin = OriginIn(*target, m_root);
        routed.event.x = at.x - origin.x;
        routed.event.y = at.y - origin.y;
    } else {
        routed.event.x = at.x;
        routed.event.y = at.y;
    }
    return routed;
}

RoutedMouse MouseRouter::Down(MouseButton button, Point at)
{
    Control* target = m_captured ? m_captured : ControlAt(m_root, at);
    m_hovered = target;
    if (button == MouseButton::Left) {
        m_leftPressed = target;
        m_captured = target;
    }
    return Route(target, button, at);
}

RoutedMouse MouseRouter::Move(Point at)
{
    Control* target = m_captured ? m_captured : ControlAt(m_root, at);
    m_hovered = target;
    return Route(target, MouseButton::Left, at);
}

RoutedMouse MouseRouter::Up(MouseButton button, Point at)
{
    Control* target = m_captured ? m_captured : ControlAt(m_root, at);
    RoutedMouse routed = Route(target, button, at);
    if (button == MouseButton::Left) {
        m_captured = nullptr;
        routed.click = target && target == m_leftPressed && target->Visible() && target->Enabled() &&
                       routed.event.x >= 0 && routed.event.y >= 0 && routed.event.x < target->Width() &&
                       routed.event.y < target->Height();
        m_leftPressed = nullptr;
    }
    m_hovered = m_captured ? m_captured : ControlAt(m_root, at);
    return routed;
}

}  // namespace vantor::toolkit
