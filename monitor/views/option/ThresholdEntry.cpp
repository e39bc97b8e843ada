#include "option/ThresholdEntry.h"

#include <cstdint>

#include "config/NumberConversion.h"
#include "option/ThresholdText.h"

namespace vantor::views {
namespace {

// The threshold edits take five characters.
constexpr std::int32_t kLowestTypable = -9999;
constexpr std::int32_t kHighestTypable = 99999;

bool WithinLimits(float threshold, const monitor::SensorConfig& limits)
{
    return threshold >= limits.MinThreshold && threshold <= limits.MaxThreshold;
}

float Stored(std::int32_t number, const ThresholdField& field)
{
    return ThresholdFromDisplayNumber(field.kind, number, field.scale);
}

// The typable numbers whose thresholds lie within the limits form one run,
// since the stored threshold grows with the typed number; its ends, or
// nothing when no typable number is acceptable.
std::optional<std::pair<std::int32_t, std::int32_t>> AcceptedRange(const ThresholdField& field)
{
    // Lowest number whose threshold is at least the minimum.
    std::int32_t low = kLowestTypable;
    std::int32_t high = kHighestTypable + 1;
    while (low < high) {
        const std::int32_t mid = low + (high - low) / 2;
        if (Stored(mid, field) >= field.limits.MinThreshold)
            high = mid;
        else
            low = mid + 1;
    }
    const std::int32_t first = low;
    // Lowest number whose threshold is above the maximum.
    low = kLowestTypable;
    high = kHighestTypable + 1;
    while (low < high) {
        const std::int32_t mid = low + (high - low) / 2;
        if (Stored(mid, field) > field.limits.MaxThreshold)
            high = mid;
        else
            low = mid + 1;
    }
    const std::int32_t last = low - 1;
    if (first > last || !WithinLimits(Stored(first, field), field.limits))
        return std::nullopt;
    return std::pair{first, last};
}

}  // namespace

ThresholdEntry ReadThresholdEntry(std::string_view text, const ThresholdField& field)
{
    const std::optional<std::int32_t> number = monitor::ParseInteger(text);
    const std::optional<std::pair<std::int32_t, std::int32_t>> range = AcceptedRange(field);
    if (!range)
        return {std::nullopt, "This sensor's threshold cannot be typed: it has no valid range."};
    const std::string unit = ThresholdUnitText(field.kind, field.scale);
    const std::string wanted = "Please enter a whole number from " + std::to_string(range->first) + " to " +
                               std::to_string(range->second) + " " + unit + ".";
    if (text.empty())
        return {std::nullopt, "The threshold is empty. " + wanted};
    if (!number)
        return {std::nullopt, "The threshold \"" + std::string(text) + "\" is not a number. " + wanted};
    const float threshold = Stored(*number, field);
    if (*number < range->first || *number > range->second || !WithinLimits(threshold, field.limits))
        return {std::nullopt, "The threshold " + std::to_string(*number) + " " + unit + " is out of range. " + wanted};
    return {threshold, {}};
}

std::string ThresholdRangeText(const ThresholdField& field)
{
    const std::optional<std::pair<std::int32_t, std::int32_t>> range = AcceptedRange(field);
    if (!range)
        return {};
    return "Threshold " + std::to_string(range->first) + " to " + std::to_string(range->second) + " " +
           ThresholdUnitText(field.kind, field.scale);
}

void ThresholdEdit::Enter(float stored)
{
    m_entry = stored;
    m_typed = false;
}

std::optional<float> ThresholdEdit::Changed(std::string_view text, const ThresholdField& field)
{
    if (!m_typed)
        return std::nullopt;
    m_typed = false;
    const ThresholdEntry entry = ReadThresholdEntry(text, field);
    return entry.threshold ? entry.threshold : m_entry;
}

std::optional<ThresholdEdit::Refusal> ThresholdEdit::Leave(std::string_view text, const ThresholdField& field)
{
    m_typed = false;
    const ThresholdEntry entry = ReadThresholdEntry(text, field);
    if (entry.threshold)
        return std::nullopt;
    // Without an entry value the field goes back to the lowest threshold.
    const float restored = m_entry.value_or(field.limits.MinThreshold);
    return Refusal{entry.refusal, ThresholdDisplayText(field.kind, restored, field.scale)};
}

}  // namespace vantor::views
