// A skin-like test picture: a rounded panel on a magenta key with a few
// holes, shaded so that neighbouring pixels differ, plus near-magenta pixels
// that must stay. Shared by the region tests and the benchmark.
#pragma once

#include <cstdint>

#include "toolkit/ColourKey.h"

namespace vantor::toolkit::test {

inline constexpr ColourRef kShapeKey = MakeColour(255, 0, 255);

inline bool InsideRoundedPanel(int x, int y, int width, int height, int radius)
{
    const int cx = x < radius ? radius : (x >= width - radius ? width - radius - 1 : x);
    const int cy = y < radius ? radius : (y >= height - radius ? height - radius - 1 : y);
    const long long dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= static_cast<long long>(radius) * radius;
}

inline bool InHole(int x, int y, int width, int height)
{
    // A row of round holes across the middle and one slot near the bottom.
    const int holeRadius = height / 12 + 1;
    for (int i = 1; i <= 4; ++i) {
        const int hx = width * i / 5, hy = height / 2;
        const long long dx = x - hx, dy = y - hy;
        if (dx * dx + dy * dy <= static_cast<long long>(holeRadius) * holeRadius)
            return true;
    }
    return y >= height * 4 / 5 && y < height * 4 / 5 + 3 && x >= width / 3 && x < width * 2 / 3;
}

inline ColourRef ShapeColour(int x, int y, int width, int height)
{
    if (!InsideRoundedPanel(x, y, width, height, height / 6) || InHole(x, y, width, height))
        return kShapeKey;
    if ((x + y) % 97 == 0)
        return MakeColour(255, 0, 254);  // almost the key: kept
    return MakeColour(static_cast<std::uint8_t>(30 + x % 40), static_cast<std::uint8_t>(40 + y % 50), 60);
}

// The same panel with a speaker-like grille of 2 x 2 holes, 6 pixels apart,
// in its lower left quarter: many more key runs for the same outline.
inline ColourRef GrilleShapeColour(int x, int y, int width, int height)
{
    const bool inGrille = x >= width / 8 && x < width / 2 && y >= height * 3 / 5 && y < height * 3 / 4;
    if (inGrille && x % 6 < 2 && y % 6 < 2)
        return kShapeKey;
    return ShapeColour(x, y, width, height);
}

}  // namespace vantor::toolkit::test
