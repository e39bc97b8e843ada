// The threshold knob of a sensor row slides from its left end at 395
// (MinThreshold) to 460 (MaxThreshold); its place and the threshold follow
// each other in whole percent of that range.
#pragma once

#include "config/SensorConfig.h"

namespace vantor::views {

inline constexpr int kKnobLeftMin = 395;
inline constexpr int kKnobTravel = 65;
inline constexpr int kKnobLeftMax = kKnobLeftMin + kKnobTravel;

// The knob's left edge for a threshold; a threshold outside the limits puts
// the knob at the nearer end, and a sensor without a range (maximum not above
// the minimum) at the left end.
int KnobLeftFor(float threshold, const monitor::SensorConfig& limits);

// The threshold at a knob position: the whole percent of the travel, of the
// range from MinThreshold. Positions beyond the ends count as the ends.
float ThresholdAtKnob(int knobLeft, const monitor::SensorConfig& limits);

}  // namespace vantor::views
