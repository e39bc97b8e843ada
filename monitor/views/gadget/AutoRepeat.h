// The threshold buttons' auto-repeat: held down, a button repeats its step
// after 1000 ms, then 670, then 340, then every 10 ms; each step shortens
// the wait before the next.
#pragma once

#include <vector>

namespace vantor::views {

inline constexpr int kRepeatFirstMs = 1000;
inline constexpr int kRepeatShortenMs = 330;
inline constexpr int kRepeatFastestMs = 10;

class RepeatInterval {
public:
    // The button went down: the repeat timer waits the first interval.
    void Pressed() { m_interval = kRepeatFirstMs; }
    // A step ran (by the timer or by the click): the next wait is shorter,
    // down to the fastest.
    void StepRan();
    int Interval() const { return m_interval; }

private:
    int m_interval = kRepeatFirstMs;
};

// When the steps of one press come, in milliseconds after the press, for a
// button released `releasedAtMs` later: the timer's steps, then the click's
// own step at the release.
std::vector<int> RepeatStepTimes(int releasedAtMs);

}  // namespace vantor::views
