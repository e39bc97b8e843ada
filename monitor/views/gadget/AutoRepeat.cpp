#include "gadget/AutoRepeat.h"

namespace vantor::views {

void RepeatInterval::StepRan()
{
    if (m_interval > kRepeatFastestMs)
        m_interval =
                m_interval - kRepeatShortenMs < kRepeatFastestMs ? kRepeatFastestMs : m_interval - kRepeatShortenMs;
}

std::vector<int> RepeatStepTimes(int releasedAtMs)
{
    std::vector<int> times;
    RepeatInterval repeat;
    repeat.Pressed();
    // The timer re-arms whenever its interval changes, so each wait starts
    // at the step before it.
    for (int at = repeat.Interval(); at < releasedAtMs; at += repeat.Interval()) {
        times.push_back(at);
        repeat.StepRan();
    }
    times.push_back(releasedAtMs);
    return times;
}

}  // namespace vantor::views
