// A window the program's entry creates and destroys, in the fixed order of
// the run. The entry only owns it; everything else goes through Views.
#pragma once

namespace vantor::views {

class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;

    // The message loop's show of the application's main window (the first
    // window created); the other windows are never shown by the entry.
    virtual void ShowAsMainWindow() {}
};

}  // namespace vantor::views
