// The Win32 calls behind the system helpers: SetWindowPos, EnumWindows,
// the token privilege functions, ExitWindowsEx and GetDeviceCaps.
#include "toolkit/SystemHelpers.h"

namespace vantor::toolkit {
namespace {

HWND g_applicationWindow = nullptr;

BOOL CALLBACK LookForFlash(HWND window, LPARAM found)
{
    if (FindWindowExA(window, nullptr, "MacromediaFlashPlayerActiveX", nullptr)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

bool AdjustPrivilege(const std::string& name, DWORD attributes)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = attributes;
    bool ok = LookupPrivilegeValueA(nullptr, name.c_str(), &privileges.Privileges[0].Luid) != FALSE;
    if (ok) {
        // Succeeds also when the privilege is not held; only the last error
        // (ERROR_NOT_ALL_ASSIGNED) tells.
        SetLastError(0);
        ok = AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr) != FALSE &&
             GetLastError() == 0;
    }
    CloseHandle(token);
    return ok;
}

}  // namespace

HWND ApplicationWindow() { return g_applicationWindow; }

void SetApplicationWindow(HWND window) { g_applicationWindow = window; }

void SetTopmost(HWND window, HWND position)
{
    if (!window)
        return;
    SetWindowPos(window, position, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    if (g_applicationWindow)
        ShowWindow(g_applicationWindow, SW_HIDE);
}

bool IsFlashWindowAbsent()
{
    bool found = false;
    EnumWindows(&LookForFlash, reinterpret_cast<LPARAM>(&found));
    return !found;
}

bool EnablePrivilege(const std::string& name) { return AdjustPrivilege(name, SE_PRIVILEGE_ENABLED); }

bool DisablePrivilege(const std::string& name) { return AdjustPrivilege(name, 0); }

void RebootSystem()
{
    if (EnablePrivilege("SeShutdownPrivilege"))
        ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0);
    DisablePrivilege("SeShutdownPrivilege");
}

ScreenSize GetScreenSize()
{
    HDC screen = GetDC(nullptr);
    const ScreenSize size{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)};
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace vantor::toolkit
