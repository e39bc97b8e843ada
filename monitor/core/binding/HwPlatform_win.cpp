// The hardware binding's system calls: Windows is needed for LoadLibraryA,
// GetProcAddress, MessageBoxA, the registry and GetVersionExA.
#include <windows.h>

#include <array>
#include <string>

#include "startup/DisplayCheck.h"
#include "binding/HwPlatform_win.h"
#include "startup/ProgramFolder_win.h"

namespace vantor::monitor {

std::string WinHwPlatform::ProgramFolder() { return ProgramFolderOfProcess(); }

void* WinHwPlatform::OpenLibrary(const std::string& path) { return LoadLibraryA(path.c_str()); }

RawProc WinHwPlatform::FindExport(void* module, const char* name)
{
    return reinterpret_cast<RawProc>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void WinHwPlatform::CloseLibrary(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

void WinHwPlatform::ShowInformation(std::string_view text)
{
    const std::string message(text);
    const std::string title(kApplicationTitle);
    MessageBoxA(nullptr, message.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

void WinHwPlatform::SleepMs(std::uint32_t milliseconds) { Sleep(milliseconds); }

std::unique_ptr<StopSignal> WinHwPlatform::MakeStopSignal() { return MakeEventStopSignal(); }

bool WinHwPlatform::MachineKeyOpens(const std::string& subKey)
{
    // Full access on purpose: a key the user cannot fully open counts as
    // not installed, as the driver's service could not be used either.
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

OsVersion WinHwPlatform::GetOsVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
    if (!GetVersionExA(&info))
        return {};
    return {info.dwMajorVersion, info.dwMinorVersion};
}

std::unique_ptr<ReadingThread> WinHwPlatform::StartReadingThread(const std::atomic<std::uint32_t>& interval,
                                                                 std::function<void()> pass)
{
    return StartWinReadingThread(interval, std::move(pass));
}

}  // namespace vantor::monitor
