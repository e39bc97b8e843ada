// The Win32 side of DMI_GetAll: ZyIO.dll, ZyIni.dll and ZyHtmlEngine.dll
// loaded by file name (the loader's search order starts with the program's
// folder) and bound by name, folders made with CreateDirectoryA, the lookup
// file read with GetPrivateProfileStringA, messages through MessageBoxA.
#pragma once

#include <windows.h>

#include "ZyIO.h"
#include "ZyIni.h"
#include "core/DmiGetAll.h"

namespace vantor::dmi {

class WinDmiHost final : public DmiHost {
public:
    WinDmiHost() = default;
    ~WinDmiHost() override;
    WinDmiHost(const WinDmiHost&) = delete;
    WinDmiHost& operator=(const WinDmiHost&) = delete;

    std::string ProgramFolder() override;
    bool LoadIo(const std::string& programFolder) override;
    const std::uint8_t* MapMem(std::uint32_t physical, std::uint32_t length) override;
    void UnmapMem(const void* address, std::uint32_t length) override;
    void UnloadIo() override;
    IniWriter* LoadIni() override;
    void UnloadIni() override;
    void CreateFolder(const std::string& path) override;
    std::unique_ptr<SmbiosNames> OpenNames(const std::string& path) override;
    bool RunHtmlEngine(const std::string& folder) override;
    void ShowMessage(std::string_view text, std::string_view caption) override;

private:
    class ZyIniWriter final : public IniWriter {
    public:
        bool Bind(HMODULE module);
        void FileInitial(std::string_view path) override;
        void RootSection(int number, std::string_view section) override;
        void Count(std::string_view section, int count) override;
        void Item(std::string_view section, int number, std::string_view child) override;
        void Value(std::string_view section, int number, std::string_view key, std::string_view value) override;
        void Filename(std::string_view section, std::string_view name) override;
        void Displayname(std::string_view section, std::string_view name) override;

    private:
        IniFileInitialFn m_fileInitial = nullptr;
        IniWriteRootSectionFn m_rootSection = nullptr;
        IniWriteCountFn m_count = nullptr;
        IniWriteItemFn m_item = nullptr;
        IniWriteValueFn m_value = nullptr;
        IniWriteFilenameFn m_filename = nullptr;
        IniWriteDisplaynameFn m_displayname = nullptr;
    };

    HMODULE m_io = nullptr;
    ZyioMapMemFn m_mapMem = nullptr;
    ZyioUnmapMemFn m_unmapMem = nullptr;
    HMODULE m_ini = nullptr;
    ZyIniWriter m_writer;
};

}  // namespace vantor::dmi
