#include "toolkit/PixelRuns.h"

#include <gtest/gtest.h>

#include "TestImage.h"

namespace vantor::toolkit {
namespace {

using test::FirstDifference;
using test::PixelMask;
using test::TestImage;

constexpr ColourRef kBlack = MakeColour(0, 0, 0);
constexpr ColourRef kMagenta = MakeColour(255, 0, 255);
constexpr ColourRef kRedOnly = 255;  // the tolerance every window passes

// A mixed picture: key-like and non-key pixels in patterns that put runs at
// both edges, single-pixel runs and long ones.
ColourRef Mixed(int x, int y)
{
    switch ((x * 7 + y * 3 + (x / 5) * (y % 4)) % 9) {
    case 0:
        return kBlack;
    case 1:
        return MakeColour(200, 0, 0);  // transparent against black with red tolerance
    case 2:
        return MakeColour(0, 1, 0);  // one step of green: opaque
    case 3:
        return kMagenta;
    case 4:
        return MakeColour(255, 0, 254);  // almost magenta
    case 5:
        return MakeColour(254, 0, 255);
    case 6:
        return MakeColour(0, 0, 1);
    default:
        return MakeColour(static_cast<std::uint8_t>(x * 13), static_cast<std::uint8_t>(y * 17), 90);
    }
}

// The runs must be one rectangle per maximal horizontal run of kept pixels,
// covering exactly the pixels `keep` selects, each once.
void ExpectRunsCover(const PixelView& view, const std::vector<PixelRect>& runs,
                     const std::function<bool(int, int)>& keep)
{
    PixelMask mask(view.width, view.height);
    for (const PixelRect& r : runs) {
        ASSERT_TRUE(mask.Add(r)) << "run outside the bitmap";
        EXPECT_EQ(r.bottom, r.top + 1);
        EXPECT_LT(r.left, r.right);
        // Maximal: the pixels beside the run are not kept.
        EXPECT_TRUE(r.left == 0 || !keep(r.left - 1, r.top)) << r.left << "," << r.top;
        EXPECT_TRUE(r.right == view.width || !keep(r.right, r.top)) << r.right << "," << r.top;
    }
    EXPECT_FALSE(mask.AnyOverlap());
    EXPECT_EQ(FirstDifference(mask, keep), "");
}

TEST(OpaqueRuns, MatchThePerPixelKeyTest)
{
    struct Case {
        const char* label;
        ColourRef key;
        ColourRef tolerance;
        std::function<bool(ColourRef)> transparent;
    };
    const Case cases[] = {
            {"black key, red tolerance: any red with no green or blue goes", kBlack, kRedOnly,
             [](ColourRef c) { return GreenOf(c) == 0 && BlueOf(c) == 0; }},
            {"magenta key, red tolerance: only exact magenta goes", kMagenta, kRedOnly,
             [](ColourRef c) { return c == kMagenta; }},
            {"no tolerance: only the key goes", MakeColour(200, 0, 0), 0,
             [](ColourRef c) { return c == MakeColour(200, 0, 0); }},
            {"tolerance capped at 255 per channel", MakeColour(250, 0, 0), MakeColour(255, 1, 1),
             [](ColourRef c) { return RedOf(c) >= 250 && GreenOf(c) <= 1 && BlueOf(c) <= 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        for (int bpp : {3, 4})
            for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp})
                for (int width : {1, 3, 7, 33}) {
                    SCOPED_TRACE(testing::Message() << bpp * 8 << " bits, width " << width
                                                    << (order == RowOrder::BottomUp ? " bottom-up" : " top-down"));
                    const TestImage image(width, 9, bpp, order, Mixed);
                    const PixelView view = image.View();
                    ExpectRunsCover(view, OpaqueRuns(view, KeyRange(c.key, c.tolerance)),
                                    [&](int x, int y) { return !c.transparent(Mixed(x, y)); });
                }
    }
}

TEST(OpaqueRuns, AllKeyGivesNothingAndNoKeyGivesWholeRows)
{
    const TestImage allKey(5, 4, 3, RowOrder::BottomUp, [](int, int) { return kMagenta; });
    EXPECT_TRUE(OpaqueRuns(allKey.View(), KeyRange(kMagenta, kRedOnly)).empty());

    const TestImage noKey(5, 3, 4, RowOrder::BottomUp, [](int x, int) { return MakeColour(10, 20, 30 + x); });
    const std::vector<PixelRect> rows{{0, 0, 5, 1}, {0, 1, 5, 2}, {0, 2, 5, 3}};
    EXPECT_EQ(OpaqueRuns(noKey.View(), KeyRange(kMagenta, kRedOnly)), rows);

    const TestImage empty(0, 0, 4, RowOrder::TopDown, [](int, int) { return kBlack; });
    EXPECT_TRUE(OpaqueRuns(empty.View(), KeyRange(kMagenta, kRedOnly)).empty());
}

TEST(KeyRuns, CoverExactlyTheKeyColourWithoutTolerance)
{
    for (ColourRef key : {kBlack, kMagenta})
        for (int bpp : {3, 4})
            for (int width : {1, 6, 31}) {
                SCOPED_TRACE(testing::Message() << "key " << key << ", " << bpp * 8 << " bits, width " << width);
                const TestImage image(width, 8, bpp, RowOrder::BottomUp, Mixed);
                ExpectRunsCover(image.View(), KeyRuns(image.View(), key),
                                [&](int x, int y) { return Mixed(x, y) == key; });
            }
}

}  // namespace
}  // namespace vantor::toolkit
