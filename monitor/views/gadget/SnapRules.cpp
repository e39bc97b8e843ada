#include "gadget/SnapRules.h"

#include <algorithm>

namespace vantor::views {
namespace {

struct SideRule {
    GadgetPoint p;       // the side's point on p
    GadgetPoint q;       // the matching point on q
    GadgetPoint moveTo;  // where q goes when they meet
};

// The hexagon's slanted sides meet 35 pixels in from the corner columns and
// 57 down from the top; a docked neighbour overlaps by 33 and sits half a
// hexagon (56) up or down. All halves truncate toward zero.
SideRule HexagonSide(std::size_t side, const GadgetRect& p, const GadgetRect& q)
{
    const int L = p.left, T = p.top, R = p.right, B = p.bottom;
    const int l = q.left, t = q.top, r = q.right, b = q.bottom;
    const int w = q.Width(), h = q.Height();
    switch (side) {
    case 0:
        return {{(L + R) / 2, T}, {(l + r) / 2, b}, {L, T - h}};
    case 1:
        return {{(L + R) / 2, B}, {(l + r) / 2, t}, {L, B}};
    case 2:
        return {{(2 * L + 35) / 2, (2 * T + 57) / 2}, {(2 * r - 35) / 2, (2 * b - 57) / 2}, {L - w + 33, T - 56}};
    case 3:
        return {{(2 * R - 35) / 2, (2 * B - 57) / 2}, {(2 * l + 35) / 2, (2 * t + 57) / 2}, {R - 33, T + 56}};
    case 4:
        return {{(2 * L + 35) / 2, (2 * B - 57) / 2}, {(2 * r - 35) / 2, (2 * t + 57) / 2}, {L - w + 33, T + 56}};
    default:
        return {{(2 * R - 35) / 2, (2 * T + 57) / 2}, {(2 * l + 35) / 2, (t + b + 57) / 2}, {R - 33, T - 56}};
    }
}

SideRule RectangleSide(std::size_t side, const GadgetRect& p, const GadgetRect& q)
{
    const int L = p.left, T = p.top, R = p.right, B = p.bottom;
    const int l = q.left, t = q.top, r = q.right, b = q.bottom;
    switch (side) {
    case 0:
        return {{(L + R) / 2, T}, {(l + r) / 2, b}, {L, T - q.Height()}};
    case 1:
        return {{(L + R) / 2, B}, {(l + r) / 2, t}, {L, B}};
    case 2:
        return {{L, (T + B) / 2}, {r, (t + b) / 2}, {2 * L - R, T}};
    default:
        return {{R, (T + B) / 2}, {l, (t + b) / 2}, {R, T}};
    }
}

bool Meet(GadgetPoint a, GadgetPoint b)
{
    const long long dx = a.x - b.x;
    const long long dy = a.y - b.y;
    return dx * dx + dy * dy <= kSnapDistanceSquared;
}

}  // namespace

std::optional<SnapResult> FindSnap(GadgetSize size, const GadgetRect& p, const GadgetRect& q,
                                   const DockedSides& pDocked)
{
    const std::size_t sides = size == GadgetSize::Normal ? 6 : 4;
    for (std::size_t side = 0; side < sides; ++side) {
        if (pDocked[side])
            continue;
        const SideRule rule = size == GadgetSize::Normal ? HexagonSide(side, p, q) : RectangleSide(side, p, q);
        if (Meet(rule.p, rule.q))
            return SnapResult{side, rule.moveTo};
    }
    return std::nullopt;
}

SnapField::SnapField(GadgetSize gadgetSize, std::vector<GadgetRect> windows, std::vector<bool> magnetsOff)
    : size(gadgetSize), rects(std::move(windows)), magnetOff(std::move(magnetsOff))
{
    magnetOff.resize(rects.size(), false);
    docked.assign(rects.size(), DockedSides{});
}

bool SnapField::InDragGroup(std::size_t gadget) const
{
    return std::find(dragGroup.begin(), dragGroup.end(), gadget) != dragGroup.end();
}

void SnapField::ClearDockedSides() { docked.assign(rects.size(), DockedSides{}); }

void SnapPass(SnapField& field, std::size_t p, std::vector<SnapMove>& moves)
{
    for (std::size_t q = 0; q < field.rects.size(); ++q) {
        if (field.magnetOff[q] || field.InDragGroup(q))
            continue;
        const std::optional<SnapResult> snap = FindSnap(field.size, field.rects[p], field.rects[q], field.docked[p]);
        if (!snap)
            continue;
        field.docked[p][snap->side] = true;
        field.docked[q][snap->side ^ 1] = true;
        field.rects[q] = field.rects[q].MovedTo(snap->qMovesTo);
        moves.push_back({q, field.rects[q]});
        field.dragGroup.push_back(q);
        SnapPass(field, q, moves);
    }
}

std::vector<SnapMove> DragStep(SnapField& field, std::size_t gadget, int dx, int dy)
{
    std::vector<SnapMove> moves;
    if (field.magnetOff[gadget]) {
        field.rects[gadget] = field.rects[gadget].MovedBy(dx, dy);
        moves.push_back({gadget, field.rects[gadget]});
        return moves;
    }
    for (std::size_t member : field.dragGroup) {
        field.rects[member] = field.rects[member].MovedBy(dx, dy);
        moves.push_back({member, field.rects[member]});
    }
    // By index: the passes add to the group while it is walked.
    for (std::size_t i = 0; i < field.dragGroup.size(); ++i)
        SnapPass(field, field.dragGroup[i], moves);
    return moves;
}

std::vector<SnapMove> MagnetSwitchedOn(SnapField& field, std::size_t gadget)
{
    std::vector<SnapMove> moves;
    field.dragGroup = {gadget};
    SnapPass(field, gadget, moves);
    field.ClearDockedSides();
    return moves;
}

}  // namespace vantor::views
