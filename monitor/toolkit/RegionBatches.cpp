#include "toolkit/RegionBatches.h"

#include "toolkit/PixelRuns.h"

namespace vantor::toolkit {

bool BuildRegionBatches(const PixelView& view, const KeyRange& key,
                        const std::function<bool(const RegionDataList&)>& flush)
{
    RegionDataList list;
    bool ok = true;
    ForEachOpaqueRun(view, key, [&](const PixelRect& run) {
        if (!ok)
            return;
        list.Append(run);
        if (list.Count() == kRegionBatchLimit) {
            ok = flush(list);
            list.Clear();
        }
    });
    return ok && flush(list);
}

}  // namespace vantor::toolkit
