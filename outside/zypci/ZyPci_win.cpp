// ZyPci.dll: this computer's PCI devices as the PCI pages. One export,
// called once per use by the program's information worker, which loads and
// unloads the library around the call.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "PciGetAll.h"
#include "WinPciHost_win.h"
#include "ZyPci.h"

extern "C" __declspec(dllexport) std::uint8_t __cdecl PCI_GetAll(const char* outputFolder)
try {
    if (outputFolder == nullptr)
        return 0;
    vantor::pci::WinPciHost host;
    return vantor::pci::PciGetAll(host, std::string_view(outputFolder, strnlen(outputFolder, MAX_PATH + 1))) ? 1 : 0;
} catch (...) {  // out of memory: nothing leaves the library
    OutputDebugStringA("ZyPci: out of memory\n");
    return 0;
}
