// The cover: the compiled-in layout table, applied when the window is created.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: 240 x 325, the main panel's left and top until the preferences move it
        {"frmCover", 361, 350, 240, 325, -11},
        // cover art
        {"imgBackground", 0, 0, 239, 206, 0},
        // options and report buttons; holders below the shaped area (the
        // report button is never disabled: no Ds picture)
        {"imgOption", 60, 142, 64, 17, 0},
        {"imgOptionUp", 0, 230, 64, 17, 0},
        {"imgOptionOv", 66, 230, 64, 17, 0},
        {"imgOptionDn", 132, 230, 64, 17, 0},
        {"imgOptionDs", 198, 230, 64, 17, 0},
        {"imgHexagon", 115, 142, 41, 17, 0},
        {"imgHexagonUp", 0, 250, 41, 17, 0},
        {"imgHexagonOv", 43, 250, 41, 17, 0},
        {"imgHexagonDn", 86, 250, 41, 17, 0},
        // hide and close boxes with their pictures
        {"imgHide", 162, 9, 11, 11, 0},
        {"imgHideUp", 0, 270, 11, 11, 0},
        {"imgHideOv", 13, 270, 11, 11, 0},
        {"imgHideDn", 26, 270, 11, 11, 0},
        {"imgClose", 180, 9, 11, 11, 0},
        {"imgCloseUp", 60, 270, 11, 11, 0},
        {"imgCloseOv", 73, 270, 11, 11, 0},
        {"imgCloseDn", 86, 270, 11, 11, 0},
};

}  // namespace

const LayoutTable kCoverLayout{kRows};

}  // namespace vantor::monitor
