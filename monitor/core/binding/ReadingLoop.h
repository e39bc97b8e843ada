// The timing of the sensor reading thread. A pass starts every interval
// milliseconds, or at once after a pass that took longer; between passes the
// thread waits on a stop signal, so it never busy-waits and ends promptly.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace vantor::monitor {

// The reading interval is kept within 1 s to 120 s: 0 would make the thread
// spin, and a huge value would make a misread file stop the readings.
inline constexpr std::uint32_t kMinReadingInterval = 1000;
inline constexpr std::uint32_t kMaxReadingInterval = 120000;
inline constexpr std::uint32_t kInitialReadingInterval = 1000;

std::uint32_t ClampReadingInterval(std::int64_t milliseconds);

// Millisecond tick count; wraps around like timeGetTime, so only
// differences are meaningful.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t NowMs() = 0;
};

// Waits up to milliseconds; false when the thread has been asked to stop
// (before or during the wait), true when the time ran out.
class PassWaiter {
public:
    virtual ~PassWaiter() = default;
    virtual bool Wait(std::uint32_t milliseconds) = 0;
};

// The pause after a pass that started at passStart and ended at passEnd:
// interval minus the pass's duration, never below 0. Correct across a wrap
// of the tick count.
std::uint32_t WaitAfterPass(std::uint32_t interval, std::uint32_t passStart, std::uint32_t passEnd);

// Runs passes until the waiter reports a stop. The interval is read afresh
// after every pass so a change takes effect from the next pause.
void RunReadingLoop(Clock& clock, PassWaiter& waiter, const std::atomic<std::uint32_t>& interval,
                    const std::function<void()>& pass);

}  // namespace vantor::monitor
