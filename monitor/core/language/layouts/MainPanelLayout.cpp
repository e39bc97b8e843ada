// The main panel: the compiled-in layout table, applied when the window is created.
// Picture holders lie below the panel's shaped area, where they are never seen.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window
        {"frmMainPanel", 361, 350, 558, 486, -11},
        // panel art and the cover shape cut out of it
        {"imgCover", 0, 0, 239, 206, 0},
        // the art reaches the window's right edge so that the warning light
        // (458..543) and the slide button (514..523) lie on the panel's shape
        {"imgBackground", 142, 0, 416, 206, 0},
        // information and usage buttons; their picture holders below the panel
        {"imgDMI", 411, 34, 91, 43, 0},
        {"imgDMIUp", 0, 215, 91, 43, 0},
        {"imgDMIOv", 93, 215, 91, 43, 0},
        {"imgDMIDn", 186, 215, 91, 43, 0},
        {"imgDMIDs", 279, 215, 91, 43, 0},
        {"imgPCI", 406, 76, 98, 24, 0},
        {"imgPCIUp", 0, 260, 98, 24, 0},
        {"imgPCIOv", 100, 260, 98, 24, 0},
        {"imgPCIDn", 200, 260, 98, 24, 0},
        {"imgPCIDs", 300, 260, 98, 24, 0},
        {"imgWMI", 406, 101, 101, 26, 0},
        {"imgWMIUp", 0, 286, 101, 26, 0},
        {"imgWMIOv", 103, 286, 101, 26, 0},
        {"imgWMIDn", 206, 286, 101, 26, 0},
        {"imgWMIDs", 309, 286, 101, 26, 0},
        {"imgUSI", 410, 127, 93, 46, 0},
        {"imgUSIUp", 0, 314, 93, 46, 0},
        {"imgUSIOv", 95, 314, 93, 46, 0},
        {"imgUSIDn", 190, 314, 93, 46, 0},
        {"imgUSIDs", 285, 314, 93, 46, 0},
        // slide button and the arrow pictures
        {"imgSlideForm", 514, 96, 9, 16, 0},
        {"imgSlideFormUp", 0, 362, 9, 16, 0},
        {"imgSlideFormOv", 11, 362, 9, 16, 0},
        {"imgSlideFormDn", 22, 362, 9, 16, 0},
        {"imgGoLeftUp", 40, 362, 9, 16, 0},
        {"imgGoLeftOv", 51, 362, 9, 16, 0},
        {"imgGoLeftDn", 62, 362, 9, 16, 0},
        {"imgGoRightUp", 73, 362, 9, 16, 0},
        {"imgGoRightOv", 84, 362, 9, 16, 0},
        {"imgGoRightDn", 95, 362, 9, 16, 0},
        // warning light
        {"imgWarning", 458, 4, 85, 198, 0},
        // preference check boxes; label widths fit their English captions
        {"imgAlwaysonTop", 201, 54, 7, 7, 0},
        {"Label1", 215, 51, 75, 13, -11},
        {"imgEnableAirCraft", 201, 71, 7, 7, 0},
        {"Label2", 215, 68, 125, 13, -11},
        {"Label6", 215, 85, 40, 13, -11},
        {"imgSmall", 223, 104, 7, 7, 0},
        {"Label5", 237, 101, 30, 13, -11},
        {"imgEnableSoundEffect", 201, 121, 7, 7, 0},
        {"Label3", 215, 118, 105, 13, -11},
        {"imgRunatBootup", 201, 138, 7, 7, 0},
        {"Label4", 215, 135, 120, 13, -11},
        // arrangement field
        {"imgSchemeBg", 282, 84, 61, 16, 0},
        {"imgSchemeBgUp", 120, 362, 61, 16, 0},
        {"imgSchemeBgDs", 183, 362, 61, 16, 0},
        {"lbScheme", 284, 85, 26, 13, -9},
        {"imgScheme", 345, 84, 13, 16, 0},
        {"imgSchemeUp", 250, 362, 13, 16, 0},
        {"imgSchemeOv", 265, 362, 13, 16, 0},
        {"imgSchemeDn", 280, 362, 13, 16, 0},
        {"imgSchemeDs", 295, 362, 13, 16, 0},
        // the apply button stays hidden and is never disabled: no Ds picture
        {"imgApply", 285, 153, 50, 18, 0},
        {"imgApplyUp", 0, 382, 50, 18, 0},
        {"imgApplyOv", 52, 382, 50, 18, 0},
        {"imgApplyDn", 104, 382, 50, 18, 0},
        // check pictures
        {"imgUnchecked", 0, 404, 7, 7, 0},
        {"imgChecked", 9, 404, 7, 7, 0},
        {"imgUncheckedDs", 18, 404, 7, 7, 0},
        {"imgCheckedDs", 27, 404, 7, 7, 0},
};

}  // namespace

const LayoutTable kMainPanelLayout{kRows};

}  // namespace vantor::monitor
