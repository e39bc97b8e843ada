#include "toolkit/RegionBatches.h"

#include <gtest/gtest.h>

#include <cstring>

#include "TestImage.h"
#include "toolkit/PixelRuns.h"

namespace vantor::toolkit {
namespace {

using test::FirstDifference;
using test::PixelMask;
using test::TestImage;

constexpr ColourRef kMagenta = MakeColour(255, 0, 255);
constexpr ColourRef kRedOnly = 255;

struct Batch {
    std::vector<PixelRect> rects;
    PixelRect bound;
    std::uint32_t capacity;
    std::size_t allocatedBytes;
    std::uint32_t header[4];
};

std::vector<Batch> Collect(const PixelView& view, bool* ok = nullptr)
{
    std::vector<Batch> batches;
    const bool result = BuildRegionBatches(view, KeyRange(kMagenta, kRedOnly), [&](const RegionDataList& list) {
        Batch b{{}, list.Bound(), list.Capacity(), list.AllocatedBytes(), {}};
        std::memcpy(b.header, list.Data(), sizeof b.header);
        for (std::uint32_t i = 0; i < list.Count(); ++i)
            b.rects.push_back(list.At(i));
        batches.push_back(b);
        return true;
    });
    if (ok)
        *ok = result;
    return batches;
}

// Every other pixel magenta: width / 2 single-pixel runs per row.
ColourRef Comb(int x, int) { return x % 2 == 0 ? MakeColour(40, 40, 40) : kMagenta; }

TEST(RegionBatches, ManyRunsComeInBatchesOf2000ThatTogetherCoverTheBitmap)
{
    struct Case {
        int width;
        int height;
        std::vector<std::size_t> sizes;
    };
    const Case cases[] = {
            {100, 50, {2000, 500}},         // 2500 runs
            {100, 80, {2000, 2000, 0}},     // exactly 4000: the last batch is empty but still handed on
            {101, 99, {2000, 2000, 1049}},  // odd width: the last pixel of a row is a run too
            {10, 10, {50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const TestImage image(c.width, c.height, 4, RowOrder::BottomUp, Comb);
        bool ok = false;
        const std::vector<Batch> batches = Collect(image.View(), &ok);
        EXPECT_TRUE(ok);
        std::vector<std::size_t> sizes;
        PixelMask mask(c.width, c.height);
        for (const Batch& b : batches) {
            sizes.push_back(b.rects.size());
            PixelRect bound{INT32_MAX, INT32_MAX, 0, 0};
            for (const PixelRect& r : b.rects) {
                ASSERT_TRUE(mask.Add(r));
                bound = {std::min(bound.left, r.left), std::min(bound.top, r.top), std::max(bound.right, r.right),
                         std::max(bound.bottom, r.bottom)};
            }
            EXPECT_EQ(b.bound, bound);
            // The list grows in steps of 100 and never past one batch.
            EXPECT_EQ(b.capacity % 100, 0u);
            EXPECT_GE(b.capacity, b.rects.size());
            EXPECT_LE(b.capacity, 2000u);
            EXPECT_EQ(b.allocatedBytes, 32u + 16u * b.capacity);
            EXPECT_EQ(b.header[0], 32u);  // header size
            EXPECT_EQ(b.header[1], 1u);   // RDH_RECTANGLES
            EXPECT_EQ(b.header[2], b.rects.size());
            EXPECT_EQ(b.header[3], 0u);
        }
        EXPECT_EQ(sizes, c.sizes);
        EXPECT_FALSE(mask.AnyOverlap());
        EXPECT_EQ(FirstDifference(mask, [](int x, int) { return x % 2 == 0; }), "");
    }
}

TEST(RegionBatches, AllKeyBitmapHandsOnOneEmptyBatchWithTheResetBound)
{
    const TestImage image(8, 8, 4, RowOrder::BottomUp, [](int, int) { return kMagenta; });
    const std::vector<Batch> batches = Collect(image.View());
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_TRUE(batches[0].rects.empty());
    EXPECT_EQ(batches[0].bound, (PixelRect{INT32_MAX, INT32_MAX, 0, 0}));
    EXPECT_EQ(batches[0].capacity, 100u);
}

TEST(RegionBatches, AFailedBatchStopsTheBuild)
{
    const TestImage image(100, 100, 4, RowOrder::BottomUp, Comb);  // 5000 runs
    int calls = 0;
    const bool ok = BuildRegionBatches(image.View(), KeyRange(kMagenta, kRedOnly), [&](const RegionDataList&) {
        ++calls;
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace vantor::toolkit
