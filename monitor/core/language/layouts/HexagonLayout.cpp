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
        // backgrounds and alarm overlays of the two sizes
        {"imgBackground", 0, 0, 127, 111, 0},
        {"imgBackground2", 0, 0, 115, 50, 0},
        {"imgRedLed", 0, 0, 127, 111, 0},
        {"imgRedLedSmall", 8, 18, 99, 28, 0},
        // sensor kind icon and name
        {"imgIconPower", 32, 3, 12, 12, 0},
        {"imgIconTemp", 32, 3, 12, 12, 0},
        {"imgIconFan", 32, 3, 12, 12, 0},
        {"Label2", 46, 3, 60, 13, -9},
        // threshold buttons; their holders below the hexagon
        {"imgTSUp", 17, 60, 9, 9, 0},
        {"imgTSUpUp", 0, 130, 9, 9, 0},
        {"imgTSUpOv", 11, 130, 9, 9, 0},
        {"imgTSUpDn", 22, 130, 9, 9, 0},
        {"imgTSUpDs", 33, 130, 9, 9, 0},
        {"imgTSDown", 28, 67, 9, 9, 0},
        {"imgTSDownUp", 0, 140, 9, 9, 0},
        {"imgTSDownOv", 11, 140, 9, 9, 0},
        {"imgTSDownDn", 22, 140, 9, 9, 0},
        {"imgTSDownDs", 33, 140, 9, 9, 0},
        // close box and magnet switch
        {"imgClose", 78, 90, 11, 11, 0},
        {"imgCloseUp", 50, 130, 11, 11, 0},
        {"imgCloseOv", 63, 130, 11, 11, 0},
        {"imgCloseDn", 76, 130, 11, 11, 0},
        {"imgMagnet", 61, 91, 11, 11, 0},
        // reading digit slots and the unit picture
        {"imgSensor1", 30, 36, 11, 18, 0},
        {"imgSensor2", 41, 36, 11, 18, 0},
        {"imgSensor3", 52, 36, 11, 18, 0},
        {"imgSensor4", 63, 36, 11, 18, 0},
        {"imgSensor5", 74, 36, 11, 18, 0},
        {"imgUnit", 85, 35, 24, 18, 0},
        // threshold digit slots
        {"imgThreshold1", 45, 20, 7, 10, 0},
        {"imgThreshold2", 52, 20, 7, 10, 0},
        {"imgThreshold3", 59, 20, 7, 10, 0},
        {"imgThreshold4", 66, 20, 7, 10, 0},
        {"imgThreshold5", 73, 20, 7, 10, 0},
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
        {"imgS_0", 0, 200, 7, 10, 0},
        {"imgS_1", 8, 200, 7, 10, 0},
        {"imgS_2", 16, 200, 7, 10, 0},
        {"imgS_3", 24, 200, 7, 10, 0},
        {"imgS_4", 32, 200, 7, 10, 0},
        {"imgS_5", 40, 200, 7, 10, 0},
        {"imgS_6", 48, 200, 7, 10, 0},
        {"imgS_7", 56, 200, 7, 10, 0},
        {"imgS_8", 64, 200, 7, 10, 0},
        {"imgS_9", 72, 200, 7, 10, 0},
        {"imgS_10", 80, 200, 7, 10, 0},
        {"imgS_11", 88, 200, 7, 10, 0},
        {"imgS_12", 96, 200, 7, 10, 0},
        // unit pictures, normal and alert
        {"imgV", 0, 215, 24, 18, 0},
        {"imgV_a", 26, 215, 24, 18, 0},
        {"imgDC", 52, 215, 24, 18, 0},
        {"imgDC_a", 78, 215, 24, 18, 0},
        {"imgDF", 104, 215, 24, 18, 0},
        {"imgDF_a", 130, 215, 24, 18, 0},
        {"imgRPM", 156, 215, 24, 18, 0},
        {"imgRPM_a", 182, 215, 24, 18, 0},
};

}  // namespace

const LayoutTable kHexagonLayout{kRows};

}  // namespace vantor::monitor
