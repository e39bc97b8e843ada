#include "toolkit/HitTest.h"

namespace vantor::toolkit {

Point OriginIn(const Control& control, const Control& root)
{
    Point origin;
    for (const Control* c = &control; c && c != &root; c = c->Parent()) {
        origin.x += c->Left();
        origin.y += c->Top();
    }
    return origin;
}

Control* ControlAt(const Control& root, Point at)
{
    const auto& children = root.Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control& c = **it;
        if (c.IsWindowed() || !c.Visible() || !c.Enabled() || !c.Contains(at.x, at.y))
            continue;
        if (Control* inner = ControlAt(c, Point{at.x - c.Left(), at.y - c.Top()}))
            return inner;
        return &c;
    }
    return nullptr;
}

}  // namespace vantor::toolkit
