#include "usage/UsagePie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::views {

std::array<PieSlice, 2> UsagePie(unsigned usedPercent)
{
    const unsigned used = std::min(usedPercent, 100u);
    const double usedSweep = used * 3.6;
    PieSlice usedSlice{"Used", used, kPieRotation, usedSweep, kPieUsedColour, false};
    PieSlice unusedSlice{"Unused",          100 - used,       std::fmod(kPieRotation + usedSweep, 360.0),
                         360.0 - usedSweep, kPieUnusedColour, false};
    // The bigger slice stands out; an even split pulls out "Used".
    (used >= 50 ? usedSlice : unusedSlice).pulledOut = true;
    return {usedSlice, unusedSlice};
}

std::array<PieSlice, 2> MemoryPie(const monitor::MemorySample& sample) { return UsagePie(sample.usedPercent); }

std::array<PieSlice, 2> DrivePie(const monitor::DriveSample& sample)
{
    return UsagePie(100 - std::min(sample.freePercent, 100u));
}

PieOffset PullOutOffset(const PieSlice& slice)
{
    if (!slice.pulledOut)
        return {};
    const double middle = (slice.startDegrees + slice.sweepDegrees / 2.0) * std::numbers::pi / 180.0;
    return {static_cast<int>(std::lround(kPiePullOut * std::cos(middle))),
            static_cast<int>(std::lround(-kPiePullOut * std::sin(middle)))};
}

}  // namespace vantor::views
