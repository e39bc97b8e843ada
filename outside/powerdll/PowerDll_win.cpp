// PowerDll.dll, the AC-throttle question of the Cool'n'Quiet check: Windows
// is needed for GetSystemPowerStatus.
//
// IsThrottleAc answers whether the processor's power saving is in force for
// the power source the machine runs on now. Cool'n'Quiet is driven by the
// AC power scheme on the desktops it serves; on battery the scheme's battery
// policy takes over and the monitor must not rely on it. So: non-zero (1)
// when the system reports AC power online; 0 on battery, when the line
// status is unknown (255), or when the status cannot be read.
#include <windows.h>

#include <cstdint>

extern "C" std::int32_t __cdecl IsThrottleAc(void)
{
    SYSTEM_POWER_STATUS status{};
    if (!GetSystemPowerStatus(&status))
        return 0;
    return status.ACLineStatus == 1 ? 1 : 0;
}
