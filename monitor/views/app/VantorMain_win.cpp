// Vantor.exe's entry: the start-up checks, then the run. Windows is needed
// for WinMain itself.
#include <windows.h>

#include <exception>

#include "app/ProgramRun_win.h"
#include "app/StandardError.h"
#include "startup/StartupChecks.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    using namespace vantor;
    monitor::WinStartupSystem system;
    const monitor::StartupResult startup = monitor::RunStartupChecks(commandLine ? commandLine : "", system);
    if (!startup.Proceed)
        return 0;
    try {
        return views::RunVantor(startup.Options);
    } catch (const std::exception& e) {
        views::ShowStandardError(e.what());
    } catch (...) {
        views::ShowStandardError("unknown error");
    }
    return 0;
}
