// The layout tables of the program's eight windows, one file each. The first
// row of every table is the window itself.
#pragma once

#include "language/LayoutRecord.h"

namespace vantor::monitor {

extern const LayoutTable kMainPanelLayout;    // "frmMainPanel"
extern const LayoutTable kCoverLayout;        // "frmCover"
extern const LayoutTable kOptionLayout;       // "frmOption"
extern const LayoutTable kListLayout;         // "frmList"
extern const LayoutTable kHexagonLayout;      // "frmHexagon_8", every gadget window
extern const LayoutTable kUsageLayout;        // "frmUsage"
extern const LayoutTable kInfoBrowserLayout;  // "frmInfoBrowserE"
extern const LayoutTable kReportLayout;       // "frmReport"

}  // namespace vantor::monitor
