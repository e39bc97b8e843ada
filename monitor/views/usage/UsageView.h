// The usage window as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::views {

class UsageView {
public:
    virtual ~UsageView() = default;

    // Shows the window modally (the main panel's Usage button); returns when it closes.
    virtual void ShowModal() = 0;
};

// Creates the usage window (hidden), binds the processor-load library and
// fills in TheViews().usage.
std::unique_ptr<ProgramWindow> CreateUsageWindow();

}  // namespace vantor::views
