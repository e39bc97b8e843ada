// Small bitmaps for the region tests: pixels set by a function of (x, y), in
// 24- or 32-bit layout, stored top-down or bottom-up with DIB row padding;
// and masks for comparing a region with the pixels it should cover.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/ColourKey.h"
#include "toolkit/PixelRect.h"
#include "toolkit/PixelView.h"

namespace vantor::toolkit::test {

class TestImage {
public:
    TestImage(int width, int height, int bytesPerPixel, RowOrder order,
              const std::function<ColourRef(int, int)>& colourAt)
        : m_width(width), m_height(height), m_bytesPerPixel(bytesPerPixel), m_order(order),
          m_bytes(static_cast<std::size_t>(DibStride(width, bytesPerPixel) * height), 0xEE)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p = const_cast<std::uint8_t*>(View().Row(y)) + x * bytesPerPixel;
                const ColourRef c = colourAt(x, y);
                p[0] = BlueOf(c);
                p[1] = GreenOf(c);
                p[2] = RedOf(c);
            }
    }

    PixelView View() const
    {
        return PixelView{m_bytes.data(),  m_width, m_height, DibStride(m_width, m_bytesPerPixel),
                         m_bytesPerPixel, m_order};
    }

private:
    int m_width, m_height, m_bytesPerPixel;
    RowOrder m_order;
    std::vector<std::uint8_t> m_bytes;
};

// Which pixels of a width x height bitmap a set of rectangles covers; also
// counts pixels covered twice.
struct PixelMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cover;  // times each pixel is covered

    PixelMask(int w, int h) : width(w), height(h), cover(static_cast<std::size_t>(w) * h, 0) {}

    // False when a rectangle reaches outside the bitmap.
    bool Add(const PixelRect& r)
    {
        if (r.left < 0 || r.top < 0 || r.right > width || r.bottom > height)
            return false;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                ++cover[static_cast<std::size_t>(y) * width + x];
        return true;
    }
    bool Covered(int x, int y) const { return cover[static_cast<std::size_t>(y) * width + x] != 0; }
    bool AnyOverlap() const
    {
        for (std::uint8_t c : cover)
            if (c > 1)
                return true;
        return false;
    }
};

// The first pixel where the mask and the predicate disagree, as "x,y", or
// empty when they agree everywhere.
inline std::string FirstDifference(const PixelMask& mask, const std::function<bool(int, int)>& shouldCover)
{
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.Covered(x, y) != shouldCover(x, y))
                return std::to_string(x) + "," + std::to_string(y) + (mask.Covered(x, y) ? " covered" : " missing");
    return {};
}

}  // namespace vantor::toolkit::test
