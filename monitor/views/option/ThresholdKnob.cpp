#include "option/ThresholdKnob.h"

#include <algorithm>
#include <cmath>

namespace vantor::views {

int KnobLeftFor(float threshold, const monitor::SensorConfig& limits)
{
    const double range = static_cast<double>(limits.MaxThreshold) - limits.MinThreshold;
    if (!(range > 0.0) || std::isnan(threshold))
        return kKnobLeftMin;
    const double fraction = std::clamp((threshold - static_cast<double>(limits.MinThreshold)) / range, 0.0, 1.0);
    return static_cast<int>(fraction * kKnobTravel + kKnobLeftMin);
}

float ThresholdAtKnob(int knobLeft, const monitor::SensorConfig& limits)
{
    const int left = std::clamp(knobLeft, kKnobLeftMin, kKnobLeftMax);
    const int percent = (left - kKnobLeftMin) * 100 / kKnobTravel;
    const double range = static_cast<double>(limits.MaxThreshold) - limits.MinThreshold;
    return static_cast<float>(limits.MinThreshold + range * (percent / 100.0));
}

}  // namespace vantor::views
