// What the command line asks of a run. The auto-start value launches the
// program with exactly "1"; "DEBUG" turns the debug log on.
#pragma once

#include <string_view>

namespace vantor::monitor {

struct StartupOptions {
    bool StartedAtBoot = false;  // first character of the command-line text is '1'
    bool DebugMode = false;      // "DEBUG" anywhere, in any letter case
};

// commandLine is the text after the program path, as the entry point receives it.
StartupOptions ParseStartupOptions(std::string_view commandLine);

}  // namespace vantor::monitor
