// The information browser: the compiled-in layout table, applied when the window is created.
// Picture holders lie below the window.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: 678 x 476, the size its creation keeps
        {"frmInfoBrowserE", 160, 120, 678, 476, -11},
        // frame: corners, edges and the resize grip
        {"Image1", 0, 0, 40, 41, 0},
        {"Image2", 40, 0, 598, 41, 0},
        {"Image3", 638, 0, 40, 41, 0},
        {"Image4", 0, 41, 40, 394, 0},
        {"Image5", 638, 41, 40, 394, 0},
        {"Image6", 0, 435, 40, 41, 0},
        {"Image7", 40, 435, 598, 41, 0},
        {"Image8", 638, 435, 40, 41, 0},
        {"Image9", 660, 458, 16, 16, 0},
        // close box, title and the browser
        {"imgClose", 645, 12, 19, 19, 0},
        {"imgCloseUp", 0, 490, 19, 19, 0},
        {"imgCloseOv", 21, 490, 19, 19, 0},
        {"imgCloseDn", 42, 490, 19, 19, 0},
        {"lbWindowTitle", 48, 14, 200, 14, -12},
        {"cwbInfo", 40, 41, 598, 394, -11},
};

}  // namespace

const LayoutTable kInfoBrowserLayout{kRows};

}  // namespace vantor::monitor
