// Colours in the Windows COLORREF layout (red in bits 0-7, green 8-15, blue
// 16-23) and the key-colour test that decides which skin pixels are cut away.
#pragma once

#include <cstdint>

namespace vantor::toolkit {

using ColourRef = std::uint32_t;

constexpr ColourRef MakeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColourRef{red} | ColourRef{green} << 8 | ColourRef{blue} << 16;
}
constexpr std::uint8_t RedOf(ColourRef c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(ColourRef c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(ColourRef c) { return static_cast<std::uint8_t>(c >> 16); }

// The pixels counted as key colour: per channel, key <= pixel <= key +
// tolerance (capped at 255). The tolerance has the colour layout too, one byte
// per channel, so a tolerance of 255 widens red only.
class KeyRange {
public:
    KeyRange(ColourRef key, ColourRef tolerance);

    bool Contains(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const
    {
        return red >= m_low[0] && red <= m_high[0] && green >= m_low[1] && green <= m_high[1] && blue >= m_low[2] &&
               blue <= m_high[2];
    }
    bool Contains(ColourRef c) const { return Contains(RedOf(c), GreenOf(c), BlueOf(c)); }

private:
    std::uint8_t m_low[3];
    std::uint8_t m_high[3];
};

}  // namespace vantor::toolkit
