// The usage window: the compiled-in layout table, applied when the window is created.
// The drive tree is made at run time and has no row. Picture holders and the hidden
// chart lie below the window.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the usage background's size
        {"frmUsage", 250, 150, 598, 365, -11},
        // background, close box, title and tabs
        {"imgBackground", 0, 0, 598, 365, 0},
        {"imgClose", 547, 21, 19, 19, 0},
        {"imgCloseUp", 0, 380, 19, 19, 0},
        {"imgCloseOv", 21, 380, 19, 19, 0},
        {"imgCloseDn", 42, 380, 19, 19, 0},
        {"lbWindowTitle", 48, 24, 60, 13, -11},
        {"imgTab", 21, 45, 556, 298, 0},
        {"imgHddTab", 21, 45, 115, 24, 0},
        {"imgRamTab", 136, 45, 115, 24, 0},
        {"imgCpuTab", 251, 45, 115, 24, 0},
        {"lbHDD", 57, 49, 70, 13, -11},
        {"lbRAM", 174, 49, 60, 13, -11},
        {"lbCPU", 297, 49, 40, 13, -11},
        {"imgCpuBack", 0, 400, 556, 298, 0},
        {"imgRamBack", 0, 400, 556, 298, 0},
        {"imgHddBack", 0, 400, 556, 298, 0},
        // processor page
        {"pgCpu1", 69, 145, 189, 75, -11},
        {"pgCpu3", 324, 145, 189, 75, -11},
        {"pgCpu2", 69, 240, 189, 75, -11},
        {"pgCpu4", 324, 240, 189, 75, -11},
        {"lbCpu1", 284, 208, 24, 13, -11},
        {"lbCpu2", 538, 208, 24, 13, -11},
        {"lbCpu3", 284, 303, 24, 13, -11},
        {"lbCpu4", 539, 303, 24, 13, -11},
        {"lbCpu5", 198, 88, 24, 13, -11},
        {"lbTabCpu1", 52, 88, 140, 13, -11},
        {"lbTabCpu2", 211, 88, 10, 13, -11},
        {"lbTabCpu3", 52, 120, 200, 13, -11},
        {"lbTabCpu4", 46, 142, 20, 13, -11},
        {"lbTabCpu5", 58, 211, 8, 13, -11},
        {"lbTabCpu6", 294, 208, 10, 13, -11},
        {"lbTabCpu7", 302, 142, 20, 13, -11},
        {"lbTabCpu8", 314, 211, 8, 13, -11},
        {"lbTabCpu9", 548, 208, 10, 13, -11},
        {"lbTabCpu10", 46, 236, 20, 13, -11},
        {"lbTabCpu11", 58, 305, 8, 13, -11},
        {"lbTabCpu12", 294, 302, 10, 13, -11},
        {"lbTabCpu13", 302, 236, 20, 13, -11},
        {"lbTabCpu14", 314, 305, 8, 13, -11},
        {"lbTabCpu15", 548, 302, 10, 13, -11},
        // memory page: percent, then used, available and total in bytes and megabytes
        {"lbTabRam1", 123, 89, 150, 13, -11},
        {"lbRam1", 274, 89, 24, 13, -11},
        {"lbTabRam2", 302, 89, 10, 13, -11},
        {"lbTabRam3", 200, 138, 70, 13, -11},
        {"lbRam2", 313, 138, 40, 13, -11},
        {"lbTabRam4", 361, 138, 30, 13, -11},
        {"lbRam3", 457, 138, 25, 13, -11},
        {"lbTabRam5", 485, 138, 20, 13, -11},
        {"lbTabRam6", 200, 169, 70, 13, -11},
        {"lbRam4", 313, 169, 40, 13, -11},
        {"lbTabRam7", 361, 169, 30, 13, -11},
        {"lbRam5", 457, 169, 25, 13, -11},
        {"lbTabRam8", 485, 169, 20, 13, -11},
        {"lbTabRam9", 200, 222, 70, 13, -11},
        {"lbRam6", 313, 222, 40, 13, -11},
        {"lbTabRam10", 361, 222, 30, 13, -11},
        {"lbRam7", 457, 222, 25, 13, -11},
        {"lbTabRam11", 485, 222, 20, 13, -11},
        // hard disk page: used, available and total, units, drive name and file system
        {"lbTabHdd1", 250, 119, 70, 13, -11},
        {"lbHdd1", 327, 119, 38, 13, -11},
        {"lbHdd2", 461, 119, 38, 13, -11},
        {"lbTabHdd3", 250, 149, 70, 13, -11},
        {"lbHdd3", 327, 149, 38, 13, -11},
        {"lbHdd4", 461, 149, 38, 13, -11},
        {"lbTabHdd5", 250, 208, 70, 13, -11},
        {"lbHdd5", 327, 208, 38, 13, -11},
        {"lbHdd6", 461, 208, 38, 13, -11},
        {"lbTabHdd2", 367, 119, 30, 13, -11},
        {"lbTabHdd4", 501, 119, 20, 13, -11},
        {"lbTabHdd6", 367, 149, 30, 13, -11},
        {"lbTabHdd7", 501, 149, 20, 13, -11},
        {"lbTabHdd8", 367, 208, 30, 13, -11},
        {"lbTabHdd9", 501, 208, 20, 13, -11},
        {"lbTabHdd10", 239, 257, 40, 13, -11},
        {"lbTabHdd11", 218, 281, 40, 13, -11},
        // pie and its chart, the drive tree's background
        {"imgChart", 296, 248, 137, 73, 0},
        {"Chart1", 0, 720, 137, 73, -11},
        {"imgDriveBg", 0, 800, 124, 188, 0},
};

}  // namespace

const LayoutTable kUsageLayout{kRows};

}  // namespace vantor::monitor
