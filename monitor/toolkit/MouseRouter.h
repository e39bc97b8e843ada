// Routes a window's mouse events to its windowless controls: the control
// under the pointer, or the one holding the capture. A left press captures
// the control it lands on until the release, and the release clicks it only
// when it began on that control and ends inside it while the control is
// still visible and enabled. Pure; the window performs the routing it returns.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/HitTest.h"

namespace vantor::toolkit {

struct RoutedMouse {
    Control* target = nullptr;  // no control: the window's own background
    MouseEvent event;           // in the target's coordinates
    bool click = false;         // after the release handler, the target's click runs
};

class MouseRouter {
public:
    explicit MouseRouter(const Control& root) : m_root(root) {}

    // Points are in the root's (the window's client) coordinates.
    RoutedMouse Down(MouseButton button, Point at);
    RoutedMouse Move(Point at);
    RoutedMouse Up(MouseButton button, Point at);

    // A control asks to hear every move, also outside itself, until released.
    void SetCapture(Control* control) { m_captured = control; }
    void ReleaseCapture() { m_captured = nullptr; }
    Control* Captured() const { return m_captured; }
    // The control whose cursor and hint apply: the captured one, else the
    // one under the pointer at the last event.
    Control* Hovered() const { return m_hovered; }

private:
    RoutedMouse Route(Control* target, MouseButton button, Point at) const;

    const Control& m_root;
    Control* m_captured = nullptr;
    Control* m_hovered = nullptr;
    Control* m_leftPressed = nullptr;  // the left press began on it
};

}  // namespace vantor::toolkit
