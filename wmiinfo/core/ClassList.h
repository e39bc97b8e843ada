// The WMI classes the export reads, in the order of their Root entries
// (entry p is the class at position p, from 1).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantor::wmi {

inline constexpr std::array<std::string_view, 12> kClassList = {
        "Win32_BIOS",           "Win32_Processor",       "Win32_BaseBoard",
        "Win32_DiskDrive",      "Win32_CDROMDrive",      "Win32_PhysicalMemory",
        "Win32_NetworkAdapter", "Win32_VideoController", "Win32_DisplayConfiguration",
        "Win32_SoundDevice",    "Win32_OperatingSystem", "Win32_ComputerSystem",
};

// Each name is kept in a slot of 64 characters, the terminator included.
inline constexpr std::size_t kClassNameSlot = 64;
static_assert([] {
    for (const std::string_view name : kClassList)
        if (name.size() >= kClassNameSlot)
            return false;
    return true;
}());

}  // namespace vantor::wmi
