// The options window as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::views {

class OptionsView {
public:
    virtual ~OptionsView() = default;

    // Re-reads the fan-control state from the hardware library (the
    // broadcast that fan-control settings changed).
    virtual void RefreshFanControl() = 0;
};

// Creates the options window (hidden): binds the hardware library, reads the
// fan-control state and the settings file, creates and places the gadgets,
// starts the polling timer; fills in TheViews().options and .gadgets.
std::unique_ptr<ProgramWindow> CreateOptionsWindow();

}  // namespace vantor::views
