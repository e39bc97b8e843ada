// The state machine of the bitmap button control: which of its four
// bitmaps it shows as the mouse, the Space and Enter keys, the keyboard focus
// and enabling change, when it takes or gives back the mouse capture and the
// focus, and when it clicks. Pure: events in, effects out.
#pragma once

#include <optional>

namespace vantor::toolkit {

enum class ZySlot {
    Raised = 0,
    Sunken = 1,
    Focused = 2,
    Disabled = 3
};

struct ZyEffects {
    std::optional<ZySlot> show;  // show this slot and redraw
    bool takeCapture = false;
    bool releaseCapture = false;
    bool takeFocus = false;
    bool click = false;
    bool mouseEnter = false;
    bool mouseLeave = false;
};

enum class ZyKey {
    Space,
    Enter,
    Other
};

class ZyButtonState {
public:
    bool showMouseOver = true;
    bool tabStop = true;

    // Left button only; `inside` is whether the point lies in the control.
    ZyEffects MouseMove(bool inside);
    ZyEffects LeftDown(bool inside);
    ZyEffects LeftUp(bool inside);
    ZyEffects KeyDown(ZyKey key);
    ZyEffects KeyUp(ZyKey key);
    ZyEffects CharTyped(char c);
    ZyEffects FocusGained();
    ZyEffects FocusLost();
    // The capture went to another window (or was released by someone else).
    ZyEffects CaptureLost();
    ZyEffects SetEnabled(bool enabled);

    ZySlot Slot() const { return m_slot; }
    bool Enabled() const { return m_enabled; }
    bool MouseOver() const { return m_mouseOver; }
    bool MousePressed() const { return m_mousePressed; }
    bool KeyPressed() const { return m_keyPressed; }

private:
    ZyEffects& Show(ZyEffects& e, ZySlot slot);
    ZySlot RestingSlot() const;
    void Leave(ZyEffects& e);
    void EndPress(ZyEffects& e);

    bool m_enabled = true;
    bool m_mouseOver = false;
    bool m_keyPressed = false;
    bool m_mousePressed = false;
    bool m_mouseCaptured = false;  // captured by a left press on the control
    ZySlot m_slot = ZySlot::Raised;
};

}  // namespace vantor::toolkit
