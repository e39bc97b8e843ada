#include "binding/ReadingLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor::monitor {
namespace {

TEST(ReadingLoopTest, WaitCompensatesForThePassDuration)
{
    struct Case {
        std::uint32_t interval, start, end, wait;
    };
    const Case cases[] = {
            {5000, 1000, 1120, 4880},  // slow pass: shorter pause
            {5000, 1000, 1000, 5000},
            {5000, 1000, 7000, 0},                   // overrun: no pause, never negative
            {5000, 1000, 6000, 0},                   // exactly one interval
            {5000, 0xFFFFFF00u, 0x00000010u, 4728},  // the tick count wrapped during the pass
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        EXPECT_EQ(WaitAfterPass(c.interval, c.start, c.end), c.wait);
    }
}

TEST(ReadingLoopTest, IntervalIsKeptWithinOneToOneHundredTwentySeconds)
{
    EXPECT_EQ(ClampReadingInterval(0), 1000u);
    EXPECT_EQ(ClampReadingInterval(-5), 1000u);
    EXPECT_EQ(ClampReadingInterval(999), 1000u);
    EXPECT_EQ(ClampReadingInterval(5000), 5000u);
    EXPECT_EQ(ClampReadingInterval(120000), 120000u);
    EXPECT_EQ(ClampReadingInterval(120001), 120000u);
    EXPECT_EQ(ClampReadingInterval(std::int64_t{1} << 40), 120000u);
}

// A clock that only moves when a pass takes time, and a waiter that records
// every pause, advances the clock by it and reports a stop after a budget.
struct Script {
    std::uint32_t now = 50000;
    std::vector<std::uint32_t> passDurations;
    std::vector<std::uint32_t> waits;
    std::size_t passes = 0;
    std::size_t waitsBeforeStop = 0;
};

class ScriptClock final : public Clock {
public:
    explicit ScriptClock(Script& script) : m_script(script) {}
    std::uint32_t NowMs() override { return m_script.now; }

private:
    Script& m_script;
};

class ScriptWaiter final : public PassWaiter {
public:
    explicit ScriptWaiter(Script& script) : m_script(script) {}
    bool Wait(std::uint32_t milliseconds) override
    {
        if (m_script.waits.size() == m_script.waitsBeforeStop)
            return false;
        m_script.waits.push_back(milliseconds);
        m_script.now += milliseconds;
        return true;
    }

private:
    Script& m_script;
};

TEST(ReadingLoopTest, PassesStartEveryIntervalOrAtOnceAfterAnOverrun)
{
    Script script;
    script.passDurations = {120, 6000, 0, 4999, 0};
    script.waitsBeforeStop = 5;  // the initial stop check and four pauses; stop after the fifth pass
    std::atomic<std::uint32_t> interval{5000};
    std::vector<std::uint32_t> passStarts;

    ScriptClock clock(script);
    ScriptWaiter waiter(script);
    RunReadingLoop(clock, waiter, interval, [&] {
        passStarts.push_back(script.now);
        script.now += script.passDurations.at(script.passes++);
    });

    EXPECT_EQ(script.waits, (std::vector<std::uint32_t>{0, 4880, 0, 5000, 1}));
    EXPECT_EQ(passStarts, (std::vector<std::uint32_t>{50000, 55000, 61000, 66000, 71000}));
}

TEST(ReadingLoopTest, AnIntervalChangeTakesEffectAtTheNextPause)
{
    Script script;
    script.waitsBeforeStop = 3;
    std::atomic<std::uint32_t> interval{5000};
    ScriptClock clock(script);
    ScriptWaiter waiter(script);
    RunReadingLoop(clock, waiter, interval, [&] {
        ++script.passes;
        interval = 2000;
    });
    EXPECT_EQ(script.waits, (std::vector<std::uint32_t>{0, 2000, 2000}));
}

TEST(ReadingLoopTest, AStopBeforeTheFirstPassRunsNoPass)
{
    Script script;
    script.waitsBeforeStop = 0;
    std::atomic<std::uint32_t> interval{1000};
    ScriptClock clock(script);
    ScriptWaiter waiter(script);
    RunReadingLoop(clock, waiter, interval, [&] { ++script.passes; });
    EXPECT_EQ(script.passes, 0u);
}

}  // namespace
}  // namespace vantor::monitor
