#include "mainpanel/SlideMotion.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor::views {
namespace {

struct SlideRun {
    std::vector<int> moves;  // dx of every moving tick
    int endLeft = 0;
};

// Ticks a slide to its end as the window does: each move shifts the cut and
// moves the panel; the counter grows on moving ticks only. Checks on every
// tick that the cut stays over the cover on the screen.
SlideRun Slide(bool closing, int panelLeft, int coverLeft, PanelCut& cut)
{
    SlideRun run;
    int ticks = 0;
    while (const auto move = SlideTick(closing, panelLeft, coverLeft, ticks)) {
        cut.Shift(move->shift);
        panelLeft += move->dx;
        ++ticks;
        run.moves.push_back(move->dx);
        EXPECT_EQ(panelLeft + cut.coverShapeX, coverLeft) << "the cover's shape stays on the cover, tick " << ticks;
        EXPECT_EQ(panelLeft + cut.cutWidth, coverLeft + 100) << "tick " << ticks;
        if (ticks > 1000)
            break;
    }
    run.endLeft = panelLeft;
    return run;
}

TEST(SlideMotion, ClosingAndOpeningTakeTwentySevenTicksOfTenPixels)
{
    const int coverLeft = 233;
    PanelCut cut;
    const SlideRun in = Slide(true, coverLeft, coverLeft, cut);
    EXPECT_EQ(in.moves, std::vector<int>(27, -10));
    EXPECT_EQ(in.endLeft, coverLeft - kSlideDistance);
    EXPECT_EQ(CoverOffset(coverLeft, in.endLeft), 270);
    EXPECT_EQ(cut.coverShapeX, 270);
    EXPECT_EQ(cut.cutWidth, 370);

    const SlideRun out = Slide(false, in.endLeft, coverLeft, cut);
    EXPECT_EQ(out.moves, std::vector<int>(27, 10));
    EXPECT_EQ(out.endLeft, coverLeft);
    EXPECT_EQ(CoverOffset(coverLeft, out.endLeft), 0);
    EXPECT_EQ(cut.coverShapeX, 0) << "back where it started: repeated slides do not drift";
    EXPECT_EQ(cut.cutWidth, 100);
}

TEST(SlideMotion, AnAlreadyFinishedSlideMovesNothing)
{
    EXPECT_FALSE(SlideTick(true, 100 - 270, 100, 0));
    EXPECT_FALSE(SlideTick(true, 100 - 300, 100, 0));
    EXPECT_FALSE(SlideTick(false, 100, 100, 0));
    EXPECT_FALSE(SlideTick(false, 140, 100, 0));
}

TEST(SlideMotion, StepsSlowDownAfterFiftyAndFiftyEightTicks)
{
    struct Case {
        int ticks;
        int step;
    };
    for (const Case c : {Case{0, 10}, Case{49, 10}, Case{50, 5}, Case{57, 5}, Case{58, 2}, Case{500, 2}}) {
        EXPECT_EQ(SlideStep(c.ticks), c.step) << c.ticks;
    }
    // A panel far from the cover (600 pixels): 50 x 10, 8 x 5, then 30 x 2.
    PanelCut cut;
    cut.Shift(600);  // the cut of a panel 600 pixels in
    const SlideRun run = Slide(false, 400 - 600, 400, cut);
    ASSERT_EQ(run.moves.size(), 88u);
    EXPECT_EQ(run.moves[49], 10);
    EXPECT_EQ(run.moves[50], 5);
    EXPECT_EQ(run.moves[57], 5);
    EXPECT_EQ(run.moves[58], 2);
    EXPECT_EQ(run.endLeft, 400);
}

}  // namespace
}  // namespace vantor::views
