// The information browser's geometry: where the frame pieces, the grip, the
// close box and the page go for a window size; the page's size and the
// window's outline from the pieces; and the grip's resize, which never makes
// the window smaller than 600 x 400.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vantor::views {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

struct BoxPoint {
    int x = 0;
    int y = 0;
    bool operator==(const BoxPoint&) const = default;
};

struct BoxSize {
    int width = 0;
    int height = 0;
    bool operator==(const BoxSize&) const = default;
};

inline constexpr BoxSize kMinBrowserSize{600, 400};

// The window's size once its layout table is applied: 678 x 476, grown when
// the table puts the top-right corner left of 519 or the bottom-left corner
// above 342.
BoxSize InitialBrowserSize(int image3Left, int image6Top);

struct PlacedControl {
    std::string_view name;
    Box bounds;
};

// The frame for a window size: corners Image1, Image3, Image6, Image8 at
// their own size, the edges Image2, Image4, Image5, Image7 stretched between
// them, the grip Image9 and the close box imgClose in the bottom-right and
// top-right corners, and cwbInfo inside the frame.
std::vector<PlacedControl> FrameLayout(BoxSize window);

// The page fills the frame: from its own left to the right edge's left, and
// from its own top to one below the bottom edge's top.
BoxSize PageSize(const Box& image5, const Box& image7, const Box& page);

// The rectangles the window's outline is made of besides its four corners:
// the middle column, the middle band and the page (one row higher).
std::array<Box, 3> OutlineRectangles(const Box& image2, const Box& image4, const Box& image5, const Box& image7,
                                     const Box& page, BoxSize pageSize);

// The size a grip drag from `pressed` to `now` gives a window of `start`.
BoxSize DraggedSize(BoxSize start, BoxPoint pressed, BoxPoint now);

// The outline drawn while dragging: a closed path of five points from the
// window's top-left corner around the dragged size.
std::array<BoxPoint, 5> DragOutline(BoxPoint windowTopLeft, BoxSize size);

}  // namespace vantor::views
