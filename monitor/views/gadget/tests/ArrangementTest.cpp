#include "gadget/Arrangement.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

constexpr int kW = 127, kH = 111;

// Taskbars as Windows places them on a 1024 x 768 screen, 30 (bottom, top)
// or 60 (right, left) pixels thick, with the classic 2-pixel overhang on
// the sides they do not touch.
constexpr GadgetRect kBottomBar{0, 738, 1024, 768};
constexpr GadgetRect kTopBar{-2, -2, 1026, 30};
constexpr GadgetRect kRightBar{964, -2, 1024, 770};
constexpr GadgetRect kLeftBar{-2, -2, 60, 770};

TEST(TaskbarEdgeOf, ReadsTheEdgeFromWhereTheBarStarts)
{
    EXPECT_EQ(TaskbarEdgeOf(kBottomBar, 768), TaskbarEdge::Bottom);
    EXPECT_EQ(TaskbarEdgeOf(kTopBar, 768), TaskbarEdge::Top);
    EXPECT_EQ(TaskbarEdgeOf(kRightBar, 768), TaskbarEdge::Right);
    EXPECT_EQ(TaskbarEdgeOf(kLeftBar, 768), TaskbarEdge::Left);
}

TEST(ArrangedPosition, EveryEdgeWithAndWithoutATaskbar)
{
    struct Case {
        const char* label;
        int index;
        std::optional<GadgetRect> taskbar;
        int n;
        GadgetPoint expected;
    };
    const Case cases[] = {
            // Top: rows of eight from the top-left corner.
            {"top, no bar, first", 0, std::nullopt, 0, {0, 0}},
            {"top, no bar, eighth", 0, std::nullopt, 7, {889, 0}},
            {"top, no bar, ninth starts row 2", 0, std::nullopt, 8, {0, 111}},
            {"top, bar on top", 0, kTopBar, 1, {127, 30}},
            {"top, bar on the left", 0, kLeftBar, 0, {60, 0}},
            {"top, bar at the bottom: no change", 0, kBottomBar, 9, {127, 111}},
            {"top, bar on the right: no change", 0, kRightBar, 0, {0, 0}},
            // Right: columns of six from the top-right corner.
            {"right, no bar, first", 1, std::nullopt, 0, {897, 0}},
            {"right, no bar, sixth", 1, std::nullopt, 5, {897, 555}},
            {"right, no bar, seventh starts column 2", 1, std::nullopt, 6, {770, 0}},
            {"right, bar on the right", 1, kRightBar, 0, {837, 0}},
            {"right, bar on top", 1, kTopBar, 2, {897, 252}},
            {"right, bar at the bottom: no change", 1, kBottomBar, 1, {897, 111}},
            // Bottom: rows of eight from the bottom-left corner.
            {"bottom, no bar, first", 2, std::nullopt, 0, {0, 657}},
            {"bottom, bar at the bottom, first", 2, kBottomBar, 0, {0, 627}},
            {"bottom, bar at the bottom, eighth", 2, kBottomBar, 7, {889, 627}},
            {"bottom, bar at the bottom, ninth", 2, kBottomBar, 8, {0, 516}},
            {"bottom, bar on the left", 2, kLeftBar, 1, {187, 657}},
            {"bottom, bar on top: no change", 2, kTopBar, 0, {0, 657}},
            // Left: columns of six from the top-left corner.
            {"left, no bar, seventh", 3, std::nullopt, 6, {127, 0}},
            {"left, bar on the left", 3, kLeftBar, 1, {60, 111}},
            {"left, bar on top", 3, kTopBar, 0, {0, 30}},
            {"left, bar on the right: no change", 3, kRightBar, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        const ArrangementScreen screen{1024, 768, c.taskbar};
        EXPECT_EQ(ArrangedPosition(c.index, c.n, screen, kW, kH), c.expected) << c.label;
    }
}

TEST(ArrangedPosition, GadgetsLargerThanTheScreenOrWithoutASizeStillGetAPlace)
{
    const ArrangementScreen tiny{100, 80, std::nullopt};
    EXPECT_EQ(ArrangedPosition(0, 2, tiny, kW, kH), (GadgetPoint{0, 222}));
    EXPECT_EQ(ArrangedPosition(1, 2, tiny, kW, kH), (GadgetPoint{100 - 3 * kW, 0}));
    const ArrangementScreen screen{1024, 768, std::nullopt};
    EXPECT_EQ(ArrangedPosition(2, 3, screen, 0, 0), (GadgetPoint{0, 768}));
    EXPECT_EQ(ArrangedPosition(3, 3, screen, 0, 0), (GadgetPoint{0, 0}));
}

}  // namespace
}  // namespace vantor::views
