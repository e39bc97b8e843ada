#include "gadget/AutoRepeat.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

TEST(RepeatInterval, ShortensBy330DownToTenAndStaysThere)
{
    RepeatInterval repeat;
    repeat.Pressed();
    std::vector<int> intervals{repeat.Interval()};
    for (int i = 0; i < 5; ++i) {
        repeat.StepRan();
        intervals.push_back(repeat.Interval());
    }
    EXPECT_EQ(intervals, (std::vector<int>{1000, 670, 340, 10, 10, 10}));
    repeat.Pressed();
    EXPECT_EQ(repeat.Interval(), 1000);
}

TEST(RepeatStepTimes, HoldingRepeatsAt1000And1670And2010ThenEvery10AndTheReleaseAddsOne)
{
    struct Case {
        int releasedAt;
        std::vector<int> steps;
    };
    const Case cases[] = {
            {150, {150}},          // a short click: one step
            {999, {999}},          // released just before the first repeat
            {1200, {1000, 1200}},  // one repeat, then the release
            {2000, {1000, 1670, 2000}},
            {2035, {1000, 1670, 2010, 2020, 2030, 2035}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RepeatStepTimes(c.releasedAt), c.steps) << c.releasedAt;
}

}  // namespace
}  // namespace vantor::views
