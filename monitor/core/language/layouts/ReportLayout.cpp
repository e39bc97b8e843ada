// The report window: the compiled-in layout table, applied when the window is created.
// Picture holders lie below the window. The button bay carries the system information
// lamp with its line, and the line that says where the last report was saved.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the report background's size
        {"frmReport", 340, 300, 600, 400, -11},
        // background, tabs and title
        {"imgBackground", 0, 0, 600, 400, 0},
        {"imgMainTab", 21, 45, 556, 298, 0},
        {"imgReport", 21, 45, 140, 24, 0},
        {"imgSysInfo", 161, 45, 140, 24, 0},
        {"lbMainTab1", 21, 50, 140, 13, -11},
        {"lbMainTab2", 161, 50, 140, 13, -11},
        {"imgTabAlert", 0, 400, 556, 298, 0},
        {"imgTabSys", 0, 700, 556, 298, 0},
        {"lbWindowTitle", 48, 23, 80, 16, -13},
        // clear and save buttons, close box; holders below the window
        {"imgClear", 380, 358, 80, 22, 0},
        {"imgClearUp", 0, 1000, 80, 22, 0},
        {"imgClearOv", 82, 1000, 80, 22, 0},
        {"imgClearDn", 164, 1000, 80, 22, 0},
        {"imgClearDs", 246, 1000, 80, 22, 0},
        {"imgSaveAs", 478, 358, 80, 22, 0},
        {"imgSaveAsUp", 0, 1024, 80, 22, 0},
        {"imgSaveAsOv", 82, 1024, 80, 22, 0},
        {"imgSaveAsDn", 164, 1024, 80, 22, 0},
        {"imgSaveAsDs", 246, 1024, 80, 22, 0},
        {"imgClose", 547, 21, 19, 19, 0},
        {"imgCloseUp", 328, 1000, 19, 19, 0},
        {"imgCloseOv", 349, 1000, 19, 19, 0},
        {"imgCloseDn", 370, 1000, 19, 19, 0},
        // the system information lamp and its line, the save line
        {"imgReadyLed", 30, 358, 11, 11, 0},
        {"imgReadyLedOn", 400, 1000, 11, 11, 0},
        {"imgReadyLedWait", 413, 1000, 11, 11, 0},
        {"lbReady", 47, 357, 320, 13, -11},
        {"lbStatus", 47, 371, 320, 13, -11},
        // the text view in the page's well
        {"mmReport", 33, 83, 532, 250, -12},
};

}  // namespace

const LayoutTable kReportLayout{kRows};

}  // namespace vantor::monitor
