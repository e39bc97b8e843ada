// Vantor.exe on the simulated board with the options window driven as a
// user drives it: opened from the cover, thresholds typed and applied,
// Cancel and Default, the fan control switched, the restart question on the
// group board, and profiles saved and loaded through the real file dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "option/tests/OptionsDriver_win.h"

namespace vantor::views {
namespace {

using namespace optiontest;

class OptionsRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
        ASSERT_EQ(testing::RestoreServiceBoard(), 0u);
    }
    void TearDown() override { testing::RestoreServiceBoard(); }

    std::string SettingsFile() const { return m_folder.Read("vantor.dat"); }

    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(OptionsRun, PagesOnTheClassicBoard)
{
    VantorProcess vantor;
    HWND options = StartAndOpenOptions(vantor, m_folder);
    ASSERT_NE(options, nullptr) << "the cover's Option button opens the options window";
    testing::Pump(500);
    testing::SaveScreenshot("options-sensor-temperature-classic");
    ClickClient(options, {198, 87});
    testing::SaveScreenshot("options-sensor-voltage-classic");
    ClickClient(options, kSensorTab3);
    testing::SaveScreenshot("options-sensor-fan-classic");
    ClickClient(options, kMainTab2);
    testing::SaveScreenshot("options-preference-classic");
    EXPECT_TRUE(vantor.End());
}

}  // namespace
}  // namespace vantor::views
