#include "win/WinWmiHost_win.h"

#include <windows.h>
#include <objbase.h>

#include "ZyHtmlEngine.h"
#include "win/WmiReader_win.h"

namespace vantor::wmi {
namespace {

// The WMI library's kind of information INI file for the HTML generator.
constexpr std::int32_t kWmiHtmlKind = 0;

std::string Text(std::string_view text) { return std::string(text); }

}  // namespace

bool WinWmiHost::InitializeCom() { return CoInitializeEx(nullptr, COINIT_MULTITHREADED) == S_OK; }

Security WinWmiHost::InitializeSecurity()
{
    // Capabilities 2: secure references.
    const HRESULT result = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_SECURE_REFS, nullptr);
    return result == RPC_E_TOO_LATE ? Security::SetBefore : Security::Set;
}

std::string WinWmiHost::ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length < MAX_PATH ? length : 0);
    const std::size_t slash = full.find_last_of('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

bool WinWmiHost::CanRead(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void WinWmiHost::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

bool WinWmiHost::CreateEmptyFile(const std::string& path)
{
    const HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void WinWmiHost::WriteProfile(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view text)
{
    WritePrivateProfileStringA(Text(section).c_str(), Text(key).c_str(), Text(text).c_str(), path.c_str());
}

std::string WinWmiHost::ReadProfile(const std::string& path, std::string_view section, std::string_view key,
                                    std::size_t bufferSize)
{
    std::string text(bufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(Text(section).c_str(), Text(key).c_str(), "", text.data(),
                                                  static_cast<DWORD>(bufferSize), path.c_str());
    text.resize(length < bufferSize ? length : 0);
    return text;
}

std::optional<std::vector<WmiInstance>> WinWmiHost::ReadClass(std::string_view className, ProxyBlanket blanket)
{
    return ReadWmiClass(className, blanket);
}

std::optional<bool> WinWmiHost::RunHtmlEngine(const std::string& folder)
{
    const HMODULE engine = LoadLibraryA(ZYHTML_LIBRARY_NAME);
    if (engine == nullptr)
        return std::nullopt;
    // A library without the function makes no pages.
    bool result = false;
    if (const auto go =
                reinterpret_cast<HtmlEngineGoFn>(reinterpret_cast<void*>(GetProcAddress(engine, HTML_ENGINE_GO_NAME))))
        result = go(kWmiHtmlKind, folder.c_str(), folder.c_str()) != 0;
    FreeLibrary(engine);
    return result;
}

void WinWmiHost::ShowMessage(std::string_view text, std::string_view caption)
{
    MessageBoxA(nullptr, Text(text).c_str(), Text(caption).c_str(), MB_OK);
}

bool WinWmiHost::IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace vantor::wmi
