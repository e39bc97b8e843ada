// Where the gallery finds the product's rendered skins (the Res folder the
// build puts beside the programs) and which of them it shows.
#pragma once

#include <windows.h>

#include <string>

namespace vantor::gallery {

// The main panel's buttons as the gallery lays them out: each at its offset
// from the first one's column as on the main panel, with its size and
// whether the skin draws it with its top-left pixel's colour left out.
struct ProductButton {
    const char* name;     // the image control
    const char* base;     // the skin file's name before "_n.bmp", "_o.bmp", ...
    const char* caption;  // the drawn face's text when the skin is missing
    int left;
    int top;
    int width;
    int height;
    bool transparent;
};

inline constexpr ProductButton kProductButtons[] = {
        {"imgDMI", "DMI_b", "DMI", 5, 0, 91, 43, true},
        {"imgPCI", "PCI_b", "PCI", 0, 42, 98, 24, true},
        {"imgWMI", "WMI_b", "WMI", 0, 67, 101, 26, false},
        {"imgUSI", "Usage_b", "USAGE", 4, 93, 93, 46, false},
};

// "<folder of the running program>\Res\".
std::string ProgramResFolder();

// True when `resFolder` (ending in a backslash) holds the main panel's
// button pictures, i.e. the skins have been rendered there.
bool HasProductSkin(const std::string& resFolder);

// The colour of the bitmap's top-left pixel; CLR_INVALID without a bitmap.
COLORREF TopLeftColour(HBITMAP bitmap);

}  // namespace vantor::gallery
