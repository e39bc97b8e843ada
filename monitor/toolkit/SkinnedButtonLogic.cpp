#include "toolkit/SkinnedButtonLogic.h"

namespace vantor::toolkit {
namespace {

bool Inside(int x, int y, ButtonSize size) { return x >= 0 && x <= size.width - 1 && y >= 0 && y <= size.height - 1; }

}  // namespace

RolloverFlags& ProcessRollover()
{
    static RolloverFlags flags;
    return flags;
}

std::string_view PictureSuffix(ButtonPicture picture)
{
    switch (picture) {
    case ButtonPicture::Up:
        return "Up";
    case ButtonPicture::Ov:
        return "Ov";
    case ButtonPicture::Dn:
        return "Dn";
    }
    return "Up";
}

ButtonEffects SkinnedButtonLogic::Press()
{
    ButtonEffects e;
    e.focusApplication = true;
    e.show = ButtonPicture::Dn;
    m_form.pressed = true;
    e.notifyPressed = true;
    e.playPressSound = true;
    return e;
}

ButtonEffects SkinnedButtonLogic::Move(int x, int y, ButtonSize size)
{
    ButtonEffects e;
    if (!m_form.captured) {
        // Hold the capture so that the move that leaves the button reaches it.
        m_form.captured = true;
        e.takeCapture = true;
    }
    if (!Inside(x, y, size)) {
        if ((!m_rollover.downAllowed || !m_rollover.overAllowed) && m_rollover.nonUpShown) {
            e.show = ButtonPicture::Up;
            m_rollover.nonUpShown = false;
        }
        if (!m_form.pressed) {
            e.releaseCapture = true;
            m_form.captured = false;
        }
        m_rollover.overAllowed = true;
        m_rollover.downAllowed = true;
    } else if (m_form.pressed && m_rollover.downAllowed) {
        e.show = ButtonPicture::Dn;
        m_rollover.downAllowed = false;
        m_rollover.nonUpShown = true;
    } else if (!m_form.pressed && m_rollover.overAllowed) {
        e.show = ButtonPicture::Ov;
        m_rollover.overAllowed = false;
        m_rollover.nonUpShown = true;
    }
    return e;
}

ButtonEffects SkinnedButtonLogic::Release(int x, int y, ButtonSize size)
{
    ButtonEffects e;
    const bool wasPressed = m_form.pressed;
    e.releaseCapture = true;
    m_form.pressed = false;
    m_form.captured = false;
    e.notifyReleased = true;
    if (Inside(x, y, size)) {
        e.show = ButtonPicture::Up;
        e.click = wasPressed;
    }
    return e;
}

}  // namespace vantor::toolkit
