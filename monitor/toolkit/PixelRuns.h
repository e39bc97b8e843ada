// The horizontal runs the region builders cut a skin bitmap into, one
// rectangle of height 1 per run, row by row from the top.
#pragma once

#include <vector>

#include "toolkit/ColourKey.h"
#include "toolkit/PixelRect.h"
#include "toolkit/PixelView.h"

namespace vantor::toolkit {

// Runs of pixels outside `key` (the pixels a window keeps). After a run the
// scan steps over the key pixel that ended it.
template <class Sink>
void ForEachOpaqueRun(const PixelView& view, const KeyRange& key, Sink&& sink)
{
    for (int y = 0; y < view.height; ++y) {
        const std::uint8_t* row = view.Row(y);
        int x = 0;
        while (x < view.width) {
            const int x0 = x;
            while (x < view.width) {
                const std::uint8_t* p = row + x * view.bytesPerPixel;
                if (key.Contains(p[2], p[1], p[0]))
                    break;
                ++x;
            }
            if (x > x0)
                sink(PixelRect{x0, y, x, y + 1});
            ++x;
        }
    }
}

// Runs of pixels exactly equal to `key` (the pixels a control cuts away).
template <class Sink>
void ForEachKeyRun(const PixelView& view, ColourRef key, Sink&& sink)
{
    const std::uint8_t red = RedOf(key), green = GreenOf(key), blue = BlueOf(key);
    for (int y = 0; y < view.height; ++y) {
        const std::uint8_t* row = view.Row(y);
        auto isKey = [&](int x) {
            const std::uint8_t* p = row + x * view.bytesPerPixel;
            return p[2] == red && p[1] == green && p[0] == blue;
        };
        int x = 0;
        while (x < view.width) {
            while (x < view.width && !isKey(x))
                ++x;
            const int x0 = x;
            while (x < view.width && isKey(x))
                ++x;
            if (x > x0)
                sink(PixelRect{x0, y, x, y + 1});
        }
    }
}

std::vector<PixelRect> OpaqueRuns(const PixelView& view, const KeyRange& key);
std::vector<PixelRect> KeyRuns(const PixelView& view, ColourRef key);

}  // namespace vantor::toolkit
