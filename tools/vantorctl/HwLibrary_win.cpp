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

std::unique_ptr<HwLibrary> LoadHwLibrary(std::string& reason)
{
    const std::string path = ProgramFolder() + "VantorHw.dll";
    auto library = std::make_unique<HwLibrary>(path);
    if (!library->Loaded()) {
        reason = "cannot load " + path + " (system error " + std::to_string(library->LoadError()) + ")";
        return nullptr;
    }
    if (library->OCAPI_Initialization == nullptr) {
        reason = path + " has no OCAPI_Initialization";
        return nullptr;
    }
    return library;
}

}  // namespace vantorctl
