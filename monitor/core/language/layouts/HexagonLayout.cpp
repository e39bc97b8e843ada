// Each sensor gadget window: the compiled-in layout table, applied when the window is created.
// Positions are those of the normal (hexagon) size; applying the small size moves the
// controls afterwards. Picture holders lie below the hexagon, outside its region.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the hexagon skin's size
        {"frmHexagon_8", 0, 0, 127, 111, -11},
        // backgrounds and alarm overlays of the two sizes (the overlays cover the reading screens)
        {"imgBackground", 0, 0, 127, 111, 0},
        {"imgBackground2", 0, 0, 115, 50, 0},
        {"imgRedLed", 26, 31, 80, 29, 0},
        {"imgRedLedSmall", 8, 18, 99, 28, 0},
        // sensor kind icons (the kind's one is shown) and the name
        {"imgIconPower", 32, 3, 12, 12, 0},
        {"imgIconTemp", 32, 3, 12, 12, 0},
        {"imgIconFan", 32, 3, 12, 12, 0},
        {"Label2", 46, 3, 58, 13, -9},
        // threshold buttons and the pictures of their states, below the hexagon; they are never disabled
        {"imgTSUp", 17, 60, 10, 10, 0},
        {"imgTSUpUp", 0, 130, 10, 10, 0},
        {"imgTSUpOv", 12, 130, 10, 10, 0},
        {"imgTSUpDn", 24, 130, 10, 10, 0},
        {"imgTSDown", 28, 67, 10, 10, 0},
        {"imgTSDownUp", 0, 142, 10, 10, 0},
        {"imgTSDownOv", 12, 142, 10, 10, 0},
        {"imgTSDownDn", 24, 142, 10, 10, 0},
        // close box with its state pictures, and the magnet switch (its two pictures are the window's own)
        {"imgClose", 78, 90, 11, 11, 0},
        {"imgCloseUp", 40, 130, 11, 11, 0},
        {"imgCloseOv", 53, 130, 11, 11, 0},
        {"imgCloseDn", 66, 130, 11, 11, 0},
        {"imgLock", 61, 91, 11, 11, 0},
        // reading digit slots and threshold digit slots
        {"imgSensor1", 30, 36, 11, 18, 0},
        {"imgSensor2", 41, 36, 11, 18, 0},
        {"imgSensor3", 52, 36, 11, 18, 0},
        {"imgSensor4", 63, 36, 11, 18, 0},
        {"imgSensor5", 74, 36, 11, 18, 0},
        {"imgThreshold1", 41, 65, 7, 11, 0},
        {"imgThreshold2", 48, 65, 7, 11, 0},
        {"imgThreshold3", 55, 65, 7, 11, 0},
        {"imgThreshold4", 62, 65, 7, 11, 0},
        {"imgThreshold5", 69, 65, 7, 11, 0},
        // digit pictures: green and red reading digits, threshold digits
        {"imgL_0", 0, 160, 11, 18, 0},
        {"imgL_1", 12, 160, 11, 18, 0},
        {"imgL_2", 24, 160, 11, 18, 0},
        {"imgL_3", 36, 160, 11, 18, 0},
        {"imgL_4", 48, 160, 11, 18, 0},
        {"imgL_5", 60, 160, 11, 18, 0},
        {"imgL_6", 72, 160, 11, 18, 0},
        {"imgL_7", 84, 160, 11, 18, 0},
        {"imgL_8", 96, 160, 11, 18, 0},
        {"imgL_9", 108, 160, 11, 18, 0},
        {"imgL_10", 120, 160, 11, 18, 0},
        {"imgL_11", 132, 160, 11, 18, 0},
        {"imgAL_0", 0, 180, 11, 18, 0},
        {"imgAL_1", 12, 180, 11, 18, 0},
        {"imgAL_2", 24, 180, 11, 18, 0},
        {"imgAL_3", 36, 180, 11, 18, 0},
        {"imgAL_4", 48, 180, 11, 18, 0},
        {"imgAL_5", 60, 180, 11, 18, 0},
        {"imgAL_6", 72, 180, 11, 18, 0},
        {"imgAL_7", 84, 180, 11, 18, 0},
        {"imgAL_8", 96, 180, 11, 18, 0},
        {"imgAL_9", 108, 180, 11, 18, 0},
        {"imgAL_10", 120, 180, 11, 18, 0},
        {"imgAL_11", 132, 180, 11, 18, 0},
        {"imgS_0", 0, 200, 7, 11, 0},
        {"imgS_1", 8, 200, 7, 11, 0},
        {"imgS_2", 16, 200, 7, 11, 0},
        {"imgS_3", 24, 200, 7, 11, 0},
        {"imgS_4", 32, 200, 7, 11, 0},
        {"imgS_5", 40, 200, 7, 11, 0},
        {"imgS_6", 48, 200, 7, 11, 0},
        {"imgS_7", 56, 200, 7, 11, 0},
        {"imgS_8", 64, 200, 7, 11, 0},
        {"imgS_9", 72, 200, 7, 11, 0},
        {"imgS_10", 80, 200, 7, 11, 0},
        {"imgS_11", 88, 200, 7, 11, 0},
        {"imgS_12", 96, 200, 7, 11, 0},
        // unit pictures, normal and alert, all at the unit place (the current one is shown)
        {"imgV", 85, 35, 9, 19, 0},
        {"imgV_a", 85, 35, 9, 19, 0},
        {"imgDC", 85, 37, 13, 17, 0},
        {"imgDC_a", 85, 37, 13, 17, 0},
        {"imgDF", 85, 37, 13, 17, 0},
        {"imgDF_a", 85, 37, 13, 17, 0},
        {"imgRPM", 85, 42, 19, 12, 0},
        {"imgRPM_a", 85, 42, 19, 12, 0},
};

}  // namespace

const LayoutTable kHexagonLayout{kRows};

}  // namespace vantor::monitor
