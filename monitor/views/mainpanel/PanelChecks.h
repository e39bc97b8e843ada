// The preference panel's five check boxes: which picture and label each has,
// the preference key it writes, and what a toggle sets off. Pure: a toggle
// returns its effects in the order the window carries them out; a refused
// preference write stops the rest.
#pragma once

#include <optional>
#include <string_view>

namespace vantor::views {

enum class PanelCheck {
    AlwaysOnTop,
    EnableAirCraft,  // the monitoring panel: the gadget windows
    Small,
    EnableSoundEffect,
    RunAtBootup,
};

struct PanelCheckInfo {
    PanelCheck check;
    std::string_view image;
    std::string_view label;
    std::string_view caption;
    std::string_view key;  // empty: the auto-start value is the only store
};

inline constexpr PanelCheckInfo kPanelChecks[] = {
        {PanelCheck::AlwaysOnTop, "imgAlwaysonTop", "Label1", "Always on Top", "bAlwaysonTop"},
        {PanelCheck::EnableAirCraft, "imgEnableAirCraft", "Label2", "Enable Monitoring Panel", "bEnableAirCraft"},
        {PanelCheck::Small, "imgSmall", "Label5", "Small", "bSmall"},
        {PanelCheck::EnableSoundEffect, "imgEnableSoundEffect", "Label3", "Enable Sound Effect", "bEnableSoundEffect"},
        {PanelCheck::RunAtBootup, "imgRunatBootup", "Label4", "Run in Boot-up Session", ""},
};

const PanelCheckInfo& InfoOf(PanelCheck check);

// The four flags loaded from the preference file, in load order.
inline constexpr PanelCheck kLoadedFlags[] = {PanelCheck::AlwaysOnTop, PanelCheck::EnableAirCraft,
                                              PanelCheck::EnableSoundEffect, PanelCheck::Small};

struct PreferenceWrite {
    std::string_view key;
    int value = 0;
    bool operator==(const PreferenceWrite&) const = default;
};

// What follows the toggle of a check to `nowSet`.
struct CheckEffects {
    std::optional<PreferenceWrite> write;  // first; when refused, nothing below happens
    std::optional<bool> autoStart;         // write (true) or delete (false) the auto-start value
    bool applyTopmost = false;
    bool showEnabledGadgets = false;
    bool hideAllGadgets = false;
    bool updateSchemeControls = false;
    bool relayoutGadgets = false;
    std::optional<int> arrangeShownGadgets;  // along this edge
};

CheckEffects EffectsOfToggle(PanelCheck check, bool nowSet, bool anyGadgetShown, int arrangementIndex);

// The check pictures the window holds.
std::string_view CheckPictureName(bool checked, bool enabled);

// How the arrangement field and "Small" look with the monitoring panel on or
// off: enabled with their Up pictures and light labels, or disabled with
// their Ds pictures, grey labels and a "Small" label that ignores clicks.
struct SchemeControlsLook {
    bool enabled = true;
    std::string_view smallPicture;
    bool greyLabels = false;
    bool smallLabelClickable = true;
};
SchemeControlsLook SchemeLookFor(bool gadgetsEnabled, bool smallSet);

// "Top", "Right", "Bottom", "Left" for 0..3; "User" for any other index.
std::string_view ArrangementName(int arrangementIndex);
inline constexpr int kArrangementCount = 4;

struct ScreenSpot {
    int left = 0;
    int top = 0;
    bool operator==(const ScreenSpot&) const = default;
};

// The list window opens with its top-left corner 2 pixels below the
// arrangement button, aligned with its left edge.
ScreenSpot ChooserSpot(int panelLeft, int panelTop, int buttonLeft, int buttonTop, int buttonHeight);

}  // namespace vantor::views
