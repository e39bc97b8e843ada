// Usage figures: processor loads from the library's entries, memory and disk
// arithmetic, the fixed-drive list and the thousands text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "usage/UsageFormulas.h"

namespace vantor::monitor {
namespace {

TEST(LoadPercent, TruncatesTowardZeroAndClampsToTheDisplayRange)
{
    struct Case {
        float reported;
        unsigned percent;
    };
    const Case cases[] = {
            {37.9F, 37},   {-0.5F, 0},    {0.0F, 0},    {0.99F, 0},   {99.99F, 99},
            {100.0F, 100}, {250.0F, 100}, {-300.0F, 0}, {1e30F, 100}, {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadPercent(c.reported), c.percent) << c.reported;
}

TEST(CpuSample, TwoProcessorsWithANegativeLoad)
{
    const float entries[kCpuEntryCapacity] = {37.9F, -0.5F, 55.0F, 0, 0};  // 55 is the unused last entry
    const auto sample = CpuSampleFromEntries(entries, 3);
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->count, 2u);
    EXPECT_EQ(sample->load[0], 37u);
    EXPECT_EQ(sample->load[1], 0u);
    EXPECT_EQ(sample->average, 18u);
}

TEST(CpuSample, OneProcessorUsesOnlyTheFirstEntry)
{
    const float entries[kCpuEntryCapacity] = {64.2F, 99.0F, 0, 0, 0};
    const auto sample = CpuSampleFromEntries(entries, 2);
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->count, 1u);
    EXPECT_EQ(sample->load[0], 64u);
    EXPECT_EQ(sample->average, 64u);
}

TEST(CpuSample, FourProcessorsAverageWithIntegerDivision)
{
    const float entries[kCpuEntryCapacity] = {10.0F, 20.0F, 30.0F, 41.0F, 77.0F};
    const auto sample = CpuSampleFromEntries(entries, 5);
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->count, 4u);
    EXPECT_EQ(sample->load[3], 41u);
    EXPECT_EQ(sample->average, 25u);  // 101 / 4
}

TEST(CpuSample, MoreThanFourProcessorsAreSampledOnTheFirstFour)
{
    const float entries[kCpuEntryCapacity] = {100.0F, 100.0F, 100.0F, 100.0F, 0};
    const auto sample = CpuSampleFromEntries(entries, 9);
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->count, 4u);
    EXPECT_EQ(sample->average, 100u);  // not 400 / 8
}

TEST(CpuSample, FewerThanTwoEntriesGiveNoSample)
{
    const float entries[kCpuEntryCapacity] = {50.0F, 50.0F, 0, 0, 0};
    EXPECT_FALSE(CpuSampleFromEntries(entries, 0).has_value());
    EXPECT_FALSE(CpuSampleFromEntries(entries, 1).has_value());
    EXPECT_FALSE(CpuSampleFromEntries({}, 3).has_value());
}

TEST(MemoryFigures, HalfAGigabyteMachine)
{
    const MemorySample m = MemoryFigures(536281088, 201326592);
    EXPECT_EQ(m.totalBytes, 536281088u);
    EXPECT_EQ(m.totalMB, 511u);
    EXPECT_EQ(m.availableBytes, 201326592u);
    EXPECT_EQ(m.availableMB, 192u);
    EXPECT_EQ(m.usedBytes, 334954496u);
    EXPECT_EQ(m.usedMB, 319u);
    EXPECT_EQ(m.usedPercent, 62u);
}

TEST(MemoryFigures, SizesAboveFourGigabytesKeepTheirHighBits)
{
    constexpr std::uint64_t kGB = std::uint64_t{1} << 30;
    const MemorySample m = MemoryFigures(64 * kGB, 16 * kGB);
    EXPECT_EQ(m.totalMB, 65536u);
    EXPECT_EQ(m.availableMB, 16384u);
    EXPECT_EQ(m.usedMB, 49152u);
    EXPECT_EQ(m.usedPercent, 75u);
}

