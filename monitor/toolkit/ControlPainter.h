// Draws the windowless controls of a window onto its back buffer.
#pragma once

#include <windows.h>

#include "toolkit/Control.h"

namespace vantor::toolkit {

// Paints the visible windowless controls below `root` that reach into
// `area` (in the coordinates of `dc`), in z-order, with `root`'s top-left
// corner at `origin` of `dc`. Windowed controls are skipped: Windows draws
// them.
void PaintControls(HDC dc, const Control& root, POINT origin, const RECT& area);

}  // namespace vantor::toolkit
