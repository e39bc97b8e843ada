// The list and message window: the compiled-in layout table, applied when the window is created.
// The visible frame ends 120 pixels before the window's right edge and 56 before its
// bottom edge; the picture holders of the three buttons lie in the strip beyond.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the nine-piece frame and the strip of picture holders
        {"frmList", 300, 250, 267, 282, -11},
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
        {"imgClose", 126, 5, 11, 11, 0},
        {"imgCloseUp", 152, 4, 11, 11, 0},
        {"imgCloseOv", 165, 4, 11, 11, 0},
        {"imgCloseDn", 178, 4, 11, 11, 0},
        // OK and Cancel (never disabled here: no disabled pictures)
        {"imgOk", 43, 200, 60, 20, 0},
        {"imgOkUp", 152, 20, 60, 20, 0},
        {"imgOkOv", 152, 42, 60, 20, 0},
        {"imgOkDn", 152, 64, 60, 20, 0},
        {"imgCancel", 80, 200, 60, 20, 0},
        {"imgCancelUp", 152, 86, 60, 20, 0},
        {"imgCancelOv", 152, 108, 60, 20, 0},
        {"imgCancelDn", 152, 130, 60, 20, 0},
        // message and list
        {"lbMessage", 20, 30, 107, 150, -11},
        {"lstScheme", 12, 24, 120, 167, -11},
};

}  // namespace

const LayoutTable kListLayout{kRows};

}  // namespace vantor::monitor
