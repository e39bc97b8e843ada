// The main panel sliding in behind the cover and out again: the step of each
// timer tick, whether a tick moves the panel or ends the slide, and the cut
// that keeps the panel from showing over the cover while it moves. Pure; the
// window applies the moves and rebuilds its region.
#pragma once

#include <optional>

namespace vantor::views {

// How far the panel travels behind the cover: 27 ticks of 10 pixels.
inline constexpr int kSlideDistance = 270;
inline constexpr int kSlideIntervalMs = 10;

// Pixels moved on a tick: 10 while fewer than 50 moving ticks have passed,
// then 5 while fewer than 58, then 2.
int SlideStep(int movingTicks);

struct SlideMove {
    int dx = 0;     // the panel's move on the screen: negative when closing
    int shift = 0;  // the region's shift: the step when closing, minus it when opening
};

// One tick of a slide towards `closing` (the new PanelClosed). A move while
// the panel has not reached its end (the cover's left minus 270 when closing,
// the cover's left when opening); nothing when the slide is over.
std::optional<SlideMove> SlideTick(bool closing, int panelLeft, int coverLeft, int movingTicks);

// The part of the panel window cut away: the cover's shape at
// (coverShapeX, coverShapeY) united with the strip (0, 0)-(cutWidth, 210).
// Both move with the panel's region shift, so on the screen the cut stays
// where the cover is and nothing of the panel shows left of the cover's
// left edge plus 100.
struct PanelCut {
    int coverShapeX = 0;
    int coverShapeY = 0;
    int cutWidth = 100;

    static constexpr int kStripHeight = 210;

    void Shift(int d)
    {
        coverShapeX += d;
        cutWidth += d;
    }
};

// The cover's left minus the panel's left: 0 while open, 270 while closed.
inline int CoverOffset(int coverLeft, int panelLeft) { return coverLeft - panelLeft; }

}  // namespace vantor::views
