// Screen rectangles and points of the gadget windows, in pixels, as
// GetWindowRect gives them (right and bottom exclusive).
#pragma once

namespace vantor::views {

struct GadgetPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GadgetPoint&) const = default;
};

struct GadgetRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // The same size with the top-left corner at `at`.
    GadgetRect MovedTo(GadgetPoint at) const { return {at.x, at.y, at.x + Width(), at.y + Height()}; }
    GadgetRect MovedBy(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const GadgetRect&) const = default;
};

// The two skins: the hexagon and the small rectangle ("bSmall").
enum class GadgetSize {
    Normal,
    Small
};

}  // namespace vantor::views
