// The settings page's number fields: the alarm volume (0..99) and the
// polling interval in whole seconds (1..120).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::views {

inline constexpr char kBackspaceKey = '\b';

// The threshold, volume and interval fields take digits and backspace only.
bool IsNumberFieldKey(char key);

// The texts the fields take when the focus leaves them: an empty volume
// becomes "0"; an empty interval becomes "0" and, as the interval cannot be
// 0 seconds, a zero interval (or one that is no number) becomes "1".
std::string VolumeFieldOnLeave(std::string_view text);
std::string IntervalFieldOnLeave(std::string_view text);

// The polling interval Apply commits for the interval field, in
// milliseconds: the field's seconds kept within 1..120.
std::int32_t IntervalMsOnApply(std::string_view text);

}  // namespace vantor::views
