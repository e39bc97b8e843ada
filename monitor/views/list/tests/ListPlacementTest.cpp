// The list window's geometry: anchors, the plan of each mode, the outline
// and the rule that keeps the window on the screen.
#include <gtest/gtest.h>

#include "list/ListPlacement.h"

namespace vantor::views {
namespace {

// The frame as the layout table places it in the 267 x 282 window.
FramePieces DesignedFrame()
{
    return {{{0, 0, 40, 41},
             {40, 0, 67, 41},
             {107, 0, 40, 41},
             {0, 41, 40, 144},
             {40, 41, 67, 144},
             {107, 41, 40, 144},
             {0, 185, 40, 41},
             {40, 185, 67, 41},
             {107, 185, 40, 41}}};
}

ListParts Parts(int dw = 0, int dh = 0)
{
    return {.designedFrame = DesignedFrame(), .dw = dw, .dh = dh, .okWidth = 60, .designedList = {12, 24, 120, 167}};
}

TEST(ListAnchors, FollowTheEdgesTheyAreTiedTo)
{
    const ListRect r{10, 20, 30, 40};
    struct Case {
        std::uint8_t anchors;
        ListRect expected;
    };
    const Case cases[] = {
            {kAnchorLeft | kAnchorTop, {10, 20, 30, 40}},
            {kAnchorTop | kAnchorRight, {15, 20, 30, 40}},
            {kAnchorLeft | kAnchorRight | kAnchorTop, {10, 20, 35, 40}},
            {kAnchorLeft | kAnchorBottom, {10, 13, 30, 40}},
            {kAnchorAll, {10, 20, 35, 33}},
            {0, {10, 20, 30, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnchoredBounds(r, c.anchors, 5, -7), c.expected) << int(c.anchors);
}

TEST(ListShowPlan, EachModeSizesTheWindowAndPlacesItsButtons)
{
    struct Case {
        ListShowMode mode;
        int width, height;
        ListPoint close, ok;
        bool list, cancel, message;
    };
    // Frame right edge = width - 120, frame bottom = height - 56; the bottom
    // edge piece starts 41 above that.
    const Case cases[] = {
            {ListShowMode::ListArrangements,
             230,
             200,
             {70 + 19, 5},
             {(70 + 40 - 60) / 2, 103 + 15},
             true,
             false,
             false},
            {ListShowMode::ListTargets, 230, 200, {89, 5}, {25, 118}, true, false, false},
            {ListShowMode::ListPrepared, 300, 200, {140 + 19, 5}, {(140 + 40 - 60) / 2, 118}, true, false, false},
            {ListShowMode::Confirm, 500, 180, {340 + 19, 5}, {340 - 100, 83 + 15}, false, true, true},
            {ListShowMode::Message, 500, 200, {359, 5}, {340 + 60 - 100, 118}, false, false, true},
    };
    for (const Case& c : cases) {
        const ListShowPlan plan = PlanListShow(c.mode, Parts());
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_EQ(plan.width, c.width);
        EXPECT_EQ(plan.height, c.height);
        EXPECT_EQ(plan.close, c.close);
        EXPECT_EQ(plan.ok, c.ok);
        EXPECT_EQ(plan.listShown, c.list);
        EXPECT_EQ(plan.cancelShown, c.cancel);
        EXPECT_EQ(plan.messageShown, c.message);
        // The visible frame keeps its distance to the window's right and bottom edges.
        EXPECT_EQ(plan.frame[8].Right(), c.width - 120);
        EXPECT_EQ(plan.frame[8].Bottom(), c.height - 56);
        EXPECT_EQ(plan.frame[4].Right(), plan.frame[5].left) << "centre meets the right edge piece";
        EXPECT_EQ(plan.frame[4].Bottom(), plan.frame[7].top) << "centre meets the bottom edge piece";
    }
    const ListShowPlan confirm = PlanListShow(ListShowMode::Confirm, Parts());
    EXPECT_EQ(confirm.cancel, (ListPoint{240 + 60 + 5, 98}));
    EXPECT_EQ(confirm.message, (ListPoint{20, 30}));
    // The list box stretches with the window.
    const ListShowPlan list = PlanListShow(ListShowMode::ListArrangements, Parts());
    EXPECT_EQ(list.list, (ListRect{12, 24, 120 - 37, 167 - 82}));
}

TEST(ListShowPlan, SizeCorrectionsFromTheLayoutWidenEveryMode)
{
    // A layout that left the right corner 4 pixels further left than designed
    // (dw = 4) still ends the frame 120 pixels before the window's edge.
    FramePieces moved = DesignedFrame();
    for (int i : {2, 5, 8})
        moved[i].left -= 4;
    ListParts parts = Parts(4, 2);
    parts.designedFrame = moved;
    const ListShowPlan plan = PlanListShow(ListShowMode::Message, parts);
    EXPECT_EQ(plan.width, 504);
    EXPECT_EQ(plan.height, 202);
    EXPECT_EQ(plan.frame[2].left, 107 - 4 + 504 - 267);
}

TEST(ListScreen, MessageWindowIsCentredForItsSize)
{
    EXPECT_EQ(MessageWindowOrigin(1280, 1024), (ListPoint{390, 412}));
    EXPECT_EQ(MessageWindowOrigin(801, 601), (ListPoint{150, 200}));
    EXPECT_EQ(MessageWindowOrigin(400, 150), (ListPoint{-50, -25}));
}

TEST(ListScreen, WindowIsPulledBackSoItsFrameStaysVisible)
{
    struct Case {
        ListRect window;
        ListPoint expected;
    };
    const Case cases[] = {
            {{100, 100, 230, 200}, {100, 100}},    // inside
            {{1050, 100, 230, 200}, {1050, 100}},  // right edge exactly on the screen's
            {{1100, 100, 230, 200}, {1160, 100}},  // past the right edge: the frame (110 wide) fits
            {{100, 900, 500, 180}, {100, 864}},    // past the bottom
            {{1200, 900, 500, 200}, {890, 844}},   // both
            {{-30, 100, 230, 200}, {20, 100}},     // left of the screen
            {{-30, -40, 230, 200}, {20, -40}},     // above the screen is left alone
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepListOnScreen(c.window, 1280, 1024), c.expected) << c.window.left << "," << c.window.top;
}

TEST(ListOutline, FrameWithThreePixelInsets)
{
    const FrameOutline outline = FrameOutlineOf(DesignedFrame());
    EXPECT_EQ(outline.across, (ListRect{40, 3, 67, 226 - 6}));
    EXPECT_EQ(outline.down, (ListRect{3, 41, 147 - 6, 144}));
}

}  // namespace
}  // namespace vantor::views
