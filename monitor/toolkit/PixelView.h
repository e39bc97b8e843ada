// A read-only view of a bitmap's pixels as the region builders scan them:
// 24-bit (blue, green, red) or 32-bit (blue, green, red, unused) pixels, rows
// stored top-down or bottom-up as Windows device-independent bitmaps keep them.
// Pure, so the scans can be fed plain buffers in tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "toolkit/ColourKey.h"

namespace vantor::toolkit {

enum class RowOrder {
    TopDown,
    BottomUp
};

struct PixelView {
    const std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // bytes from one stored row to the next
    int bytesPerPixel = 4;      // 3 or 4
    RowOrder order = RowOrder::TopDown;

    // Row y of the image (0 is the top row), wherever it lies in memory.
    const std::uint8_t* Row(int y) const
    {
        const int stored = order == RowOrder::TopDown ? y : height - 1 - y;
        return bits + stored * stride;
    }

    // The pixel at (x, y) in the COLORREF layout.
    ColourRef At(int x, int y) const
    {
        const std::uint8_t* p = Row(y) + static_cast<std::ptrdiff_t>(x) * bytesPerPixel;
        return MakeColour(p[2], p[1], p[0]);
    }
};

// Rows of a device-independent bitmap start on 4-byte boundaries.
constexpr std::ptrdiff_t DibStride(int width, int bytesPerPixel)
{
    return (static_cast<std::ptrdiff_t>(width) * bytesPerPixel + 3) / 4 * 4;
}

}  // namespace vantor::toolkit
