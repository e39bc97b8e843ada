#include "info/BrowserFrame.h"

#include <algorithm>

namespace vantor::views {
namespace {

// The frame art: 40-pixel corners, a 40-pixel title bar, 12-pixel sides and
// a 16-pixel bottom edge.
constexpr int kCorner = 40;
constexpr int kTop = 40;
constexpr int kSide = 12;
constexpr int kBottom = 16;
constexpr int kGrip = 12;
constexpr int kClose = 19;

}  // namespace

BoxSize InitialBrowserSize(int image3Left, int image6Top)
{
    return {678 + std::max(0, 519 - image3Left), 476 + std::max(0, 342 - image6Top)};
}

std::vector<PlacedControl> FrameLayout(BoxSize window)
{
    const int w = std::max(window.width, 2 * kCorner);
    const int h = std::max(window.height, kTop + kBottom);
    const int middleWidth = w - 2 * kCorner;
    const int sideHeight = h - kTop - kBottom;
    return {
            {"Image1", {0, 0, kCorner, kTop}},
            {"Image2", {kCorner, 0, middleWidth, kTop}},
            {"Image3", {w - kCorner, 0, kCorner, kTop}},
            {"Image4", {0, kTop, kSide, sideHeight}},
            {"Image5", {w - kSide, kTop, kSide, sideHeight}},
            {"Image6", {0, h - kBottom, kCorner, kBottom}},
            {"Image7", {kCorner, h - kBottom, middleWidth, kBottom}},
            {"Image8", {w - kCorner, h - kBottom, kCorner, kBottom}},
            {"Image9", {w - kGrip - 2, h - kGrip - 2, kGrip, kGrip}},
            {"imgClose", {w - 34, 11, kClose, kClose}},
            {"cwbInfo", {kSide, kTop, w - 2 * kSide, sideHeight}},
    };
}

BoxSize PageSize(const Box& image5, const Box& image7, const Box& page)
{
    return {std::max(0, image5.left - page.left), std::max(0, image7.top - page.top + 1)};
}

std::array<Box, 3> OutlineRectangles(const Box& image2, const Box& image4, const Box& image5, const Box& image7,
                                     const Box& page, BoxSize pageSize)
{
    return {{
            {image2.left, 0, image2.width, image7.top + image7.height},
            {0, image4.top, image5.left + image5.width, image4.height},
            {page.left, page.top - 1, pageSize.width, pageSize.height},
    }};
}

BoxSize DraggedSize(BoxSize start, BoxPoint pressed, BoxPoint now)
{
    return {std::max(kMinBrowserSize.width, start.width + now.x - pressed.x),
            std::max(kMinBrowserSize.height, start.height + now.y - pressed.y)};
}

std::array<BoxPoint, 5> DragOutline(BoxPoint topLeft, BoxSize size)
{
    const int right = topLeft.x + size.width;
    const int bottom = topLeft.y + size.height;
    return {{topLeft, {right, topLeft.y}, {right, bottom}, {topLeft.x, bottom}, topLeft}};
}

}  // namespace vantor::views
