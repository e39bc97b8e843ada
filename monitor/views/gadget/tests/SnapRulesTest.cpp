#include "gadget/SnapRules.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

constexpr int kHexW = 127, kHexH = 111;
constexpr int kSmallW = 115, kSmallH = 50;

GadgetRect At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// q placed a few pixels off where side `side` of p would put it: that side
// (and no earlier one) snaps, and q goes exactly there.
TEST(FindSnap, EachSideOfBothSizesPullsItsNeighbourFlush)
{
    struct Case {
        GadgetSize size;
        std::size_t side;
        GadgetPoint expected;  // q's new top-left for p at (500, 400)
    };
    const Case cases[] = {
            {GadgetSize::Normal, 0, {500, 400 - kHexH}},
            {GadgetSize::Normal, 1, {500, 400 + kHexH}},
            {GadgetSize::Normal, 2, {500 - kHexW + 33, 400 - 56}},
            {GadgetSize::Normal, 3, {500 + kHexW - 33, 400 + 56}},
            {GadgetSize::Normal, 4, {500 - kHexW + 33, 400 + 56}},
            {GadgetSize::Normal, 5, {500 + kHexW - 33, 400 - 56}},
            {GadgetSize::Small, 0, {500, 400 - kSmallH}},
            {GadgetSize::Small, 1, {500, 400 + kSmallH}},
            {GadgetSize::Small, 2, {500 - kSmallW, 400}},
            {GadgetSize::Small, 3, {500 + kSmallW, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.size == GadgetSize::Normal ? "normal" : "small") << " side " << c.side);
        const int w = c.size == GadgetSize::Normal ? kHexW : kSmallW;
        const int h = c.size == GadgetSize::Normal ? kHexH : kSmallH;
        const GadgetRect p = At(500, 400, w, h);
        for (const GadgetPoint off : {GadgetPoint{0, 0}, GadgetPoint{7, -9}, GadgetPoint{-12, 10}}) {
            const GadgetRect q = At(c.expected.x + off.x, c.expected.y + off.y, w, h);
            const auto snap = FindSnap(c.size, p, q, DockedSides{});
            ASSERT_TRUE(snap.has_value()) << off.x << "," << off.y;
            EXPECT_EQ(snap->side, c.side);
            EXPECT_EQ(snap->qMovesTo, c.expected);
        }
        // Far off: nothing meets.
        EXPECT_FALSE(FindSnap(c.size, p, At(c.expected.x + 40, c.expected.y + 40, w, h), DockedSides{}));
    }
}

TEST(FindSnap, MeetsWithinTwentyFivePixelsIncludingTheBound)
{
    const GadgetRect p = At(500, 400, kHexW, kHexH);
    struct Case {
        int dx, dy;
        bool meets;
    };
    // Offsets of q's bottom midpoint from p's top midpoint (side 0).
    const Case cases[] = {{15, -20, true}, {0, -25, true}, {25, 0, true}, {0, -26, false}, {18, -18, false}};
    for (const Case& c : cases) {
        const GadgetRect q = At(500 + c.dx, 400 - kHexH + c.dy, kHexW, kHexH);
        EXPECT_EQ(FindSnap(GadgetSize::Normal, p, q, DockedSides{}).has_value(), c.meets) << c.dx << "," << c.dy;
    }
}

TEST(FindSnap, ADockedSideIsSkippedAndTheNextMeetingSideWins)
{
    const GadgetRect p = At(500, 400, kSmallW, kSmallH);
    const GadgetRect q = At(500, 400 - kSmallH, kSmallW, kSmallH);  // flush above
    DockedSides docked{};
    docked[0] = true;
    EXPECT_FALSE(FindSnap(GadgetSize::Small, p, q, docked));
    // A rectangle has four sides: the hexagon's fifth and sixth never apply.
    const GadgetRect upperRight = At(500 + kSmallW - 33, 400 - 56, kSmallW, kSmallH);
    EXPECT_FALSE(FindSnap(GadgetSize::Small, p, upperRight, DockedSides{}));
}

