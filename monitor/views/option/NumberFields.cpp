#include "option/NumberFields.h"

#include "config/ConfigFlows.h"
#include "config/EditCopy.h"
#include "config/NumberConversion.h"

namespace vantor::views {

bool IsNumberFieldKey(char key) { return (key >= '0' && key <= '9') || key == kBackspaceKey; }

std::string VolumeFieldOnLeave(std::string_view text) { return text.empty() ? "0" : std::string(text); }

std::string IntervalFieldOnLeave(std::string_view text)
{
    const std::string field = VolumeFieldOnLeave(text);
    const std::int32_t seconds = monitor::ParseIntegerOr(field, 0);
    return seconds <= 0 ? "1" : field;
}

std::int32_t IntervalMsOnApply(std::string_view text)
{
    return monitor::IntervalSecondsFromField(monitor::NormalizeIntervalField(text)) * 1000;
}

}  // namespace vantor::views
