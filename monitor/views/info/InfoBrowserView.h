// The information browser as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::views {

class InfoBrowserView {
public:
    virtual ~InfoBrowserView() = default;

    // Page 1 WMI, 2 PCI, 3 DMI; any other number shows an empty page under
    // the title as it was.
    virtual void ShowPage(int page) = 0;
    // ShowPage, then the window modally (the main panel's information
    // buttons); returns when it closes.
    virtual void ShowPageModal(int page) = 0;
    // The report window has written its waiting text: the worker may write
    // the system information report from now on.
    virtual void ReportWindowReady() = 0;
};

// Creates the information browser (hidden) owned by the cover, starts its
// worker and fills in TheViews().infoBrowser.
std::unique_ptr<ProgramWindow> CreateInfoBrowser();

}  // namespace vantor::views
