// The simulated board as the end-to-end tests drive it: the device's
// test-control requests (fixed readings, failing methods, another board).
// Windows only.
#pragma once

#include <cstdint>
#include <string>

#include "DeviceControl.h"

namespace vantor::views::testing {

// The raw value a reading method answers for the item from now on ("RTMP",
// "RVLT", "RFAN"); the system error code, 0 when the device took it.
inline DWORD SetBoardReading(const char* method, std::uint32_t itemId, std::int32_t raw)
{
    return hw::testing::SetRaw(method, itemId, raw);
}

// Makes the device serve a shipped board (its name) or a board file (a
// Windows path); the system error code, 0 when it loaded.
DWORD LoadBoard(const std::string& nameOrPath);

// Puts the board back to the one the device's service names.
inline DWORD RestoreServiceBoard() { return hw::testing::ReloadBoard({}); }

}  // namespace vantor::views::testing
