// Magnetic gadgets: the side-by-side snap of two gadget windows, the snap
// pass that pulls whole chains into the moving group, and one step of a drag.
// Pure: the shell reads the window rectangles in, and moves the windows the
// way the field says they moved.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "gadget/GadgetGeometry.h"

namespace vantor::views {

// Hexagons have six sides (0 top, 1 bottom, 2 upper left, 3 lower right,
// 4 lower left, 5 upper right), rectangles the first four (2 left, 3 right);
// the opposite of side k is k ^ 1.
inline constexpr std::size_t kGadgetSides = 6;
using DockedSides = std::array<bool, kGadgetSides>;

// Two snap points closer than 25 pixels meet.
inline constexpr int kSnapDistanceSquared = 25 * 25;

struct SnapResult {
    std::size_t side = 0;  // side of p that docked; q docked on its opposite
    GadgetPoint qMovesTo;  // q's new top-left corner, its size unchanged
    bool operator==(const SnapResult&) const = default;
};

// The first side of p, not yet docked in this drag, whose point lies within
// 25 pixels of the matching point of q; nothing when no side meets.
std::optional<SnapResult> FindSnap(GadgetSize size, const GadgetRect& p, const GadgetRect& q,
                                   const DockedSides& pDocked);

// All gadgets as one drag sees them.
struct SnapField {
    GadgetSize size = GadgetSize::Normal;
    std::vector<GadgetRect> rects;       // every gadget's window, in gadget order
    std::vector<bool> magnetOff;         // MagnetOff: neither pulls nor is pulled
    std::vector<DockedSides> docked;     // DockedSides, cleared at the end of every drag
    std::vector<std::size_t> dragGroup;  // DragGroup: the gadgets moving together

    explicit SnapField(GadgetSize gadgetSize = GadgetSize::Normal, std::vector<GadgetRect> windows = {},
                       std::vector<bool> magnetsOff = {});
    bool InDragGroup(std::size_t gadget) const;
    void ClearDockedSides();
};

// Every gadget that snapped, in the order it was moved, with where it went.
struct SnapMove {
    std::size_t gadget = 0;
    GadgetRect rect;
    bool operator==(const SnapMove&) const = default;
};

// The snap pass from gadget p: each magnetic gadget outside the drag group
// that meets p is moved flush against it, joins the group, and pulls in turn
// (chains join whole).
void SnapPass(SnapField& field, std::size_t p, std::vector<SnapMove>& moves);

// One mouse-move step of dragging `gadget` by (dx, dy). A gadget with its
// magnet off moves alone; otherwise the whole drag group moves, then every
// member, those joining during this step included, runs the snap pass.
// Returns the windows to move, in order (a gadget may appear twice).
std::vector<SnapMove> DragStep(SnapField& field, std::size_t gadget, int dx, int dy);

// The magnet switched on: the gadget alone in the group, one snap pass, and
// the docked sides cleared again.
std::vector<SnapMove> MagnetSwitchedOn(SnapField& field, std::size_t gadget);

}  // namespace vantor::views
