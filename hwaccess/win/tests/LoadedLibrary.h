// VantorHw.dll loaded by path and bound by name, as a client binds it.
// Windows only.
#pragma once

#include <windows.h>

#include <string>

#include "VantorHw.h"
#include "DeviceControl.h"

namespace vantor::hw::testing {

class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& path) : m_module(LoadLibraryA(path.c_str()))
    {
        if (m_module == nullptr)
            return;
#define VANTORHW_EXPORT(name)                                                                                          \
    name = reinterpret_cast<name##Fn>(reinterpret_cast<void*>(GetProcAddress(m_module, #name)));
#include "VantorHwExports.inc"
#undef VANTORHW_EXPORT
    }
    ~LoadedLibrary()
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool Loaded() const { return m_module != nullptr; }

#define VANTORHW_EXPORT(name) name##Fn name = nullptr;
#include "VantorHwExports.inc"
#undef VANTORHW_EXPORT

private:
    HMODULE m_module;
};

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
