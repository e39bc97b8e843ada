// The horizontal knob of the options window's threshold sliders: dragged
// with the mouse, its left edge kept on the slider track.
#pragma once

#include <optional>

#include "toolkit/SkinnedButtonLogic.h"

namespace vantor::toolkit {

inline constexpr int kKnobMinLeft = 395;
inline constexpr int kKnobMaxLeft = 460;

class KnobLogic {
public:
    explicit KnobLogic(FormMouseState& form) : m_form(form) {}

    // Mouse down at x inside the knob.
    void Press(int mouseX);
    // Mouse at x inside the knob whose left edge is at knobLeft. While the
    // knob is held: its new left edge, kept within the track; the window sets
    // it and calls KnobMoved, also when the edge did not move. Otherwise nothing.
    std::optional<int> Move(int mouseX, int knobLeft) const;
    void Release();

private:
    FormMouseState& m_form;
};

}  // namespace vantor::toolkit
