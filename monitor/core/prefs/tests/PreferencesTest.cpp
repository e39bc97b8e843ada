#include "prefs/Preferences.h"

#include <gtest/gtest.h>

#include "config/MemoryProfileStore.h"

namespace vantor::monitor {
namespace {

constexpr const char* kIniPath = "C:\\Program Files\\Vantor\\Vantor.ini";

class PreferencesTest : public ::testing::Test {
protected:
    MemoryProfileStore store;
    Preferences preferences{store, kIniPath};
};

TEST_F(PreferencesTest, FileIsBesideTheProgram)
{
    EXPECT_EQ(PreferencesPath("C:\\Program Files\\Vantor\\Vantor.exe"), kIniPath);
    EXPECT_EQ(PreferencesPath("C:\\v.1\\Vantor"), "C:\\v.1\\Vantor.ini");
    EXPECT_EQ(GadgetSectionName(12), "arcrft12");
}

TEST_F(PreferencesTest, FlagsStartSetUnlessStoredAsZero)
{
    store.SetFileText(kIniPath, "[Preference]\r\n"
                                "bAlwaysonTop=0\r\n"
                                "bEnableAirCraft=7\r\n"
                                "bEnableSoundEffect=on\r\n"
                                "nSchemeIdx=2\r\n");
    const PreferenceStartup startup = ReadPreferenceStartup(preferences);
    // bSmall is missing: set too.
    EXPECT_EQ(startup.FlagOn, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_EQ(startup.Scheme, GadgetScheme::Bottom);
    EXPECT_EQ(preferences.ReadPreference("bSmall"), -1);
    EXPECT_EQ(store.WriteCount(), 0);  // reading writes nothing
}

TEST_F(PreferencesTest, NoFileGivesUserSchemeAndOutOfRangeSchemesReadAsUser)
{
    EXPECT_EQ(ReadPreferenceStartup(preferences).FlagOn, (std::array<bool, 4>{true, true, true, true}));
    for (const char* stored : {"", "-1", "4", "-2", "x"}) {
        SCOPED_TRACE(stored);
        store.SetFileText(kIniPath, std::string("[Preference]\r\nnSchemeIdx=") + stored + "\r\n");
        EXPECT_EQ(preferences.ReadScheme(), GadgetScheme::User);
    }
}

TEST_F(PreferencesTest, WritesSignedDecimalAndReportsRefusal)
{
    EXPECT_EQ(preferences.WritePreference("bSmall", 1), std::nullopt);
    EXPECT_EQ(preferences.WritePreference("nSchemeIdx", -1), std::nullopt);
    EXPECT_EQ(store.FileText(kIniPath), "[Preference]\r\nbSmall=1\r\nnSchemeIdx=-1\r\n");

    store.SetReadOnly(kIniPath, true);
    EXPECT_EQ(preferences.WritePreference("bSmall", 0), "Unable to write to " + std::string(kIniPath));
    EXPECT_EQ(preferences.WriteCoverPlacement({{10, 20}, true}), "Unable to write to " + std::string(kIniPath));
    EXPECT_EQ(preferences.WriteGadgetPosition(0, {1, 2}), "Unable to write to " + std::string(kIniPath));
    EXPECT_EQ(store.FileText(kIniPath), "[Preference]\r\nbSmall=1\r\nnSchemeIdx=-1\r\n");
}

TEST_F(PreferencesTest, CoverIsCentredUntilItsPlaceIsStored)
{
    // 1024 x 768 screen, main panel 501 wide, cover 301 high: integer halves.
    CoverPlacement placement = preferences.ReadCoverPlacement(1024, 768, 501, 301);
    EXPECT_EQ(placement.Position, (ScreenPoint{512 - 250, 384 - 150}));
    EXPECT_FALSE(placement.MainPanelClosed);

    ASSERT_EQ(preferences.WriteCoverPlacement({{-40, 15}, true}), std::nullopt);
    EXPECT_EQ(store.FileText(kIniPath), "[maincover]\r\nLeft=-40\r\nTop=15\r\nMainPanelClosed=1\r\n");
    placement = preferences.ReadCoverPlacement(1024, 768, 501, 301);
    EXPECT_EQ(placement.Position, (ScreenPoint{-40, 15}));
    EXPECT_TRUE(placement.MainPanelClosed);
}

TEST_F(PreferencesTest, GadgetPositionsDefaultToWhereTheGadgetIs)
{
    EXPECT_FALSE(preferences.HasGadgetPositions());
    store.SetFileText(kIniPath, "[arcrft1]\r\nLeft=5\r\nTop=6\r\n");
    EXPECT_FALSE(preferences.HasGadgetPositions());  // only gadget 0's section counts

    ASSERT_EQ(preferences.WriteGadgetPosition(0, {300, 400}), std::nullopt);
    EXPECT_TRUE(preferences.HasGadgetPositions());
    EXPECT_EQ(preferences.ReadGadgetPosition(0, {1, 1}), (ScreenPoint{300, 400}));
    EXPECT_EQ(preferences.ReadGadgetPosition(1, {1, 1}), (ScreenPoint{5, 6}));
    EXPECT_EQ(preferences.ReadGadgetPosition(2, {70, 80}), (ScreenPoint{70, 80}));
    store.SetFileText(kIniPath, "[arcrft0]\r\nLeft=junk\r\nTop=9\r\n");
    EXPECT_EQ(preferences.ReadGadgetPosition(0, {70, 80}), (ScreenPoint{70, 9}));
}

}  // namespace
}  // namespace vantor::monitor
