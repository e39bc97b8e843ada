#include "toolkit/PixelRuns.h"

namespace vantor::toolkit {

std::vector<PixelRect> OpaqueRuns(const PixelView& view, const KeyRange& key)
{
    std::vector<PixelRect> runs;
    ForEachOpaqueRun(view, key, [&](const PixelRect& r) { runs.push_back(r); });
    return runs;
}

std::vector<PixelRect> KeyRuns(const PixelView& view, ColourRef key)
{
    std::vector<PixelRect> runs;
    ForEachKeyRun(view, key, [&](const PixelRect& r) { runs.push_back(r); });
    return runs;
}

}  // namespace vantor::toolkit
