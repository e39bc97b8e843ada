// When the program's windows are put above all others or back among them.
// Toggling "Always on Top" always applies the state; any change of the main
// panel's position, size or z-order re-applies it only while no window hosts
// a Flash player, so that a full-screen Flash video is not covered.
#pragma once

#include <optional>

namespace vantor::views {

enum class TopmostTrigger {
    CheckToggled,
    PanelMoved,  // WM_WINDOWPOSCHANGED of the main panel
};

enum class ZOrder {
    Topmost,    // HWND_TOPMOST
    NotTopmost  // HWND_NOTOPMOST
};

// The z-order to apply, or nothing.
std::optional<ZOrder> TopmostFor(TopmostTrigger trigger, bool alwaysOnTop, bool flashWindowAbsent);

}  // namespace vantor::views
