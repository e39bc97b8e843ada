// The registered broadcast that says "the fan-control settings have changed".
// A post to HWND_BROADCAST reaches every top-level window of this process, so
// the application-wide hook acts only for the copy addressed to the hidden
// application window: one refresh per posting.
#pragma once

#include <cstdint>
#include <string_view>

namespace vantor::monitor {

inline constexpr std::string_view kBroadcastMessageName = "WM_ZYKO_BROADCAST_MESSAGE";
inline constexpr std::uintptr_t kFanSettingsChanged = 5717;  // wParam; lParam 0
inline constexpr std::uintptr_t kBroadcastWindow = 0xFFFF;   // HWND_BROADCAST

struct QueuedMessage {
    const void* Window = nullptr;  // target window of the queued message
    std::uint32_t Message = 0;
    std::uintptr_t WParam = 0;
};

// True when the hook must refresh the fan-control state: the message is the
// registered broadcast, its target is the application window and wParam is
// kFanSettingsChanged. lParam is ignored. A broadcast id of 0 (registration
// failed) never matches.
bool ShouldRefreshFanSettings(const QueuedMessage& queued, std::uint32_t broadcastMessage,
                              const void* applicationWindow);

}  // namespace vantor::monitor
