// The start-up checks' system side: Windows is needed for the message box and
// the program's path (the other calls live in their own _win files).
#include <windows.h>

#include <string>

#include "startup/DecimalSeparator.h"
#include "startup/DisplayCheck.h"
#include "startup/StartupChecks.h"
#include "startup/ProgramFolder_win.h"

namespace vantor::monitor {

void WinStartupSystem::FixDecimalSeparator() { monitor::FixDecimalSeparator(); }

int WinStartupSystem::ScreenBitsPerPixel() { return monitor::ScreenBitsPerPixel(); }

void WinStartupSystem::ShowPlainMessage(std::string_view text)
{
    const std::string message(text);
    const std::string title(kApplicationTitle);
    MessageBoxA(nullptr, message.c_str(), title.c_str(), MB_OK);
}

InstanceClaim WinStartupSystem::ClaimSingleInstance() { return monitor::ClaimSingleInstance(kSingleInstanceMutexName); }

std::string WinStartupSystem::ProgramFolder() { return ProgramFolderOfProcess(); }

}  // namespace vantor::monitor
