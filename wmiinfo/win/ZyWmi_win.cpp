// ZyWmi.dll: twelve WMI classes of this computer as the WMI pages. One
// export, called once per use by the program's information worker, which
// loads and unloads the library around the call.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/WmiGetAll.h"
#include "win/WinWmiHost_win.h"

extern "C" __declspec(dllexport) std::uint8_t __cdecl WMI_GetAll(const char* outputFolder)
try {
    if (outputFolder == nullptr)
        return 0;
    vantor::wmi::WinWmiHost host;
    return vantor::wmi::WmiGetAll(host, std::string_view(outputFolder, strnlen(outputFolder, MAX_PATH + 1))) ? 1 : 0;
} catch (...) {  // out of memory: the file as far as it got, no pages
    return 0;
}
