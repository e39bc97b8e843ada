// The control messages other programs send to the main panel window
// (WM_USER to WM_USER+7). Each is first given the window's normal handling,
// then the action below.
#pragma once

#include <cstdint>
#include <optional>

namespace vantor::monitor {

inline constexpr std::uint32_t kWmUser = 0x0400;  // WM_USER
inline constexpr std::uint32_t kControlMessageCount = 8;

enum class ControlAction {
    None,          // accepted, nothing further
    EndRun,        // as the tray menu's Exit: nothing is saved
    Minimise,      // minimise the application
    Restore,       // restore the application
    BringToFront,  // SetForegroundWindow on the main panel
};

// The action for message, or nullopt when it is not one of the control
// messages (the window handles it as any other).
std::optional<ControlAction> ControlActionFor(std::uint32_t message);

}  // namespace vantor::monitor
