#include "toolkit/ZyButtonState.h"

namespace vantor::toolkit {

ZyEffects& ZyButtonState::Show(ZyEffects& e, ZySlot slot)
{
    m_slot = slot;
    e.show = slot;
    return e;
}

// The slot a button shows when nothing holds it down.
ZySlot ZyButtonState::RestingSlot() const { return m_mouseOver && showMouseOver ? ZySlot::Focused : ZySlot::Raised; }

void ZyButtonState::Leave(ZyEffects& e)
{
    m_mouseOver = false;
    if (m_mousePressed) {
        m_mousePressed = false;
        if (!m_keyPressed)
            Show(e, ZySlot::Raised);
    } else {
        if (showMouseOver)
            Show(e, ZySlot::Raised);
        e.mouseLeave = true;
    }
}

// A press taken away (focus lost, disabled) ends without a click: the
// release that follows belongs to no press any more.
void ZyButtonState::EndPress(ZyEffects& e)
{
    m_keyPressed = false;
    m_mousePressed = false;
    if (m_mouseCaptured) {
        m_mouseCaptured = false;
        e.releaseCapture = true;
    }
    Show(e, RestingSlot());
}

ZyEffects ZyButtonState::MouseMove(bool inside)
{
    ZyEffects e;
    if (!m_enabled)
        return e;
    if (inside && !m_mouseOver) {
        if (m_mouseCaptured) {
            Show(e, ZySlot::Sunken);
            m_mousePressed = true;
        } else if (showMouseOver) {
            Show(e, ZySlot::Focused);
        }
        m_mouseOver = true;
        if (!m_mouseCaptured)
            e.takeCapture = true;  // so that leaving is noticed
        e.mouseEnter = true;
    } else if (!inside && m_mouseOver) {
        Leave(e);
        if (!m_mouseCaptured)
            e.releaseCapture = true;
    }
    return e;
}

ZyEffects ZyButtonState::LeftDown(bool inside)
{
    ZyEffects e;
    if (!m_enabled || !inside)
        return e;
    m_mouseCaptured = true;
    m_mousePressed = true;
    e.takeCapture = true;
    if (!m_keyPressed) {
        e.takeFocus = tabStop;
        Show(e, ZySlot::Sunken);
    }
    return e;
}

ZyEffects ZyButtonState::LeftUp(bool inside)
{
    ZyEffects e;
    if (!m_enabled)
        return e;
    const bool pressBegunHere = m_mouseCaptured;
    if (!m_keyPressed && m_mousePressed)
        Show(e, RestingSlot());
    m_mousePressed = false;
    if (!inside)
        e.releaseCapture = true;
    m_mouseCaptured = false;
    e.click = inside && pressBegunHere;
    return e;
}

ZyEffects ZyButtonState::KeyDown(ZyKey key)
{
    ZyEffects e;
    if (!m_enabled || key == ZyKey::Other)
        return e;
    m_keyPressed = true;
    if (!m_mousePressed)
        Show(e, ZySlot::Sunken);
    return e;
}

ZyEffects ZyButtonState::KeyUp(ZyKey key)
{
    ZyEffects e;
    if (!m_enabled || key == ZyKey::Other || !m_keyPressed)
        return e;
    if (!m_mousePressed)
        Show(e, RestingSlot());
    m_keyPressed = false;
    return e;
}

ZyEffects ZyButtonState::CharTyped(char c)
{
    ZyEffects e;
    e.click = m_enabled && c == ' ';
    return e;
}

ZyEffects ZyButtonState::FocusGained()
{
    ZyEffects e;
    if (m_enabled && !m_keyPressed && !m_mousePressed && !m_mouseOver)
        Show(e, ZySlot::Focused);
    return e;
}

ZyEffects ZyButtonState::FocusLost()
{
    ZyEffects e;
    if (!m_enabled)
        return e;
    if (m_keyPressed || m_mousePressed)
        EndPress(e);
    else if (!m_mouseOver)
        Show(e, ZySlot::Raised);
    return e;
}

ZyEffects ZyButtonState::CaptureLost()
{
    ZyEffects e;
    if (m_mouseOver)
        Leave(e);
    m_mousePressed = false;
    m_mouseCaptured = false;
    return e;
}

ZyEffects ZyButtonState::SetEnabled(bool enabled)
{
    ZyEffects e;
    if (enabled == m_enabled)
        return e;
    if (enabled) {
        m_enabled = true;
        return Show(e, ZySlot::Raised);
    }
    if (m_keyPressed || m_mousePressed || m_mouseCaptured)
        EndPress(e);
    if (m_mouseOver) {
        m_mouseOver = false;
        e.mouseLeave = true;
        e.releaseCapture = true;
    }
    m_enabled = false;
    return Show(e, ZySlot::Disabled);
}

}  // namespace vantor::toolkit
