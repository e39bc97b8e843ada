// Where the list and message window and its parts go: the nine-piece frame
// stretched by its anchors, the size and button places of each mode, the
// window's outline and the rule that keeps it on the screen. Pure; the
// window applies the results.
#pragma once

#include <array>
#include <cstdint>

namespace vantor::views {

struct ListRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const ListRect&, const ListRect&) = default;
};

struct ListPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ListPoint&, const ListPoint&) = default;
};

// Which edges of its window a control keeps its distance to when the window
// is resized. Left and right together stretch it; neither keeps it put.
enum Anchor : std::uint8_t {
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
    kAnchorAll = 15,
};

// The control's bounds after its window grew by dx, dy from the size the
// control's designed bounds belong to.
ListRect AnchoredBounds(const ListRect& designed, std::uint8_t anchors, int dx, int dy);

// The nine frame pictures, Image1 to Image9, row by row.
inline constexpr int kFramePieces = 9;
using FramePieces = std::array<ListRect, kFramePieces>;
extern const std::array<std::uint8_t, kFramePieces> kFrameAnchors;

// The window's designed size; the visible frame ends 120 pixels before its
// right edge and 56 before its bottom edge, the rest holds the pictures.
inline constexpr int kListDesignWidth = 267;
inline constexpr int kListDesignHeight = 282;

enum class ListShowMode {
    ListArrangements,  // the gadget arrangements
    ListTargets,       // the fan-control target temperatures
    ListPrepared,      // the items the caller gave
    Confirm,
    Message,
};

// What one show of the window looks like, in window coordinates.
struct ListShowPlan {
    int width = 0;
    int height = 0;
    FramePieces frame{};
    ListPoint close;
    ListPoint ok;
    ListPoint cancel;
    ListPoint message;
    bool listShown = false;
    bool cancelShown = false;
    bool messageShown = false;
    // The list box, stretched with the window (list modes).
    ListRect list;
};

// Sizes of the parts the plan needs: the frame as designed (for the
// designed window size), the size corrections dw and dh taken after the
// layout table, the OK button's size and the list box as designed.
struct ListParts {
    FramePieces designedFrame{};
    int dw = 0;
    int dh = 0;
    int okWidth = 0;
    ListRect designedList;
};

ListShowPlan PlanListShow(ListShowMode mode, const ListParts& parts);

// The message window's top-left corner: centred for its 500 x 200 size.
ListPoint MessageWindowOrigin(int screenWidth, int screenHeight);

// Keeps the visible frame on the screen: a window reaching past the right
// edge moves left to screen width - width + 110, past the bottom edge up to
// screen height - height + 20, and one left of the screen to 20.
ListPoint KeepListOnScreen(ListRect window, int screenWidth, int screenHeight);

// The outline's two rectangles (the frame with 3-pixel insets along its
// edges); the corner pictures' shapes are added at their pieces' places.
struct FrameOutline {
    ListRect across;  // from the top edge piece's left, 3 pixels in from top and bottom
    ListRect down;    // from the left edge piece's top, 3 pixels in from left and right
};
FrameOutline FrameOutlineOf(const FramePieces& frame);

}  // namespace vantor::views