TEST(MemoryFigures, DegenerateReports)
{
    const MemorySample none = MemoryFigures(0, 0);
    EXPECT_EQ(none.usedPercent, 0u);
    EXPECT_EQ(none.usedBytes, 0u);

    const MemorySample over = MemoryFigures(1048576, 2097152);  // available above total
    EXPECT_EQ(over.availableBytes, 1048576u);
    EXPECT_EQ(over.usedBytes, 0u);
    EXPECT_EQ(over.usedPercent, 0u);

    const MemorySample full = MemoryFigures(1048576, 0);
    EXPECT_EQ(full.usedPercent, 100u);
}

TEST(DriveFigures, FortyGigabyteDisk)
{
    const auto d = DriveFigures(40016019456, 12000000000);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->totalMB, 38162u);
    EXPECT_EQ(d->freeMB, 11444u);
    EXPECT_EQ(d->usedBytes, 28016019456u);
    EXPECT_EQ(d->usedMB, 26718u);
    EXPECT_EQ(d->freePercent, 29u);
    EXPECT_TRUE(d->fileSystem.empty());
}

TEST(DriveFigures, PercentComesFromWholeMegabytes)
{
    // 3 MB total, 1.99 MB free: the percent uses 1 MB free, not 1.99.
    const auto d = DriveFigures(3 * 1048576, 2 * 1048576 - 10000);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->freeMB, 1u);
    EXPECT_EQ(d->freePercent, 33u);

    const auto empty = DriveFigures(3 * 1048576, 0);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->freePercent, 0u);
    EXPECT_EQ(empty->usedMB, 3u);
}

TEST(DriveFigures, VolumesWithoutAComputablePercentFail)
{
    EXPECT_FALSE(DriveFigures(0, 0).has_value());
    EXPECT_FALSE(DriveFigures(1048575, 0).has_value());                // below one MB
    EXPECT_FALSE(DriveFigures(1048576 * 4, 1048576 * 5).has_value());  // more free than total
    EXPECT_TRUE(DriveFigures(1048576, 1048576).has_value());
}

TEST(FixedDriveNames, TakesSetLettersThatAreFixedInLetterOrder)
{
    const std::set<std::string> fixed = {"C:", "E:", "Z:"};
    const auto isFixed = [&](const std::string& name) { return fixed.count(name) != 0; };

    struct Case {
        std::uint32_t mask;
        std::vector<std::string> names;
    };
    const Case cases[] = {
            {0x4, {"C:"}},
            {0x0, {}},
            {0x1 | 0x2 | 0x8, {}},              // A:, B:, D: exist but are not fixed
            {0xFFFFFFFFu, {"C:", "E:", "Z:"}},  // bits above Z: ignored
            {(1u << 25) | 0x10 | 0x4, {"C:", "E:", "Z:"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FixedDriveNames(c.mask, isFixed), c.names) << std::hex << c.mask;

    std::vector<std::string> asked;
    FixedDriveNames(0x4 | 0x1, [&](const std::string& name) {
        asked.push_back(name);
        return false;
    });
    EXPECT_EQ(asked, (std::vector<std::string>{"A:", "C:"}));
}

TEST(FormatThousands, GroupsUpToTheBillions)
{
    struct Case {
        std::uint64_t count;
        const char* text;
    };
    const Case cases[] = {
            {0, "0"},
            {7, "7"},
            {999, "999"},
            {1000, "1,000"},
            {1001, "1,001"},
            {12345, "12,345"},
            {1000005, "1,000,005"},
            {1000000, "1,000,000"},
            {999999999, "999,999,999"},
            {1000000000, "1,000,000,000"},
            {5000000042, "5,000,000,042"},
            {1234567890123, "1234,567,890,123"},
            {std::numeric_limits<std::uint64_t>::max(), "18446744073,709,551,615"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatThousands(c.count), c.text) << c.count;
}

}  // namespace
}  // namespace vantor::monitor
