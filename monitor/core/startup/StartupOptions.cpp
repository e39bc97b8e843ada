#include "startup/StartupOptions.h"

#include <algorithm>
#include <string>

namespace vantor::monitor {

StartupOptions ParseStartupOptions(std::string_view commandLine)
{
    StartupOptions options;
    options.StartedAtBoot = !commandLine.empty() && commandLine.front() == '1';

    // ASCII upper-casing only: the switch is plain ASCII and the locale must
    // not change what matches.
    std::string upper(commandLine);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    options.DebugMode = upper.find("DEBUG") != std::string::npos;
    return options;
}

}  // namespace vantor::monitor
