#include "startup/StartupChecks.h"

#include "startup/DebugLog.h"
#include "startup/DisplayCheck.h"

namespace vantor::monitor {

StartupResult RunStartupChecks(std::string_view commandLine, StartupSystem& system)
{
    StartupResult result;
    result.Options = ParseStartupOptions(commandLine);
    system.FixDecimalSeparator();

    if (!ColourDepthSupported(system.ScreenBitsPerPixel())) {
        system.ShowPlainMessage(kColourDepthMessage);
        return result;
    }
    if (system.ClaimSingleInstance() == InstanceClaim::AlreadyRunning)
        return result;  // silently: the running copy is not disturbed

    OpenDebugLog(system.ProgramFolder(), result.Options.DebugMode);
    DebugLog(kFirstDebugLine);
    result.Proceed = true;
    return result;
}

}  // namespace vantor::monitor
