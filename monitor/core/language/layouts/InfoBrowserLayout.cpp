// The information browser: the compiled-in layout table, applied when the window is created.
// Picture holders lie below the window.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: 678 x 476, the size its creation keeps
        {"frmInfoBrowserE", 160, 120, 678, 476, -11},
        // frame: corners, edges (40-pixel title bar, 12-pixel sides, 16-pixel
        // bottom, as the frame art is drawn) and the resize grip
        {"Image1", 0, 0, 40, 40, 0},
        {"Image2", 40, 0, 598, 40, 0},
        {"Image3", 638, 0, 40, 40, 0},
        {"Image4", 0, 40, 12, 420, 0},
        {"Image5", 666, 40, 12, 420, 0},
        {"Image6", 0, 460, 40, 16, 0},
        {"Image7", 40, 460, 598, 16, 0},
        {"Image8", 638, 460, 40, 16, 0},
        {"Image9", 664, 462, 12, 12, 0},
        // close box, title and the page
        {"imgClose", 644, 11, 19, 19, 0},
        {"imgCloseUp", 0, 490, 19, 19, 0},
        {"imgCloseOv", 21, 490, 19, 19, 0},
        {"imgCloseDn", 42, 490, 19, 19, 0},
        {"lbWindowTitle", 34, 13, 400, 16, -12},
        {"cwbInfo", 12, 40, 654, 420, -11},
};

}  // namespace

const LayoutTable kInfoBrowserLayout{kRows};

}  // namespace vantor::monitor
