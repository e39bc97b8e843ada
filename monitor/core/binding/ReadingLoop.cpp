#include "binding/ReadingLoop.h"

#include <algorithm>

namespace vantor::monitor {

std::uint32_t ClampReadingInterval(std::int64_t milliseconds)
{
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(milliseconds, kMinReadingInterval, kMaxReadingInterval));
}

std::uint32_t WaitAfterPass(std::uint32_t interval, std::uint32_t passStart, std::uint32_t passEnd)
{
    const std::uint32_t elapsed = passEnd - passStart;  // modulo 2^32: survives the wrap
    return elapsed >= interval ? 0 : interval - elapsed;
}

void RunReadingLoop(Clock& clock, PassWaiter& waiter, const std::atomic<std::uint32_t>& interval,
                    const std::function<void()>& pass)
{
    // A stop requested before the thread got going means no pass at all.
    if (!waiter.Wait(0))
        return;
    for (;;) {
        const std::uint32_t start = clock.NowMs();
        pass();
        const std::uint32_t end = clock.NowMs();
        if (!waiter.Wait(WaitAfterPass(interval.load(std::memory_order_relaxed), start, end)))
            return;
    }
}

}  // namespace vantor::monitor
