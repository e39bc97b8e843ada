// Load arithmetic of cpuutil.dll: the busy share between two counter
// snapshots, and the five-entry report with its folding of large machines.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

#include "LoadMeter.h"

namespace vantor::cpuutil {
namespace {

// Counters as Windows reports them: kernel time includes idle time.
ProcessorTimes Times(std::uint64_t idle, std::uint64_t kernelBusy, std::uint64_t user)
{
    return {idle, idle + kernelBusy, user};
}

TEST(BusyPercent, FromTwoSnapshots)
{
    struct Case {
        const char* what;
        ProcessorTimes before;
        ProcessorTimes after;
        float previous;
        float expected;
    };
    const Case cases[] = {
            {"40% busy", Times(100, 50, 50), Times(700, 150, 350), 0, 40.0F},
            {"all idle", Times(0, 0, 0), Times(1000, 0, 0), 77, 0.0F},
            {"all busy, kernel and user", Times(5, 5, 5), Times(5, 505, 505), 0, 100.0F},
            {"no time passed keeps the previous load", Times(10, 20, 30), Times(10, 20, 30), 63.5F, 63.5F},
            {"idle counter backwards keeps the previous load", Times(900, 0, 0), Times(800, 200, 100), 12, 12.0F},
            {"user counter backwards keeps the previous load", Times(0, 0, 500), Times(100, 0, 400), 12, 12.0F},
            {"idle beyond kernel + user reads as idle", {0, 0, 0}, {2000, 1000, 0}, 50, 0.0F},
            {"counters near the top of the range", Times(std::numeric_limits<std::uint64_t>::max() / 4, 0, 0),
             Times(std::numeric_limits<std::uint64_t>::max() / 4 + 300, 100, 600), 0, 70.0F},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(BusyPercent(c.before, c.after, c.previous), c.expected) << c.what;
}

// Entries beyond what Update reports must stay untouched: the caller's
// array is exactly five floats.
constexpr float kUntouched = -7.0F;

std::array<float, kEntryCapacity> Fresh()
{
    std::array<float, kEntryCapacity> entries;
    entries.fill(kUntouched);
    return entries;
}

// Snapshots `before` and `after` for processors whose busy percentages over
// an interval of 1000 ticks are `loads`.
struct Interval {
    std::vector<ProcessorTimes> before;
    std::vector<ProcessorTimes> after;
};

Interval WithLoads(const std::vector<int>& loads)
{
    Interval interval;
    for (const int load : loads) {
        const auto busy = static_cast<std::uint64_t>(load) * 10;
        interval.before.push_back(Times(5000, 3000, 2000));
        interval.after.push_back(Times(5000 + 1000 - busy, 3000 + busy / 2, 2000 + busy - busy / 2));
    }
    return interval;
}

TEST(LoadMeter, TwoProcessorsGiveTheirLoadsAndTheAverage)
{
    const Interval interval = WithLoads({30, 80});
    LoadMeter meter;
    EXPECT_EQ(meter.Start(interval.before), 3u);

    auto entries = Fresh();
    ASSERT_EQ(meter.Update(interval.after, entries), 3u);
    EXPECT_FLOAT_EQ(entries[0], 30.0F);
    EXPECT_FLOAT_EQ(entries[1], 80.0F);
    EXPECT_FLOAT_EQ(entries[2], 55.0F);
    EXPECT_EQ(entries[3], kUntouched);
    EXPECT_EQ(entries[4], kUntouched);
}

TEST(LoadMeter, OneProcessorGivesTwoEntries)
{
    const Interval interval = WithLoads({45});
    LoadMeter meter;
    EXPECT_EQ(meter.Start(interval.before), 2u);
    auto entries = Fresh();
    ASSERT_EQ(meter.Update(interval.after, entries), 2u);
    EXPECT_FLOAT_EQ(entries[0], 45.0F);
    EXPECT_FLOAT_EQ(entries[1], 45.0F);
    EXPECT_EQ(entries[2], kUntouched);
}

TEST(LoadMeter, MoreThanFourProcessorsFoldIntoFourContiguousRuns)
{
    struct Case {
        std::vector<int> loads;
        std::array<float, 4> folded;
        float average;
    };
    const Case cases[] = {
            {{10, 20, 30, 40}, {10, 20, 30, 40}, 25},
            // Six processors: runs [0], [1,2], [3], [4,5].
            {{10, 20, 40, 70, 0, 100}, {10, 30, 70, 50}, 40},
            // Eight: a busy pair at the end still shows.
            {{0, 0, 0, 0, 0, 0, 100, 100}, {0, 0, 0, 100}, 25},
    };
    for (const auto& c : cases) {
        const Interval interval = WithLoads(c.loads);
        LoadMeter meter;
        EXPECT_EQ(meter.Start(interval.before), 5u);
        auto entries = Fresh();
        ASSERT_EQ(meter.Update(interval.after, entries), 5u);
        for (std::size_t j = 0; j < 4; ++j)
            EXPECT_FLOAT_EQ(entries[j], c.folded[j]) << c.loads.size() << " processors, entry " << j;
        EXPECT_FLOAT_EQ(entries[4], c.average) << c.loads.size() << " processors";
    }
}

TEST(LoadMeter, SixtyFourProcessorsStayWithinFiveEntries)
{
    std::vector<int> loads(64, 0);
    for (std::size_t i = 16; i < 32; ++i)
        loads[i] = 50;
    const Interval interval = WithLoads(loads);
    LoadMeter meter;
    EXPECT_EQ(meter.Start(interval.before), 5u);
    auto entries = Fresh();
    ASSERT_EQ(meter.Update(interval.after, entries), 5u);
    EXPECT_FLOAT_EQ(entries[0], 0.0F);
    EXPECT_FLOAT_EQ(entries[1], 50.0F);
    EXPECT_FLOAT_EQ(entries[4], 12.5F);
}

TEST(LoadMeter, EachUpdateMeasuresSinceThePreviousOne)
{
    const Interval first = WithLoads({20, 60});
    LoadMeter meter;
    meter.Start(first.before);
    auto entries = Fresh();
    ASSERT_EQ(meter.Update(first.after, entries), 3u);

    // Processor 0 fully busy for the next 1000 ticks; processor 1's counters
    // did not move, so it keeps its last load.
    std::vector<ProcessorTimes> next = first.after;
    next[0].kernel += 400;
    next[0].user += 600;
    ASSERT_EQ(meter.Update(next, entries), 3u);
    EXPECT_FLOAT_EQ(entries[0], 100.0F);
    EXPECT_FLOAT_EQ(entries[1], 60.0F);
    EXPECT_FLOAT_EQ(entries[2], 80.0F);
}

TEST(LoadMeter, WithoutAMatchingEarlierSnapshotUpdateWritesNothingAndStartsOver)
{
    const Interval two = WithLoads({20, 60});
    const Interval three = WithLoads({20, 60, 90});

    LoadMeter neverStarted;
    auto entries = Fresh();
    EXPECT_EQ(neverStarted.Update(two.before, entries), 0u);
    EXPECT_EQ(entries, Fresh());
    EXPECT_EQ(neverStarted.Update(two.after, entries), 3u);  // the first call took the snapshot
    EXPECT_FLOAT_EQ(entries[1], 60.0F);

    LoadMeter changed;
    changed.Start(two.before);
    entries = Fresh();
    EXPECT_EQ(changed.Update(three.before, entries), 0u);
    EXPECT_EQ(entries, Fresh());
    EXPECT_EQ(changed.Update(three.after, entries), 4u);
    EXPECT_FLOAT_EQ(entries[2], 90.0F);

    LoadMeter unreadable;
    EXPECT_EQ(unreadable.Start({}), 0u);
    EXPECT_EQ(unreadable.Update({}, entries), 0u);
}

}  // namespace
}  // namespace vantor::cpuutil
