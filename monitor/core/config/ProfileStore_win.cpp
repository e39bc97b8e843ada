// The profile store over the Windows profile functions: Windows is needed for
// GetPrivateProfileStringA and WritePrivateProfileStringA themselves.
#include <windows.h>

#include <array>
#include <string>

#include "config/ProfileStore.h"
#include "config/ProfileStore_win.h"

namespace vantor::monitor {

// Values longer than the buffer come back cut, as the profile functions cut
// them; no value of ours comes near it.
constexpr DWORD kValueBufferSize = 1024;

std::string WinProfileStore::ReadString(std::string_view path, std::string_view section, std::string_view key,
                                        std::string_view fallback)
{
    std::array<char, kValueBufferSize> buffer{};
    const std::string pathText(path);
    const std::string sectionText(section);
    const std::string keyText(key);
    const std::string fallbackText(fallback);
    const DWORD length = GetPrivateProfileStringA(sectionText.c_str(), keyText.c_str(), fallbackText.c_str(),
                                                  buffer.data(), kValueBufferSize, pathText.c_str());
    return std::string(buffer.data(), length < kValueBufferSize ? length : kValueBufferSize - 1);
}

bool WinProfileStore::WriteString(std::string_view path, std::string_view section, std::string_view key,
                                  std::string_view value)
{
    const std::string pathText(path);
    const std::string sectionText(section);
    const std::string keyText(key);
    const std::string valueText(value);
    return WritePrivateProfileStringA(sectionText.c_str(), keyText.c_str(), valueText.c_str(), pathText.c_str()) !=
           FALSE;
}

bool WinProfileStore::HasSection(std::string_view path, std::string_view section)
{
    // With no key name the function lists the section's key names.
    std::array<char, kValueBufferSize> buffer{};
    const std::string pathText(path);
    const std::string sectionText(section);
    return GetPrivateProfileStringA(sectionText.c_str(), nullptr, "", buffer.data(), kValueBufferSize,
                                    pathText.c_str()) > 0;
}

}  // namespace vantor::monitor
