// How a skin bitmap becomes region pieces: its opaque runs, row by row, go
// into a rectangle list that is handed on every time it holds 2000
// rectangles, and once more at the end (even empty), so the caller unites only
// a handful of regions instead of one per run.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/ColourKey.h"
#include "toolkit/PixelView.h"
#include "toolkit/RegionDataList.h"

namespace vantor::toolkit {

inline constexpr std::uint32_t kRegionBatchLimit = 2000;

// `flush` receives each batch; it returns false to stop (a region could not
// be made), and then so does this.
bool BuildRegionBatches(const PixelView& view, const KeyRange& key,
                        const std::function<bool(const RegionDataList&)>& flush);

}  // namespace vantor::toolkit
