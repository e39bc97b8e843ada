#include "mainpanel/SlideMotion.h"

namespace vantor::views {

int SlideStep(int movingTicks)
{
    if (movingTicks < 50)
        return 10;
    if (movingTicks < 58)
        return 5;
    return 2;
}

std::optional<SlideMove> SlideTick(bool closing, int panelLeft, int coverLeft, int movingTicks)
{
    const int step = SlideStep(movingTicks);
    if (closing && panelLeft > coverLeft - kSlideDistance)
        return SlideMove{.dx = -step, .shift = step};
    if (!closing && panelLeft < coverLeft)
        return SlideMove{.dx = step, .shift = -step};
    return std::nullopt;
}

}  // namespace vantor::views
