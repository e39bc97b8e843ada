#include "list/ListPlacement.h"

namespace vantor::views {

const std::array<std::uint8_t, kFramePieces> kFrameAnchors = {
        kAnchorLeft | kAnchorTop,                    // Image1 top-left corner
        kAnchorLeft | kAnchorTop | kAnchorRight,     // Image2 top edge
        kAnchorTop | kAnchorRight,                   // Image3 top-right corner
        kAnchorLeft | kAnchorTop | kAnchorBottom,    // Image4 left edge
        kAnchorAll,                                  // Image5 centre
        kAnchorTop | kAnchorRight | kAnchorBottom,   // Image6 right edge
        kAnchorLeft | kAnchorBottom,                 // Image7 bottom-left corner
        kAnchorLeft | kAnchorRight | kAnchorBottom,  // Image8 bottom edge
        kAnchorRight | kAnchorBottom,                // Image9 bottom-right corner
};

ListRect AnchoredBounds(const ListRect& designed, std::uint8_t anchors, int dx, int dy)
{
    ListRect r = designed;
    const bool left = anchors & kAnchorLeft, right = anchors & kAnchorRight;
    const bool top = anchors & kAnchorTop, bottom = anchors & kAnchorBottom;
    if (left && right)
        r.width += dx;
    else if (right)
        r.left += dx;
    if (top && bottom)
        r.height += dy;
    else if (bottom)
        r.top += dy;
    return r;
}

namespace {

struct ModeSize {
    int width;
    int height;
};

ModeSize SizeOf(ListShowMode mode)
{
    switch (mode) {
    case ListShowMode::ListArrangements:
    case ListShowMode::ListTargets:
        return {230, 200};
    case ListShowMode::ListPrepared:
        return {300, 200};
    case ListShowMode::Confirm:
        return {500, 180};
    case ListShowMode::Message:
        return {500, 200};
    }
    return {230, 200};
}

}  // namespace

ListShowPlan PlanListShow(ListShowMode mode, const ListParts& parts)
{
    const ModeSize size = SizeOf(mode);
    ListShowPlan plan;
    plan.width = size.width + parts.dw;
    plan.height = size.height + parts.dh;
    const int dx = plan.width - kListDesignWidth;
    const int dy = plan.height - kListDesignHeight;
    for (int i = 0; i < kFramePieces; ++i)
        plan.frame[i] = AnchoredBounds(parts.designedFrame[i], kFrameAnchors[i], dx, dy);
    plan.list = AnchoredBounds(parts.designedList, kAnchorAll, dx, dy);

    const ListRect& topRight = plan.frame[2];
    const ListRect& bottomEdge = plan.frame[7];
    const ListRect& bottomRight = plan.frame[8];
    plan.close = {topRight.left + 19, 5};
    const int buttonTop = bottomEdge.top + 15;
    switch (mode) {
    case ListShowMode::ListArrangements:
    case ListShowMode::ListTargets:
    case ListShowMode::ListPrepared:
        plan.ok = {(bottomRight.left + bottomRight.width - parts.okWidth) / 2, buttonTop};
        plan.listShown = true;
        break;
    case ListShowMode::Confirm:
        plan.ok = {bottomRight.left - 100, buttonTop};
        plan.cancel = {plan.ok.x + parts.okWidth + 5, plan.ok.y};
        plan.message = {20, 30};
        plan.cancelShown = true;
        plan.messageShown = true;
        break;
    case ListShowMode::Message:
        plan.ok = {bottomRight.left + parts.okWidth - 100, buttonTop};
        plan.message = {20, 30};
        plan.messageShown = true;
        break;
    }
    return plan;
}

ListPoint MessageWindowOrigin(int screenWidth, int screenHeight)
{
    return {(screenWidth - 500) / 2, (screenHeight - 200) / 2};
}

ListPoint KeepListOnScreen(ListRect window, int screenWidth, int screenHeight)
{
    ListPoint at{window.left, window.top};
    if (at.x + window.width > screenWidth)
        at.x = screenWidth - window.width + 110;
    if (at.y + window.height > screenHeight)
        at.y = screenHeight - window.height + 20;
    if (at.x < 0)
        at.x = 20;
    return at;
}

FrameOutline FrameOutlineOf(const FramePieces& frame)
{
    const ListRect& topEdge = frame[1];
    const ListRect& leftEdge = frame[3];
    const ListRect& rightEdge = frame[5];
    const ListRect& bottomEdge = frame[7];
    FrameOutline outline;
    outline.across = {topEdge.left, 3, topEdge.width, bottomEdge.top + bottomEdge.height - 3 - 3};
    outline.down = {leftEdge.left + 3, leftEdge.top, rightEdge.left + rightEdge.width - 3 - 3, rightEdge.height};
    return outline;
}

}  // namespace vantor::views
