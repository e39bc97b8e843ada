// The cover as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::views {

class CoverView {
public:
    virtual ~CoverView() = default;

    // Hides cover and main panel to the tray (the Hide button, a start at boot).
    virtual void HideToTray() = 0;
    // Shows and enables the cover (first show, Restore, around a slide).
    virtual void ShowAndEnable() = 0;
    // The cover's window: owner of the gadget windows.
    virtual void* WindowHandle() const = 0;
};

// Creates the cover (hidden) and fills in TheViews().cover.
std::unique_ptr<ProgramWindow> CreateCover();

}  // namespace vantor::views
