#include "mainpanel/PanelChecks.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::views {
namespace {

// The effects as one line, so a table row reads like what the click does.
std::string Describe(const CheckEffects& e)
{
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : " ") + part; };
    if (e.write)
        add("write " + std::string(e.write->key) + "=" + std::to_string(e.write->value));
    if (e.autoStart)
        add(*e.autoStart ? "autostart-write" : "autostart-delete");
    if (e.applyTopmost)
        add("topmost");
    if (e.showEnabledGadgets)
        add("show");
    if (e.hideAllGadgets)
        add("hide");
    if (e.updateSchemeControls)
        add("scheme-controls");
    if (e.relayoutGadgets)
        add("relayout");
    if (e.arrangeShownGadgets)
        add("arrange " + std::to_string(*e.arrangeShownGadgets));
    return text;
}

TEST(PanelChecks, EachToggleWritesItsKeyAndSetsOffItsEffects)
{
    struct Case {
        PanelCheck check;
        bool nowSet;
        bool anyShown;
        int arrangement;
        const char* expected;
    };
    const Case cases[] = {
            {PanelCheck::AlwaysOnTop, true, false, -1, "write bAlwaysonTop=1 topmost"},
            {PanelCheck::AlwaysOnTop, false, true, 2, "write bAlwaysonTop=0 topmost"},
            {PanelCheck::EnableAirCraft, true, false, -1, "write bEnableAirCraft=1 show scheme-controls"},
            {PanelCheck::EnableAirCraft, true, true, -1, "write bEnableAirCraft=1 show scheme-controls"},
            {PanelCheck::EnableAirCraft, false, true, 1, "write bEnableAirCraft=0 hide scheme-controls"},
            // cleared while none is shown: the gadgets come up as for a set flag
            {PanelCheck::EnableAirCraft, false, false, 1, "write bEnableAirCraft=0 show scheme-controls"},
            {PanelCheck::Small, true, true, -1, "write bSmall=1 relayout"},
            {PanelCheck::Small, false, true, 0, "write bSmall=0 relayout arrange 0"},
            {PanelCheck::Small, true, false, 3, "write bSmall=1 relayout arrange 3"},
            {PanelCheck::EnableSoundEffect, true, true, 1, "write bEnableSoundEffect=1"},
            {PanelCheck::EnableSoundEffect, false, false, 1, "write bEnableSoundEffect=0"},
            {PanelCheck::RunAtBootup, true, false, -1, "autostart-write"},
            {PanelCheck::RunAtBootup, false, false, -1, "autostart-delete"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(InfoOf(c.check).caption) + (c.nowSet ? " set" : " cleared"));
        EXPECT_EQ(Describe(EffectsOfToggle(c.check, c.nowSet, c.anyShown, c.arrangement)), c.expected);
    }
}

TEST(PanelChecks, TheMonitoringPanelFlagEnablesOrGreysTheArrangementControls)
{
    const SchemeControlsLook on = SchemeLookFor(true, true);
    EXPECT_TRUE(on.enabled);
    EXPECT_EQ(on.smallPicture, "imgChecked");
    EXPECT_FALSE(on.greyLabels);
    EXPECT_TRUE(on.smallLabelClickable);
    EXPECT_EQ(SchemeLookFor(true, false).smallPicture, "imgUnchecked");

    const SchemeControlsLook off = SchemeLookFor(false, true);
    EXPECT_FALSE(off.enabled);
    EXPECT_EQ(off.smallPicture, "imgCheckedDs");
    EXPECT_TRUE(off.greyLabels);
    EXPECT_FALSE(off.smallLabelClickable);
    EXPECT_EQ(SchemeLookFor(false, false).smallPicture, "imgUncheckedDs");
}

TEST(PanelChecks, ArrangementNamesAndTheChooserSpot)
{
    struct Case {
        int index;
        const char* name;
    };
    for (const Case c : {Case{-1, "User"}, Case{0, "Top"}, Case{1, "Right"}, Case{2, "Bottom"}, Case{3, "Left"},
                         Case{4, "User"}, Case{-7, "User"}}) {
        EXPECT_EQ(ArrangementName(c.index), c.name) << c.index;
    }
    // Below the 13 x 16 drop-down button at 345, 84 of a panel at 233, 222.
    EXPECT_EQ(ChooserSpot(233, 222, 345, 84, 16), (ScreenSpot{578, 324}));
}

}  // namespace
}  // namespace vantor::views
