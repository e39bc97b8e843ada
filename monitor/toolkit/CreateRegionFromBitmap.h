// A window's outline cut from its skin bitmap: every pixel outside the key
// colour range is kept. Windows pass their background bitmap, the colour of
// its top-left pixel and a tolerance of 255 (red only).
#pragma once

#include <windows.h>

#include "toolkit/PixelView.h"

namespace vantor::toolkit {

// A new region the caller owns, or null when `bitmap` is null or the working
// device context, bitmap or a region piece could not be made. An all-key
// bitmap gives an empty region.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key, COLORREF tolerance);

// The region part on pixels already in memory: one ExtCreateRegion per batch
// of up to 2000 runs, united. Null when a region could not be made.
HRGN RegionFromPixels(const PixelView& pixels, COLORREF key, COLORREF tolerance);

}  // namespace vantor::toolkit
