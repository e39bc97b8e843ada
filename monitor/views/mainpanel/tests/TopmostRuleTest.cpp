#include "mainpanel/TopmostRule.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

TEST(TopmostRule, TheCheckAlwaysAppliesAMoveOnlyWithoutAFlashWindow)
{
    struct Case {
        TopmostTrigger trigger;
        bool alwaysOnTop;
        bool flashAbsent;
        std::optional<ZOrder> expected;
    };
    const Case cases[] = {
            {TopmostTrigger::CheckToggled, true, true, ZOrder::Topmost},
            {TopmostTrigger::CheckToggled, false, true, ZOrder::NotTopmost},
            {TopmostTrigger::CheckToggled, true, false, ZOrder::Topmost},
            {TopmostTrigger::CheckToggled, false, false, ZOrder::NotTopmost},
            {TopmostTrigger::PanelMoved, true, true, ZOrder::Topmost},
            {TopmostTrigger::PanelMoved, false, true, ZOrder::NotTopmost},
            {TopmostTrigger::PanelMoved, true, false, std::nullopt},
            {TopmostTrigger::PanelMoved, false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "moved " << (c.trigger == TopmostTrigger::PanelMoved) << " on top "
                                        << c.alwaysOnTop << " flash absent " << c.flashAbsent);
        EXPECT_EQ(TopmostFor(c.trigger, c.alwaysOnTop, c.flashAbsent), c.expected);
    }
}

}  // namespace
}  // namespace vantor::views
