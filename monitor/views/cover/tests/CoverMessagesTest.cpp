#include "cover/CoverMessages.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

TEST(CoverMessages, SystemNoticesAndWhatTheCoverDoesWithThem)
{
    using A = CoverNoticeAction;
    struct Case {
        std::uint32_t message;
        std::uintptr_t wParam;
        CoverNotice expected;
    };
    const Case cases[] = {
            {kWmSettingChange, kSpiSetIconMetrics, {false, A::PanelToCoverCorner}},
            {kWmSettingChange, 47, {false, A::None}},  // swallowed, nothing done
            {kWmSettingChange, 0, {false, A::None}},
            {kWmDisplayChange, 0, {true, A::PanelToSlidePlace}},
            {kWmPowerBroadcast, kPbtApmSuspend, {true, A::NoteSuspend}},
            {kWmPowerBroadcast, 7, {true, A::None}},  // resume
            {0x0200, kPbtApmSuspend, {true, A::None}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.message << " " << c.wParam);
        EXPECT_EQ(CoverNoticeFor(c.message, c.wParam), c.expected);
    }
}

TEST(CoverMessages, ADisplayChangeKeepsAClosedPanelBehindTheCover)
{
    EXPECT_EQ(PanelPlaceFor(CoverNoticeAction::PanelToSlidePlace, 500, 200, 270), (PanelPlace{230, 200}));
    EXPECT_EQ(PanelPlaceFor(CoverNoticeAction::PanelToSlidePlace, 500, 200, 0), (PanelPlace{500, 200}));
    EXPECT_EQ(PanelPlaceFor(CoverNoticeAction::PanelToCoverCorner, 500, 200, 270), (PanelPlace{500, 200}));
}

}  // namespace
}  // namespace vantor::views
