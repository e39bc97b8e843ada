// The report window: the compiled-in layout table, applied when the window is created.
#include "language/layouts/LayoutTables.h"

namespace vantor::monitor {

namespace {

// name, left, top, width, height, font height
constexpr LayoutRecord kRows[] = {
        // the window: the report background's size
        {"frmReport", 220, 160, 560, 380, -11},
        // background, tabs and title
        {"imgBackground", 0, 0, 560, 380, 0},
        {"imgMainTab", 20, 60, 520, 30, 0},
        {"imgReport", 20, 60, 130, 24, 0},
        {"imgSysInfo", 150, 60, 130, 24, 0},
        {"lbMainTab1", 40, 65, 100, 13, -11},
        {"lbMainTab2", 170, 65, 120, 13, -11},
        {"imgTabAlert", 0, 400, 520, 30, 0},
        {"imgTabSys", 0, 432, 520, 30, 0},
        {"lbWindowTitle", 48, 14, 80, 13, -11},
        // clear and save buttons, close box; holders below the window
        {"imgClear", 340, 335, 80, 22, 0},
        {"imgClearUp", 0, 470, 80, 22, 0},
        {"imgClearOv", 82, 470, 80, 22, 0},
        {"imgClearDn", 164, 470, 80, 22, 0},
        {"imgClearDs", 246, 470, 80, 22, 0},
        {"imgSaveAs", 440, 335, 80, 22, 0},
        {"imgSaveAsUp", 0, 494, 80, 22, 0},
        {"imgSaveAsOv", 82, 494, 80, 22, 0},
        {"imgSaveAsDn", 164, 494, 80, 22, 0},
        {"imgSaveAsDs", 246, 494, 80, 22, 0},
        {"imgClose", 530, 14, 11, 11, 0},
        {"imgCloseUp", 360, 470, 11, 11, 0},
        {"imgCloseOv", 373, 470, 11, 11, 0},
        {"imgCloseDn", 386, 470, 11, 11, 0},
        // the text view
        {"mmReport", 24, 96, 512, 230, -11},
};

}  // namespace

const LayoutTable kReportLayout{kRows};

}  // namespace vantor::monitor
