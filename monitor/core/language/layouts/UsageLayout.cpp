// The usage window: the compiled-in layout table, applied when the window is created.
// Numbers are right-aligned, so their labels end where their unit begins. Picture
// holders and the chart that renders the pie lie below the window.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the usage background's size
        {"frmUsage", 340, 300, 600, 400, -11},
        // background, page picture, tabs, close box and title
        {"imgBackground", 0, 0, 600, 400, 0},
        {"imgTab", 21, 45, 556, 298, 0},
        {"imgHddTab", 21, 45, 115, 24, 0},
        {"imgRamTab", 136, 45, 115, 24, 0},
        {"imgCpuTab", 251, 45, 115, 24, 0},
        {"lbHDD", 57, 49, 60, 13, -11},
        {"lbRAM", 174, 49, 50, 13, -11},
        {"lbCPU", 297, 49, 30, 13, -11},
        {"imgCpuBack", 0, 400, 556, 298, 0},
        {"imgRamBack", 0, 400, 556, 298, 0},
        {"imgHddBack", 0, 400, 556, 298, 0},
        {"imgClose", 547, 21, 19, 19, 0},
        {"imgCloseUp", 0, 700, 19, 19, 0},
        {"imgCloseOv", 21, 700, 19, 19, 0},
        {"imgCloseDn", 42, 700, 19, 19, 0},
        {"lbWindowTitle", 48, 23, 80, 16, -13},
        // processor page: the graphs, their loads and the average, the fixed texts
        {"pgCpu1", 69, 145, 189, 75, -11},
        {"pgCpu2", 69, 240, 189, 75, -11},
        {"pgCpu3", 324, 145, 189, 75, -11},
        {"pgCpu4", 324, 240, 189, 75, -11},
        {"lbCpu1", 268, 208, 24, 13, -11},
        {"lbCpu2", 522, 208, 24, 13, -11},
        {"lbCpu3", 268, 303, 24, 13, -11},
        {"lbCpu4", 523, 303, 24, 13, -11},
        {"lbCpu5", 182, 88, 24, 13, -11},
        {"lbTabCpu1", 52, 88, 120, 13, -11},
        {"lbTabCpu2", 211, 88, 12, 13, -11},
        {"lbTabCpu3", 52, 120, 200, 13, -11},
        {"lbTabCpu4", 46, 142, 20, 13, -11},
        {"lbTabCpu5", 58, 211, 8, 13, -11},
        {"lbTabCpu6", 294, 208, 12, 13, -11},
        {"lbTabCpu7", 302, 142, 20, 13, -11},
        {"lbTabCpu8", 314, 211, 8, 13, -11},
        {"lbTabCpu9", 548, 208, 12, 13, -11},
        {"lbTabCpu10", 46, 236, 20, 13, -11},
        {"lbTabCpu11", 58, 305, 8, 13, -11},
        {"lbTabCpu12", 294, 302, 12, 13, -11},
        {"lbTabCpu13", 302, 236, 20, 13, -11},
        {"lbTabCpu14", 314, 305, 8, 13, -11},
        {"lbTabCpu15", 548, 302, 12, 13, -11},
        // memory page: percent, then used, available and total in bytes and megabytes
        {"lbTabRam1", 123, 89, 150, 13, -11},
        {"lbTabRam2", 302, 89, 12, 13, -11},
        {"lbTabRam3", 160, 138, 70, 13, -11},
        {"lbTabRam4", 361, 138, 34, 13, -11},
        {"lbTabRam5", 485, 138, 24, 13, -11},
        {"lbTabRam6", 160, 169, 70, 13, -11},
        {"lbTabRam7", 361, 169, 34, 13, -11},
        {"lbTabRam8", 485, 169, 24, 13, -11},
        {"lbTabRam9", 160, 222, 70, 13, -11},
        {"lbTabRam10", 361, 222, 34, 13, -11},
        {"lbTabRam11", 485, 222, 24, 13, -11},
        {"lbRam1", 274, 89, 24, 13, -11},
        {"lbRam2", 237, 138, 120, 13, -11},
        {"lbRam3", 401, 138, 80, 13, -11},
        {"lbRam4", 237, 169, 120, 13, -11},
        {"lbRam5", 401, 169, 80, 13, -11},
        {"lbRam6", 237, 222, 120, 13, -11},
        {"lbRam7", 401, 222, 80, 13, -11},
        // hard disk page: used, available and total with their units, drive name and file system
        {"lbTabHdd1", 205, 119, 70, 13, -11},
        {"lbTabHdd2", 367, 119, 34, 13, -11},
        {"lbTabHdd3", 205, 149, 70, 13, -11},
        {"lbTabHdd4", 367, 149, 34, 13, -11},
        {"lbTabHdd5", 205, 208, 70, 13, -11},
        {"lbTabHdd6", 367, 208, 34, 13, -11},
        {"lbTabHdd7", 501, 119, 24, 13, -11},
        {"lbTabHdd8", 501, 149, 24, 13, -11},
        {"lbTabHdd9", 501, 208, 24, 13, -11},
        {"lbTabHdd10", 239, 257, 50, 13, -11},
        {"lbTabHdd11", 218, 281, 60, 13, -11},
        {"lbHdd1", 243, 119, 120, 13, -11},
        {"lbHdd2", 417, 119, 80, 13, -11},
        {"lbHdd3", 243, 149, 120, 13, -11},
        {"lbHdd4", 417, 149, 80, 13, -11},
        {"lbHdd5", 243, 208, 120, 13, -11},
        {"lbHdd6", 417, 208, 80, 13, -11},
        // the pie and the chart that renders it, the drive tree's background, the drive tree
        {"imgChart", 296, 248, 137, 73, 0},
        {"Chart1", 0, 720, 137, 73, -11},
        {"imgDriveBg", 0, 800, 124, 188, 0},
        {"tvDrives", 59, 106, 124, 188, -11},
};

}  // namespace

const LayoutTable kUsageLayout{kRows};

}  // namespace vantor::monitor
