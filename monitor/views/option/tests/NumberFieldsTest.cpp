#include "option/NumberFields.h"

#include <gtest/gtest.h>

#include "config/EditCopy.h"

namespace vantor::views {
namespace {

TEST(NumberFieldsTest, DigitsAndBackspaceOnly)
{
    for (char key : {'0', '5', '9', kBackspaceKey})
        EXPECT_TRUE(IsNumberFieldKey(key)) << int{key};
    for (char key : {'a', '-', '+', '.', ' ', '\r', '\t', '/', ':'})
        EXPECT_FALSE(IsNumberFieldKey(key)) << int{key};
}

TEST(NumberFieldsTest, FieldsOnLeaving)
{
    const std::pair<const char*, const char*> interval[] = {
            {"", "1"}, {"0", "1"}, {"000", "1"}, {"1", "1"}, {"5", "5"}, {"250", "250"},
    };
    for (const auto& [text, left] : interval)
        EXPECT_EQ(IntervalFieldOnLeave(text), left) << '"' << text << '"';
    EXPECT_EQ(VolumeFieldOnLeave(""), "0");
    EXPECT_EQ(VolumeFieldOnLeave("0"), "0");
    EXPECT_EQ(VolumeFieldOnLeave("75"), "75");
}

TEST(NumberFieldsTest, ApplyKeepsTheIntervalWithinOneToOneHundredTwentySeconds)
{
    const std::pair<const char*, std::int32_t> cases[] = {
            {"", 1000}, {"0", 1000}, {"1", 1000}, {"5", 5000}, {"120", 120000}, {"121", 120000}, {"250", 120000},
    };
    for (const auto& [text, ms] : cases)
        EXPECT_EQ(IntervalMsOnApply(text), ms) << '"' << text << '"';
}

// The interval field left empty reads "1" and the commit polls every second.
TEST(NumberFieldsTest, EmptyIntervalCommitsOneSecond)
{
    monitor::SensorConfiguration config;
    config.Edit.IntervalField = IntervalFieldOnLeave("");
    EXPECT_EQ(config.Edit.IntervalField, "1");
    const monitor::CommitResult result = monitor::CommitEdits(config, {});
    ASSERT_FALSE(result.Aborted);
    EXPECT_EQ(config.Committed.PollingIntervalMs, 1000);
}

}  // namespace
}  // namespace vantor::views
