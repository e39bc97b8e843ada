#include "toolkit/KnobLogic.h"

#include <algorithm>
#include <cstdint>

namespace vantor::toolkit {

void KnobLogic::Press(int mouseX)
{
    m_form.knobOriginX = mouseX;
    m_form.pressed = true;
}

std::optional<int> KnobLogic::Move(int mouseX, int knobLeft) const
{
    if (!m_form.pressed)
        return std::nullopt;
    // 64-bit so that far-off coordinates clamp instead of overflowing.
    const std::int64_t left = std::int64_t{knobLeft} + mouseX - m_form.knobOriginX;
    return static_cast<int>(std::clamp<std::int64_t>(left, kKnobMinLeft, kKnobMaxLeft));
}

void KnobLogic::Release() { m_form.pressed = false; }

}  // namespace vantor::toolkit
