// The Win32 side of WMI_GetAll: COM started on the calling thread with its
// process-wide security, the files through CreateFileA, CreateDirectoryA and
// the profile functions, the classes through WmiReader, ZyHtmlEngine.dll
// loaded by file name (the loader's search order starts with the program's
// folder), messages through MessageBoxA.
#pragma once

#include "core/WmiHost.h"

namespace vantor::wmi {

class WinWmiHost final : public WmiHost {
public:
    bool InitializeCom() override;
    Security InitializeSecurity() override;
    std::string ProgramFolder() override;
    bool CanRead(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
    bool CreateEmptyFile(const std::string& path) override;
    void WriteProfile(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view text) override;
    std::string ReadProfile(const std::string& path, std::string_view section, std::string_view key,
                            std::size_t bufferSize) override;
    std::optional<std::vector<WmiInstance>> ReadClass(std::string_view className, ProxyBlanket blanket) override;
    std::optional<bool> RunHtmlEngine(const std::string& folder) override;
    void ShowMessage(std::string_view text, std::string_view caption) override;
    bool IsLeadByte(unsigned char byte) override;
};

}  // namespace vantor::wmi
