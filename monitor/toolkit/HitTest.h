// Which windowless control of a window lies under a point: the topmost in
// z-order (the last created) that is visible and enabled. Hidden controls and
// disabled ones let the mouse through to what lies below them; windowed
// controls are real windows that take their own mouse messages, so they are
// never the answer here.
#pragma once

#include "toolkit/Control.h"

namespace vantor::toolkit {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The control's top-left corner in the coordinates of `root`, which must be
// one of its ancestors (or the control itself, giving 0, 0).
Point OriginIn(const Control& control, const Control& root);

// The windowless control under `at` (in `root`'s coordinates), or null.
// Windowless containers are searched inside; windowed ones are not.
Control* ControlAt(const Control& root, Point at);

}  // namespace vantor::toolkit
