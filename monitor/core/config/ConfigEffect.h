// What a configuration flow asks the windows and the hardware to do, in the
// order the flow decided it. The options window performs them.
#pragma once

#include <cstdint>
#include <vector>

namespace vantor::monitor {

enum class ConfigEffectKind : std::uint8_t {
    RedrawSensorPage,        // when it shows a sensor tab
    RedrawSettingsPage,      // scale and check images, when the settings tab is shown
    ResetFanControlPending,  // fan-control items back to their committed values
    WriteFanControl,         // the fan-control hardware writes of a commit
    SetReadingInterval,      // Value: milliseconds
    SetWaveVolume,           // Value: percent
    SendGadgetUnits,         // to every gadget, in gadget order
    SendGadgetRefresh,       // to every gadget, in gadget order
    RedrawScaleImages,
    RedrawCheckImages,
    UpdateAlertControls,  // enable or disable by AlertControlsFor
    ShowHideGadgets,      // by their Enabled flags, then re-arrange
    PostFanSettingsChanged,
    RaiseOptionsWindow,      // top of the window order, not activated
    ReReadFanControlTarget,  // processor target from the hardware, refresh its display
    CloseOptionsWindow,
    MarkUnchanged,  // the Apply image in its unchanged state
};

struct ConfigEffect {
    ConfigEffectKind Kind;
    std::int32_t Value = 0;

    friend bool operator==(const ConfigEffect&, const ConfigEffect&) = default;
};

using ConfigEffects = std::vector<ConfigEffect>;

}  // namespace vantor::monitor
