#include "gadget/GadgetRoster.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

using monitor::SensorKind;

TEST(GadgetOrder, VoltagesThenTemperaturesThenFansEachInDescriptorOrder)
{
    EXPECT_EQ(GadgetOrder(2, 1, 2), (std::vector<GadgetSlot>{{SensorKind::Voltage, 0},
                                                             {SensorKind::Voltage, 1},
                                                             {SensorKind::Temperature, 0},
                                                             {SensorKind::Fan, 0},
                                                             {SensorKind::Fan, 1}}));
    EXPECT_TRUE(GadgetOrder(0, 0, 0).empty());
    const std::vector<GadgetSlot> fansOnly = GadgetOrder(0, 0, 3);
    ASSERT_EQ(fansOnly.size(), 3u);
    EXPECT_EQ(fansOnly[2], (GadgetSlot{SensorKind::Fan, 2}));
}

// The many board lists 20 voltages, 8 temperatures and 8 fans: 36 gadgets,
// of which the first 32 own a mask bit.
TEST(GadgetRoster, ABoardWithMoreThan32SensorsKeepsEveryGadgetAndFillsOnlyTheMasks)
{
    GadgetRoster roster(GadgetOrder(20, 8, 8));
    ASSERT_EQ(roster.Count(), 36u);
    for (std::size_t i = 0; i < roster.Count(); ++i)
        roster.MarkCreated(i);
    EXPECT_EQ(roster.CreatedMask(), 0xFFFFFFFFu);

    roster.SetShown(35, true);
    roster.SetShown(33, true);
    EXPECT_TRUE(roster.Shown(35));
    EXPECT_TRUE(roster.Shown(33));
    EXPECT_FALSE(roster.Shown(34));
    EXPECT_EQ(roster.ShownMask(), 0u);

    roster.SetShown(31, true);
    roster.SetShown(0, true);
    EXPECT_EQ(roster.ShownMask(), 0x80000001u);
    roster.SetShown(35, false);
    roster.SetShown(31, false);
    EXPECT_EQ(roster.ShownMask(), 0x00000001u);
    EXPECT_FALSE(roster.Shown(35));

    roster.SetMagnetOff(35, true);
    EXPECT_TRUE(roster.MagnetOff(35));
    EXPECT_FALSE(roster.MagnetOff(34));
    EXPECT_EQ(roster.MagnetOffFlags().size(), 36u);

    EXPECT_EQ(GadgetMaskBit(31), 0x80000000u);
    EXPECT_EQ(GadgetMaskBit(32), 0u);
    EXPECT_EQ(GadgetMaskBit(1000), 0u);
}

}  // namespace
}  // namespace vantor::views
