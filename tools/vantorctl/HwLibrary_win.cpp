#include "HwLibrary_win.h"

namespace vantorctl {

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

HwLibrary::~HwLibrary()
{
    if (module != nullptr)
        FreeLibrary(module);
}

bool HwLibrary::Load(std::string& reason)
{
    const std::string path = ProgramFolder() + "VantorHw.dll";
    module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        reason = "cannot load " + path + " (system error " + std::to_string(GetLastError()) + ")";
        return false;
    }
#define VANTORHW_EXPORT(name) name = reinterpret_cast<name##Fn>(reinterpret_cast<void*>(GetProcAddress(module, #name)));
#include "VantorHwExports.inc"
#undef VANTORHW_EXPORT
    if (OCAPI_Initialization == nullptr) {
        reason = path + " has no OCAPI_Initialization";
        return false;
    }
    return true;
}

}  // namespace vantorctl