struct ChainCase {
    GadgetSize size;
    int w, h;
};

class DragChain : public ::testing::TestWithParam<ChainCase> {};

// A is dragged up towards B, which sits above it; C sits above B's final
// place. One step: A pulls B flush on top, and B, now in the group, pulls C.
TEST_P(DragChain, OneStepPullsTheWholeChainAndThenItMovesAsOne)
{
    const auto [size, w, h] = GetParam();
    const int aTop = 420;
    SnapField field(size, {At(100, aTop, w, h), At(104, aTop - h - 30, w, h), At(96, aTop - 10 - 2 * h - 20, w, h)});
    field.dragGroup = {0};

    const std::vector<SnapMove> moves = DragStep(field, 0, 0, -10);
    const GadgetRect a = At(100, aTop - 10, w, h);
    const GadgetRect b = At(100, a.top - h, w, h);
    const GadgetRect c = At(100, b.top - h, w, h);
    EXPECT_EQ(field.rects[0], a);
    EXPECT_EQ(field.rects[1], b);
    EXPECT_EQ(field.rects[2], c);
    EXPECT_EQ(field.dragGroup, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(moves, (std::vector<SnapMove>{{0, a}, {1, b}, {2, c}}));
    EXPECT_TRUE(field.docked[0][0]);
    EXPECT_TRUE(field.docked[1][1]);
    EXPECT_TRUE(field.docked[1][0]);
    EXPECT_TRUE(field.docked[2][1]);

    DragStep(field, 0, 200, 35);
    EXPECT_EQ(field.rects[0], a.MovedBy(200, 35));
    EXPECT_EQ(field.rects[1], b.MovedBy(200, 35));
    EXPECT_EQ(field.rects[2], c.MovedBy(200, 35));
}

// The same layout with C's magnet off: C is neither pulled nor moved, and
// with A's magnet off A moves alone and pulls nobody.
TEST_P(DragChain, AGadgetWithItsMagnetOffIsNeverPulledAndDragsAlone)
{
    const auto [size, w, h] = GetParam();
    const GadgetRect cStart = At(96, 420 - 10 - 2 * h - 20, w, h);
    SnapField field(size, {At(100, 420, w, h), At(104, 420 - h - 30, w, h), cStart}, {false, false, true});
    field.dragGroup = {0};
    DragStep(field, 0, 0, -10);
    EXPECT_EQ(field.rects[1], At(100, 410 - h, w, h));
    EXPECT_EQ(field.rects[2], cStart);
    EXPECT_EQ(field.dragGroup, (std::vector<std::size_t>{0, 1}));

    const GadgetRect bStart = At(104, 420 - h - 30, w, h);
    SnapField alone(size, {At(100, 420, w, h), bStart}, {true, false});
    alone.dragGroup = {0};
    const std::vector<SnapMove> moves = DragStep(alone, 0, 0, -10);
    EXPECT_EQ(moves, (std::vector<SnapMove>{{0, At(100, 410, w, h)}}));
    EXPECT_EQ(alone.rects[1], bStart);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, DragChain,
                         ::testing::Values(ChainCase{GadgetSize::Normal, kHexW, kHexH},
                                           ChainCase{GadgetSize::Small, kSmallW, kSmallH}));

TEST(MagnetSwitchedOn, PullsItsNeighboursAndForgetsTheDockedSides)
{
    SnapField field(GadgetSize::Small, {At(300, 300, kSmallW, kSmallH), At(300 + kSmallW + 10, 305, kSmallW, kSmallH)});
    field.dragGroup = {1, 0};
    const std::vector<SnapMove> moves = MagnetSwitchedOn(field, 0);
    EXPECT_EQ(moves, (std::vector<SnapMove>{{1, At(300 + kSmallW, 300, kSmallW, kSmallH)}}));
    EXPECT_EQ(field.dragGroup, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(field.docked[0], DockedSides{});
    EXPECT_EQ(field.docked[1], DockedSides{});
}

}  // namespace
}  // namespace vantor::views
