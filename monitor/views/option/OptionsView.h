// The options window as the other windows use it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramWindow.h"

namespace vantor::views {

class OptionsView {
public:
    virtual ~OptionsView() = default;

    // Re-reads the fan-control state from the hardware library (the
    // broadcast that fan-control settings changed).
    virtual void RefreshFanControl() = 0;

    // The options window's own window (an HWND): the owner of the list window.
    virtual void* WindowHandle() const = 0;

    // The fan-control target temperatures (profile names) the hardware
    // library listed at the last refresh, for the list window's chooser.
    virtual std::vector<std::string> TargetTemperatureTexts() const = 0;

    // Shows the window modally over the cover (its Option button) until it
    // is closed; it opens on the tab and page it was left on.
    virtual void ShowModal() = 0;

    // A gadget closed and cleared its sensor's enable flag: the sensor rows'
    // check images follow.
    virtual void RedrawEnableChecks() = 0;

    // The rows of its layout table the window applied at creation, the
    // window included; -1 when a control had no row.
    virtual int LayoutResult() const = 0;
};

// Creates the options window (hidden): binds the hardware library, reads the
// fan-control state and the settings file, creates and places the gadgets,
// starts the polling timer; fills in TheViews().options and .gadgets.
std::unique_ptr<ProgramWindow> CreateOptionsWindow();

}  // namespace vantor::views
