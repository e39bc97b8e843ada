// How the bitmap button draws a state: which bitmap stands in for an empty
// slot, the caption's colour per state, and where the caption goes.
#pragma once

#include <array>
#include <cstdint>

#include "toolkit/ColourKey.h"
#include "toolkit/PixelRect.h"
#include "toolkit/ZyButtonState.h"

namespace vantor::toolkit {

// -1: use the font colour (for Disabled: the system's grey-text colour).
inline constexpr std::int32_t kDefaultFontColour = -1;

struct ZyThreeStateFontColor {
    std::int32_t sunken = kDefaultFontColour;
    std::int32_t focused = kDefaultFontColour;
    std::int32_t disabled = kDefaultFontColour;
};

// The slot whose bitmap is drawn: an empty slot falls back to slot 0.
ZySlot EffectiveSlot(ZySlot slot, const std::array<bool, 4>& filled);

ColourRef CaptionColour(ZySlot slot, ColourRef fontColour, const ZyThreeStateFontColor& colours, ColourRef grayText);

struct TextDisplacement {
    int dx = 2;
    int dy = 2;
};

// The caption rectangle: the text bounds, pushed by the displacement while
// the button shows its pressed bitmap.
PixelRect CaptionRect(const PixelRect& bounds, ZySlot slot, TextDisplacement disp);

}  // namespace vantor::toolkit
