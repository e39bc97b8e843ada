// A window the program's entry creates and destroys, in the fixed order of
// the run. The entry only owns it; everything else goes through Views.
#pragma once

namespace vantor::views {

class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;
};

}  // namespace vantor::views
