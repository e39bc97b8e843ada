// The cover as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::monitor {
class HwBinding;
}  // namespace vantor::monitor

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

    // Disabled while the panel slides.
    virtual void SetEnabled(bool enabled) = 0;
    // Hides the cover alone (the panel hides it with itself).
    virtual void HideCover() = 0;
    // "MainPanelClosed" as read at the cover's creation: the panel slides
    // in at its first show.
    virtual bool SavedPanelClosed() const = 0;
    // The binding that hears the system's suspend notice; the options
    // window sets it once bound and clears it before closing the library.
    virtual void SetHwBinding(monitor::HwBinding* binding) = 0;
};

// Creates the cover (hidden) and fills in TheViews().cover. It binds the
// sound library (TheViews().sounds) and applies the layout tables of the
// main panel and itself.
std::unique_ptr<ProgramWindow> CreateCover();

}  // namespace vantor::views
