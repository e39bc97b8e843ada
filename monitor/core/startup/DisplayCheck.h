// The program refuses displays with fewer than 256 colours: its skins are
// palette-less bitmaps that are unreadable below 8 bits per pixel.
#pragma once

#include <string_view>

namespace vantor::monitor {

inline constexpr std::string_view kApplicationTitle = "Vantor";
inline constexpr std::string_view kColourDepthMessage =
        "Vantor does not support less than 256 color.\nProgram will terminate!!";

inline constexpr int kMinimumBitsPerPixel = 8;

constexpr bool ColourDepthSupported(int bitsPerPixel) { return bitsPerPixel >= kMinimumBitsPerPixel; }

// Bits per pixel of the primary display (GetDeviceCaps BITSPIXEL on the
// screen's device context). Windows only.
int ScreenBitsPerPixel();

}  // namespace vantor::monitor
