// What the VantorHw.dll tests under Wine share: the library loaded as a
// client loads it, the program's folder, and the board the driver serves.
// Windows only.
#pragma once

#include <windows.h>

#include <string>

#include "LoadedVantorHw_win.h"
#include "DeviceControl.h"

namespace vantor::hw::testing {

// The folder of the running program, with a trailing backslash.
inline std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// Makes the driver serve a shipped board by name, or its configured board
// for an empty name.
inline DWORD ServeBoard(const std::string& name)
{
    return ReloadBoard(name.empty() ? name : std::string(VANTOR_BOARDS_WINDOWS_DIR) + "\\" + name + ".ini");
}

}  // namespace vantor::hw::testing
