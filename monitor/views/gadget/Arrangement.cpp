#include "gadget/Arrangement.h"

#include <algorithm>

namespace vantor::views {
namespace {

int PerLine(int screenExtent, int gadgetExtent)
{
    return gadgetExtent > 0 ? std::max(1, screenExtent / gadgetExtent) : 1;
}

}  // namespace

TaskbarEdge TaskbarEdgeOf(const GadgetRect& taskbar, int screenHeight)
{
    if (taskbar.top >= 0)
        return TaskbarEdge::Bottom;
    if (taskbar.left >= 0)
        return TaskbarEdge::Right;
    if (taskbar.bottom > screenHeight)
        return TaskbarEdge::Left;
    return TaskbarEdge::Top;
}

GadgetPoint ArrangedPosition(int index, int n, const ArrangementScreen& screen, int gadgetWidth, int gadgetHeight)
{
    const int W = gadgetWidth, H = gadgetHeight, SW = screen.width, SH = screen.height;
    const GadgetRect tb = screen.taskbar.value_or(GadgetRect{});
    const TaskbarEdge edge = TaskbarEdgeOf(tb, SH);
    GadgetPoint at;
    switch (index) {
    case 0: {
        const int per = PerLine(SW, W);
        at = {W * (n % per), H * (n / per)};
        if (edge == TaskbarEdge::Top)
            at.y += tb.bottom;
        else if (edge == TaskbarEdge::Left)
            at.x += tb.right;
        break;
    }
    case 1: {
        const int per = PerLine(SH, H);
        at = {SW - W * (n / per + 1), H * (n % per)};
        if (edge == TaskbarEdge::Top)
            at.y += tb.bottom;
        else if (edge == TaskbarEdge::Right)
            at.x -= tb.right - tb.left;
        break;
    }
    case 2: {
        const int per = PerLine(SW, W);
        at = {W * (n % per), SH - H * (n / per + 1)};
        if (edge == TaskbarEdge::Bottom)
            at.y -= tb.bottom - tb.top;
        else if (edge == TaskbarEdge::Left)
            at.x += tb.right;
        break;
    }
    default: {
        const int per = PerLine(SH, H);
        at = {W * (n / per), H * (n % per)};
        if (edge == TaskbarEdge::Top)
            at.y += tb.bottom;
        else if (edge == TaskbarEdge::Left)
            at.x += tb.right;
        break;
    }
    }
    return at;
}

}  // namespace vantor::views
