#include "config/NumberConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace vantor::monitor {
namespace {

TEST(NumberConversionTest, ParsesOnlyWholeDecimalIntegers)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
            {"0", 0},
            {"-12", -12},
            {"+7", 7},
            {"2147483647", 2147483647},
            {"-2147483648", -2147483647 - 1},
            {"2147483648", std::nullopt},
            {"", std::nullopt},
            {"-", std::nullopt},
            {"+-1", std::nullopt},
            {"12.5", std::nullopt},
            {"1e3", std::nullopt},
            {"0x10", std::nullopt},
            {" 5", std::nullopt},
            {"5 ", std::nullopt},
            {"abc", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseInteger(text), expected);
    }
}

TEST(NumberConversionTest, TruncatesTowardZeroAndSaturates)
{
    EXPECT_EQ(TruncateToInt(855.9), 855);
    EXPECT_EQ(TruncateToInt(-1.9), -1);
    EXPECT_EQ(TruncateToInt(-0.5), 0);
    EXPECT_EQ(TruncateToInt(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt(-1e20), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncateToInt(std::nan("")), 0);
    EXPECT_EQ(FormatInteger(-40), "-40");
}

}  // namespace
}  // namespace vantor::monitor
