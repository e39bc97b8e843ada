#include "toolkit/ControlTree.h"

namespace vantor::toolkit {

WalkStep WalkDepthFirst(const Control& root, const std::function<WalkStep(Control&)>& visit)
{
    for (const auto& child : root.Children()) {
        if (visit(*child) == WalkStep::Stop)
            return WalkStep::Stop;
        if (child->IsWindowed() && WalkDepthFirst(*child, visit) == WalkStep::Stop)
            return WalkStep::Stop;
    }
    return WalkStep::Continue;
}

Control* FindControl(const Control& root, std::string_view name)
{
    Control* found = nullptr;
    WalkDepthFirst(root, [&](Control& c) {
        if (c.Name() != name)
            return WalkStep::Continue;
        found = &c;
        return WalkStep::Stop;
    });
    return found;
}

}  // namespace vantor::toolkit
