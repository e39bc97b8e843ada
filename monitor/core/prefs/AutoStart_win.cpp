// The auto-start value in the registry: Windows is needed for the Run key.
#include <windows.h>

#include <string>
#include <vector>

#include "prefs/AutoStart_win.h"

namespace vantor::monitor {
namespace {

// Longer texts are not ours, so they need not be read whole to tell.
constexpr DWORD kMaxValueBytes = 4096;

const std::string& RunKeyPath()
{
    static const std::string path(kRunKeyPath);
    return path;
}

const std::string& ValueName()
{
    static const std::string name(kAutoStartValueName);
    return name;
}

// The Run key opened for writing, created when missing; null on failure.
HKEY OpenRunKeyForWriting()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, RunKeyPath().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

std::optional<std::string> WinRegistryStore::ReadRunValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, RunKeyPath().c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<char> buffer(kMaxValueBytes + 1, '\0');
    DWORD type = 0;
    DWORD size = kMaxValueBytes;
    const LONG status =
            RegQueryValueExA(key, ValueName().c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // The stored size may or may not count a terminating NUL.
    std::string text(buffer.data(), size);
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

bool WinRegistryStore::WriteRunValue(std::string_view data)
{
    HKEY key = OpenRunKeyForWriting();
    if (key == nullptr)
        return false;
    const std::string text(data);
    const LONG status = RegSetValueExA(key, ValueName().c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool WinRegistryStore::DeleteRunValue()
{
    HKEY key = OpenRunKeyForWriting();
    if (key == nullptr)
        return false;
    const LONG status = RegDeleteValueA(key, ValueName().c_str());
    RegCloseKey(key);
    // A value that is already gone is what deleting asks for.
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace vantor::monitor
