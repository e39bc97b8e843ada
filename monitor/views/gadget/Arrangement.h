// Lining the gadgets up along a screen edge: 0 "Top", 1 "Right", 2 "Bottom",
// 3 "Left", filling rows (or columns) from the corner and keeping clear of
// the taskbar. Pure: the shell gives the screen, the gadget size and the
// taskbar's window rectangle.
#pragma once

#include <optional>

#include "gadget/GadgetGeometry.h"

namespace vantor::views {

enum class TaskbarEdge {
    Top,
    Right,
    Bottom,
    Left
};

// Which edge the taskbar hugs, judged as Windows places it: a bottom bar
// starts at or below the screen's top, a right one at or right of its left
// edge, a left one reaches below the screen; what remains is a top bar.
TaskbarEdge TaskbarEdgeOf(const GadgetRect& taskbar, int screenHeight);

struct ArrangementScreen {
    int width = 0;
    int height = 0;
    // The taskbar window; none (no shell) corrects nothing.
    std::optional<GadgetRect> taskbar;
};

// Where the n-th gadget taking part goes (n counts only those gadgets) for
// arrangement `index` 0..3, every gadget `gadgetWidth` x `gadgetHeight`. A
// line holds as many gadgets as fit, and at least one, so a gadget larger
// than the screen (or one without its skin, of size 0) cannot divide by zero.
GadgetPoint ArrangedPosition(int index, int n, const ArrangementScreen& screen, int gadgetWidth, int gadgetHeight);

}  // namespace vantor::views
