#include "info/BrowserFrame.h"

#include <gtest/gtest.h>

#include <string>

#include "language/layouts/LayoutTables.h"

namespace vantor::views {
namespace {

Box Find(const std::vector<PlacedControl>& layout, std::string_view name)
{
    for (const PlacedControl& placed : layout)
        if (placed.name == name)
            return placed.bounds;
    ADD_FAILURE() << "no " << name;
    return {};
}

// The window opens at the layout table's size; laying out the frame for that
// size must leave every piece where the table put it, or the first resize
// would make the frame jump.
TEST(BrowserFrameTest, FrameAtTheTableSizeIsTheTable)
{
    const monitor::LayoutRecord& window = monitor::kInfoBrowserLayout.front();
    const BoxSize size = InitialBrowserSize(678 - 40, 476 - 16);
    EXPECT_EQ(size, (BoxSize{window.Width, window.Height}));
    const std::vector<PlacedControl> layout = FrameLayout(size);
    int compared = 0;
    for (const monitor::LayoutRecord& row : monitor::kInfoBrowserLayout) {
        for (const PlacedControl& placed : layout) {
            if (placed.name != row.NameView())
                continue;
            ++compared;
            EXPECT_EQ(placed.bounds, (Box{row.Left, row.Top, row.Width, row.Height})) << placed.name;
        }
    }
    EXPECT_EQ(compared, static_cast<int>(layout.size()));
}

TEST(BrowserFrameTest, InitialSizeGrowsOnlyForASmallTable)
{
    EXPECT_EQ(InitialBrowserSize(638, 460), (BoxSize{678, 476}));
    EXPECT_EQ(InitialBrowserSize(519, 342), (BoxSize{678, 476}));
    EXPECT_EQ(InitialBrowserSize(500, 300), (BoxSize{697, 518}));
}

TEST(BrowserFrameTest, FrameFollowsTheWindowSize)
{
    const std::vector<PlacedControl> layout = FrameLayout({900, 700});
    EXPECT_EQ(Find(layout, "Image2"), (Box{40, 0, 820, 40}));
    EXPECT_EQ(Find(layout, "Image3"), (Box{860, 0, 40, 40}));
    EXPECT_EQ(Find(layout, "Image5"), (Box{888, 40, 12, 644}));
    EXPECT_EQ(Find(layout, "Image8"), (Box{860, 684, 40, 16}));
    EXPECT_EQ(Find(layout, "Image9"), (Box{886, 686, 12, 12}));
    EXPECT_EQ(Find(layout, "imgClose"), (Box{866, 11, 19, 19}));
    const Box page = Find(layout, "cwbInfo");
    EXPECT_EQ(page, (Box{12, 40, 876, 644}));
    EXPECT_EQ(PageSize(Find(layout, "Image5"), Find(layout, "Image7"), page), (BoxSize{876, 645}));
    // Nothing goes negative for a window smaller than its frame.
    for (const PlacedControl& placed : FrameLayout({10, 10}))
        EXPECT_TRUE(placed.bounds.width >= 0 && placed.bounds.height >= 0) << placed.name;
}

// The outline's rectangles and the four corners together cover the window;
// only the corners' key-coloured pixels are cut away.
TEST(BrowserFrameTest, OutlineRectanglesCoverAllButTheCorners)
{
    const BoxSize window{678, 476};
    const std::vector<PlacedControl> layout = FrameLayout(window);
    const Box page = Find(layout, "cwbInfo");
    const BoxSize pageSize = PageSize(Find(layout, "Image5"), Find(layout, "Image7"), page);
    const auto rects = OutlineRectangles(Find(layout, "Image2"), Find(layout, "Image4"), Find(layout, "Image5"),
                                         Find(layout, "Image7"), page, pageSize);
    EXPECT_EQ(rects[0], (Box{40, 0, 598, 476}));
    EXPECT_EQ(rects[1], (Box{0, 40, 678, 420}));
    EXPECT_EQ(rects[2], (Box{12, 39, 654, 421}));
}

TEST(BrowserFrameTest, GripDragNeverGoesBelow600By400)
{
    const struct {
        BoxPoint now;
        BoxSize size;
    } cases[] = {
            {{1000, 800}, {678, 476}},  // not moved
            {{1100, 900}, {778, 576}},  // grown
            {{960, 780}, {638, 456}},   // shrunk, still above the minimum
            {{700, 800}, {600, 476}},   // dragged left of the minimum
            {{1000, 500}, {678, 400}},  // dragged above the minimum
            {{-5000, -5000}, {600, 400}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DraggedSize({678, 476}, {1000, 800}, c.now), c.size) << c.now.x << "," << c.now.y;
}

TEST(BrowserFrameTest, DragOutlineIsAClosedRectangleFromTheTopLeft)
{
    const auto outline = DragOutline({100, 50}, {600, 400});
    EXPECT_EQ(outline[0], (BoxPoint{100, 50}));
    EXPECT_EQ(outline[1], (BoxPoint{700, 50}));
    EXPECT_EQ(outline[2], (BoxPoint{700, 450}));
    EXPECT_EQ(outline[3], (BoxPoint{100, 450}));
    EXPECT_EQ(outline[4], outline[0]);
}

}  // namespace
}  // namespace vantor::views
