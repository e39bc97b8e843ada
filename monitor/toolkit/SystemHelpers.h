// Window and system helpers of the skinned windows: z-order, the Flash
// window test, privileges and the forced restart, the screen size.
#pragma once

#include <windows.h>

#include <string>

namespace vantor::toolkit {

// The application's own hidden window (no taskbar button); null until the
// program sets it.
HWND ApplicationWindow();
void SetApplicationWindow(HWND window);

// Moves `window` (may be null) to `position` in the z-order without moving,
// sizing or activating it, then hides the application window again.
void SetTopmost(HWND window, HWND position);

// No top-level window holds a child of class "MacromediaFlashPlayerActiveX".
bool IsFlashWindowAbsent();

// Every call succeeded and the last error is 0 afterwards, so a privilege
// the account does not hold counts as failure.
bool EnablePrivilege(const std::string& name);
bool DisablePrivilege(const std::string& name);

// Restarts Windows, forced, when the shutdown privilege could be enabled.
// The privilege is disabled again in every case.
void RebootSystem();

struct ScreenSize {
    int width = 0;
    int height = 0;
};
ScreenSize GetScreenSize();

}  // namespace vantor::toolkit
