// VantorHw.dll loaded by path and bound by name, as a client binds it: the
// library stays loaded for the object's lifetime. Windows only.
#pragma once

#include <windows.h>

#include <string>

#include "VantorHwExports.h"

namespace vantor::hw {

class LoadedVantorHw : public ExportTable {
public:
    explicit LoadedVantorHw(const std::string& path, ExportSet set = ExportSet::All)
        : m_module(LoadLibraryA(path.c_str())), m_loadError(m_module == nullptr ? GetLastError() : 0)
    {
        if (m_module == nullptr)
            return;
        static_cast<ExportTable&>(*this) = BindExportTable(
                [this](const char* name) { return reinterpret_cast<RawProc>(GetProcAddress(m_module, name)); }, set);
    }
    ~LoadedVantorHw()
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
    }
    LoadedVantorHw(const LoadedVantorHw&) = delete;
    LoadedVantorHw& operator=(const LoadedVantorHw&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    // The system error of a failed load, 0 when it loaded.
    DWORD LoadError() const { return m_loadError; }

private:
    HMODULE m_module;
    DWORD m_loadError;
};

}  // namespace vantor::hw
