#include "toolkit/ColourKey.h"

#include <algorithm>

namespace vantor::toolkit {

KeyRange::KeyRange(ColourRef key, ColourRef tolerance)
{
    const std::uint8_t keys[3] = {RedOf(key), GreenOf(key), BlueOf(key)};
    const std::uint8_t widths[3] = {RedOf(tolerance), GreenOf(tolerance), BlueOf(tolerance)};
    for (int i = 0; i < 3; ++i) {
        m_low[i] = keys[i];
        m_high[i] = static_cast<std::uint8_t>(std::min(255, keys[i] + widths[i]));
    }
}

}  // namespace vantor::toolkit
