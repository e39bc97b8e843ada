// One run of the program after the start-up checks passed: the application
// window, the shared services, the windows in their order, the message loop,
// and the windows destroyed in reverse order. Windows only.
#pragma once

#include "startup/StartupOptions.h"

namespace vantor::views {

// Returns the program's exit code, always 0.
int RunVantor(const monitor::StartupOptions& options);

}  // namespace vantor::views
