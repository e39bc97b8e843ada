#include "core/RangeValues.h"

#include <algorithm>
#include <cmath>

#include "VantorHw.h"
#include "core/ItemId.h"
#include "core/NumberText.h"

namespace vantor::hw {

namespace {

// first, first + step, ..., first + k·step. Wide arithmetic throughout: the
// bounds are any 32-bit values the firmware chose.
std::vector<std::uint16_t> Progression(std::int64_t first, std::int64_t step, std::int64_t k)
{
    std::vector<std::uint16_t> values;
    if (step == 0 || k < 0) {
        return values;
    }
    const auto count =
            static_cast<std::size_t>(std::min<std::int64_t>(k + 1, static_cast<std::int64_t>(kMaxRangeValues)));
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(static_cast<std::uint16_t>(first + static_cast<std::int64_t>(i) * step));
    }
    return values;
}

// hi, hi - step, ... down to lo: k + 1 values, step = span / n.
std::vector<std::uint16_t> ScaledVoltageValues(std::int64_t lo, std::int64_t hi, std::int64_t n)
{
    if (n == 0) {
        return {};
    }
    const std::int64_t step = (hi - lo) / n;
    if (step == 0) {
        return {};
    }
    return Progression(hi, -step, (hi - lo) / step);
}

// In tenths from 10·lo; the step is span / (n - 1) tenths, taken in floating
// point before it is truncated (6 to 12 in 13 steps is 5 tenths).
std::vector<std::uint16_t> TenthsValues(std::int64_t lo, std::int64_t hi, std::int64_t n)
{
    if (n - 1 == 0) {
        return {};
    }
    const double step = static_cast<double>(hi - lo) / static_cast<double>(n - 1) * 10.0;
    // Anything this large would not give a second value anyway.
    if (!(std::fabs(step) < 1e12)) {
        return {};
    }
    const auto wholeStep = static_cast<std::int64_t>(step);
    if (wholeStep == 0) {
        return {};
    }
    return Progression(10 * lo, wholeStep, (10 * hi - 10 * lo) / wholeStep);
}

// lo, lo + step, ... up to hi, step = span / (n - 1).
std::vector<std::uint16_t> PlainValues(std::int64_t lo, std::int64_t hi, std::int64_t n)
{
    if (n - 1 == 0) {
        return {};
    }
    const std::int64_t step = (hi - lo) / (n - 1);
    if (step == 0) {
        return {};
    }
    return Progression(lo, step, (hi - lo) / step);
}

}  // namespace

std::vector<std::uint16_t> RangeValueList(std::uint32_t itemId, const RangeBounds& bounds, bool tenthsItemAvailable)
{
    const std::int64_t lo = bounds.low;
    const std::int64_t hi = bounds.high;
    const std::int64_t n = bounds.stepCount;
    if (itemId == OC_ITEM_SCALED_VOLTAGE) {
        return ScaledVoltageValues(lo, hi, n);
    }
    if (itemId == OC_ITEM_TENTHS_OPTION) {
        // Without the item, whole units from 0 to hi.
        return tenthsItemAvailable ? TenthsValues(lo, hi, n) : Progression(0, 10, hi);
    }
    return PlainValues(lo, hi, n);
}

float NextRangeScale(float rangeScale, const RangeBounds& bounds)
{
    if (bounds.high > 99999 || bounds.low > 99999) {
        return 0.1f;
    }
    if (bounds.high > 9999 || bounds.low > 9999) {
        return 1.0f;
    }
    return rangeScale;
}

std::string RangeValueText(std::uint32_t itemId, std::uint16_t value, float rangeScale)
{
    const double v = value;
    switch (ItemKindOf(itemId)) {
    case 1:
        return FormatFixed(v * 0.01, 2);
    case 2: {
        const double factor = itemId == OC_ITEM_SCALED_VOLTAGE ? static_cast<double>(rangeScale) * 0.0001 : 0.001;
        return FormatFixed(v * factor, 5);
    }
    case 6:
        return FormatFixed(v * (itemId == OC_ITEM_TENTHS_OPTION ? 0.1 : 1.0), 1);
    default:
        return FormatGeneral(v);
    }
}

}  // namespace vantor::hw
