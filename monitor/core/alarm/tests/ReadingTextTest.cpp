#include "alarm/ReadingText.h"

#include <gtest/gtest.h>

#include <limits>

#include "alarm/Temperature.h"

namespace vantor::monitor {
namespace {

TEST(ReadingText, RoundsHalvesAwayFromZero)
{
    struct Case {
        double value;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
            {13.71, 2, "13.71"}, {0.125, 2, "0.13"},     {90.5, 0, "91"}, {89.5, 0, "90"},  {2410.0, 0, "2410"},
            {-0.001, 2, "0.00"}, {-12.125, 2, "-12.13"}, {-2.5, 0, "-3"}, {3.0, 2, "3.00"}, {1e10, 0, "10000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(alarm::FormatReading(c.value, c.decimals), c.expected) << c.value;
}

TEST(ReadingText, RoundedWholeNumbersSaturateAndNaNIsZero)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(alarm::RoundToInt(10.5), 11);
    EXPECT_EQ(alarm::RoundToInt(-10.5), -11);
    EXPECT_EQ(alarm::RoundToInt(10.4), 10);
    EXPECT_EQ(alarm::RoundToInt(kNaN), 0);
    EXPECT_EQ(alarm::RoundToInt(1e30), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(alarm::RoundToInt(-1e30), std::numeric_limits<std::int32_t>::min());
}

TEST(Fahrenheit, WholeDegreesWithTruncatingDivision)
{
    struct Case {
        int celsius;
        int fahrenheit;
    };
    const Case cases[] = {{0, 32}, {100, 212}, {93, 199}, {90, 194}, {37, 98}, {-40, -40}, {-1, 31}, {-18, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CelsiusToFahrenheit(c.celsius), c.fahrenheit) << c.celsius;
    static_assert(CelsiusToFahrenheit(45) == 113);
    // A garbage reading truncated to the int limits stays a number.
    EXPECT_EQ(CelsiusToFahrenheit(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
    EXPECT_EQ(CelsiusToFahrenheit(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
    EXPECT_EQ(CelsiusToFahrenheit(1000000000), 1800000032);
}

}  // namespace
}  // namespace vantor::monitor
