#include "toolkit/ZyButtonLook.h"

namespace vantor::toolkit {

ZySlot EffectiveSlot(ZySlot slot, const std::array<bool, 4>& filled)
{
    return filled[static_cast<std::size_t>(slot)] ? slot : ZySlot::Raised;
}

ColourRef CaptionColour(ZySlot slot, ColourRef fontColour, const ZyThreeStateFontColor& colours, ColourRef grayText)
{
    auto pick = [&](std::int32_t chosen, ColourRef fallback) {
        return chosen == kDefaultFontColour ? fallback : static_cast<ColourRef>(chosen);
    };
    switch (slot) {
    case ZySlot::Raised:
        return fontColour;
    case ZySlot::Sunken:
        return pick(colours.sunken, fontColour);
    case ZySlot::Focused:
        return pick(colours.focused, fontColour);
    case ZySlot::Disabled:
        return pick(colours.disabled, grayText);
    }
    return fontColour;
}

PixelRect CaptionRect(const PixelRect& bounds, ZySlot slot, TextDisplacement disp)
{
    if (slot != ZySlot::Sunken)
        return bounds;
    return PixelRect{bounds.left + disp.dx, bounds.top + disp.dy, bounds.right + disp.dx, bounds.bottom + disp.dy};
}

}  // namespace vantor::toolkit
