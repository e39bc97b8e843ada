#include "core/RangeValues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vantor::hw {
namespace {

constexpr std::uint32_t kHundredths = 0x01010003;  // kind 1
constexpr std::uint32_t kPlainKind3 = 0x04030001;
constexpr std::uint32_t kTenths = 0x01060001;
constexpr std::uint32_t kScaled = 0x01020008;

std::vector<std::uint16_t> Series(int first, int step, int count)
{
    std::vector<std::uint16_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(static_cast<std::uint16_t>(first + i * step));
    }
    return values;
}

struct ListCase {
    const char* label;
    std::uint32_t itemId;
    RangeBounds bounds;
    bool tenthsAvailable;
    std::vector<std::uint16_t> expected;
};

TEST(RangeValueList, ComputesEachKindOfRange)
{
    const ListCase cases[] = {
            {"up from lo", kHundredths, {100, 200, 3}, false, {100, 150, 200}},
            {"steps truncate, k too", kPlainKind3, {0, 10, 4}, false, {0, 3, 6, 9}},
            {"hi below lo counts down", kPlainKind3, {200, 100, 3}, false, {200, 150, 100}},
            {"tenths: step in floating point", kTenths, {6, 12, 13}, true, Series(60, 5, 13)},
            {"the availability flag means nothing to other items", kPlainKind3, {6, 12, 3}, true, {6, 9, 12}},
            {"tenths item unavailable: 0 to hi in whole units", kTenths, {6, 3, 13}, false, {0, 10, 20, 30}},
            {"scaled voltage counts down from hi", kScaled, {1100, 1850, 15}, false, Series(1850, -50, 16)},
            {"scaled voltage: k truncates", kScaled, {0, 100, 3}, false, {100, 67, 34, 1}},
            {"values are kept modulo 65536", kPlainKind3, {65530, 65540, 3}, false, {65530, 65535, 4}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(RangeValueList(c.itemId, c.bounds, c.tenthsAvailable), c.expected);
    }
}

// A step of 0, or a step count that would divide by zero, has no values.
TEST(RangeValueList, DegenerateStepsGiveAnEmptyList)
{
    const ListCase cases[] = {
            {"span smaller than the steps", kPlainKind3, {100, 101, 3}, false, {}},
            {"one step", kPlainKind3, {0, 100, 1}, false, {}},
            {"no steps: the step points away from hi", kPlainKind3, {0, 100, 0}, false, {}},
            {"negative step count", kPlainKind3, {0, 100, -4}, false, {}},
            {"equal bounds", kHundredths, {50, 50, 3}, false, {}},
            {"scaled voltage, no steps", kScaled, {1100, 1850, 0}, false, {}},
            {"scaled voltage, span smaller than steps", kScaled, {1100, 1110, 15}, false, {}},
            {"scaled voltage, negative step count", kScaled, {1100, 1850, -15}, false, {}},
            {"tenths, one step", kTenths, {6, 12, 1}, true, {}},
            {"tenths, equal bounds", kTenths, {6, 6, 13}, true, {}},
            {"tenths unavailable, negative hi", kTenths, {0, -3, 13}, false, {}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(RangeValueList(c.itemId, c.bounds, c.tenthsAvailable), c.expected);
    }
}

TEST(RangeValueList, AbsurdBoundsAreCutAtTheLimit)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        const char* label;
        std::uint32_t itemId;
        RangeBounds bounds;
        bool tenthsAvailable;
    };
    const Case cases[] = {
            {"full 32-bit span in steps of 1", kPlainKind3, {kMin, kMax, kMax}, false},
            {"tenths unavailable, huge hi", kTenths, {0, kMax, 2}, false},
            {"tenths, huge span", kTenths, {kMin, kMax, 2000000000}, true},
            {"scaled voltage, huge span", kScaled, {kMin, kMax, kMax}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const auto values = RangeValueList(c.itemId, c.bounds, c.tenthsAvailable);
        EXPECT_EQ(values.size(), kMaxRangeValues);
    }
}

TEST(NextRangeScale, FollowsTheLargerBound)
{
    struct Case {
        float before;
        RangeBounds bounds;
        float after;
    };
    const Case cases[] = {
            {10.0f, {1100, 1850, 15}, 10.0f}, {10.0f, {1100, 9999, 15}, 10.0f}, {10.0f, {1100, 10000, 15}, 1.0f},
            {10.0f, {10000, 1100, 15}, 1.0f}, {10.0f, {1100, 99999, 15}, 1.0f}, {10.0f, {1100, 100000, 15}, 0.1f},
            {1.0f, {100000, 0, 15}, 0.1f},    {0.1f, {1100, 1850, 15}, 0.1f},  // keeps the last value
            {1.0f, {-200000, 50, 15}, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bounds.low << ".." << c.bounds.high);
        EXPECT_EQ(NextRangeScale(c.before, c.bounds), c.after);
    }
}

TEST(RangeValueText, FormatsByKind)
{
    struct Case {
        std::uint32_t itemId;
        std::uint16_t value;
        float rangeScale;
        const char* expected;
    };
    const Case cases[] = {
            {kHundredths, 150, 10.0f, "1.50"},   {kHundredths, 5, 10.0f, "0.05"},
            {kHundredths, 0, 10.0f, "0.00"},     {0x01020001, 1375, 10.0f, "1.37500"},
            {0x01020001, 1375, 0.1f, "1.37500"},  // only item 0x01020008 is scaled
            {kScaled, 1850, 10.0f, "1.85000"},   {kScaled, 1100, 10.0f, "1.10000"},
            {kScaled, 18500, 1.0f, "1.85000"},   {kScaled, 18928, 0.1f, "0.18928"},
            {kTenths, 65, 10.0f, "6.5"},         {kTenths, 120, 10.0f, "12.0"},
            {0x04060002, 7, 10.0f, "7.0"},       {kPlainKind3, 150, 10.0f, "150"},
            {0x04050001, 65535, 10.0f, "65535"}, {0x04000001, 0, 10.0f, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.itemId << std::dec << " " << c.value);
        EXPECT_EQ(RangeValueText(c.itemId, c.value, c.rangeScale), c.expected);
    }
}

}  // namespace
}  // namespace vantor::hw
