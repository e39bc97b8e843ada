#include "mainpanel/PanelChecks.h"

#include <array>

namespace vantor::views {

const PanelCheckInfo& InfoOf(PanelCheck check)
{
    for (const PanelCheckInfo& info : kPanelChecks) {
        if (info.check == check)
            return info;
    }
    return kPanelChecks[0];  // every PanelCheck has its row
}

CheckEffects EffectsOfToggle(PanelCheck check, bool nowSet, bool anyGadgetShown, int arrangementIndex)
{
    CheckEffects effects;
    const PanelCheckInfo& info = InfoOf(check);
    if (!info.key.empty())
        effects.write = PreferenceWrite{info.key, nowSet ? 1 : 0};
    switch (check) {
    case PanelCheck::AlwaysOnTop:
        effects.applyTopmost = true;
        break;
    case PanelCheck::EnableAirCraft:
        // Cleared while none is shown, the check brings the gadgets up as
        // if it had been set: a click always makes a visible difference.
        if (!nowSet && anyGadgetShown)
            effects.hideAllGadgets = true;
        else
            effects.showEnabledGadgets = true;
        effects.updateSchemeControls = true;
        break;
    case PanelCheck::Small:
        effects.relayoutGadgets = true;
        if (arrangementIndex >= 0)
            effects.arrangeShownGadgets = arrangementIndex;
        break;
    case PanelCheck::EnableSoundEffect:
        break;
    case PanelCheck::RunAtBootup:
        effects.autoStart = nowSet;
        break;
    }
    return effects;
}

std::string_view CheckPictureName(bool checked, bool enabled)
{
    if (enabled)
        return checked ? "imgChecked" : "imgUnchecked";
    return checked ? "imgCheckedDs" : "imgUncheckedDs";
}

SchemeControlsLook SchemeLookFor(bool gadgetsEnabled, bool smallSet)
{
    return SchemeControlsLook{.enabled = gadgetsEnabled,
                              .smallPicture = CheckPictureName(smallSet, gadgetsEnabled),
                              .greyLabels = !gadgetsEnabled,
                              .smallLabelClickable = gadgetsEnabled};
}

std::string_view ArrangementName(int arrangementIndex)
{
    static constexpr std::array<std::string_view, kArrangementCount> kNames{"Top", "Right", "Bottom", "Left"};
    if (arrangementIndex < 0 || arrangementIndex >= kArrangementCount)
        return "User";
    return kNames[static_cast<std::size_t>(arrangementIndex)];
}

ScreenSpot ChooserSpot(int panelLeft, int panelTop, int buttonLeft, int buttonTop, int buttonHeight)
{
    return ScreenSpot{panelLeft + buttonLeft, panelTop + buttonTop + buttonHeight + 2};
}

}  // namespace vantor::views
