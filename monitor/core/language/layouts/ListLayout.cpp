// The list and message window: the compiled-in layout table, applied when the window is created.
// Picture holders lie below the frame.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the design size of the nine-piece frame
        {"frmList", 300, 250, 147, 226, -11},
        // frame
        {"Image1", 0, 0, 40, 41, 0},
        {"Image2", 40, 0, 67, 41, 0},
        {"Image3", 107, 0, 40, 41, 0},
        {"Image4", 0, 41, 40, 144, 0},
        {"Image5", 40, 41, 67, 144, 0},
        {"Image6", 107, 41, 40, 144, 0},
        {"Image7", 0, 185, 40, 41, 0},
        {"Image8", 40, 185, 67, 41, 0},
        {"Image9", 107, 185, 40, 41, 0},
        // close box and its pictures; each show places the buttons and the message again
        {"imgClose", 124, 12, 11, 11, 0},
        {"imgCloseUp", 0, 240, 11, 11, 0},
        {"imgCloseOv", 13, 240, 11, 11, 0},
        {"imgCloseDn", 26, 240, 11, 11, 0},
        // OK and Cancel
        {"imgOk", 20, 194, 50, 18, 0},
        {"imgOkUp", 0, 260, 50, 18, 0},
        {"imgOkOv", 52, 260, 50, 18, 0},
        {"imgOkDn", 104, 260, 50, 18, 0},
        {"imgOkDs", 156, 260, 50, 18, 0},
        {"imgCancel", 80, 194, 50, 18, 0},
        {"imgCancelUp", 0, 280, 50, 18, 0},
        {"imgCancelOv", 52, 280, 50, 18, 0},
        {"imgCancelDn", 104, 280, 50, 18, 0},
        {"imgCancelDs", 156, 280, 50, 18, 0},
        // message and list
        {"lbMessage", 20, 30, 107, 150, -11},
        {"lstScheme", 12, 24, 120, 167, -11},
};

}  // namespace

const LayoutTable kListLayout{kRows};

}  // namespace vantor::monitor
