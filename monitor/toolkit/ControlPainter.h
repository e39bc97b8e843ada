// Draws the windowless controls of a window onto its back buffer.
#pragma once

#include <windows.h>

#include "toolkit/Control.h"

namespace vantor::toolkit {

// Paints every visible windowless control below `root`, in z-order, with
// `root`'s top-left corner at `origin` of `dc`. Windowed controls are
// skipped: Windows draws them.
void PaintControls(HDC dc, const Control& root, POINT origin);

}  // namespace vantor::toolkit
