// ZyDmi.dll: the machine's SMBIOS table as the DMI pages. One export, called
// once per use by the program's information worker, which loads and unloads
// the library around the call.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "core/DmiGetAll.h"
#include "win/WinDmiHost_win.h"

extern "C" __declspec(dllexport) std::uint8_t __cdecl DMI_GetAll(const char* outputFolder)
{
    if (outputFolder == nullptr)
        return 0;
    vantor::dmi::WinDmiHost host;
    return vantor::dmi::DmiGetAll(host, std::string_view(outputFolder, strnlen(outputFolder, MAX_PATH + 1))) ? 1 : 0;
}
