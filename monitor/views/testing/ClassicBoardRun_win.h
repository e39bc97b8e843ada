// The fixture of the end-to-end tests that start Vantor.exe on the classic
// board with its windows on the screen: a program folder of the test's own,
// the service serving the classic board, a start that waits for the main
// panel and every gadget, and the preference file read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "testing/EndToEnd_win.h"

namespace vantor::views::testing {

class ClassicBoardRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
        ASSERT_EQ(RestoreServiceBoard(), 0u);
    }

    // Starts Vantor.exe and waits for the main panel and the classic
    // board's gadgets on the screen.
    void StartShown(VantorProcess& vantor)
    {
        ASSERT_TRUE(vantor.Start(m_folder));
        m_panel = vantor.WaitForVisibleWindow(kSkinnedClass, kMainPanelCaption, kStartTimeoutMs);
        ASSERT_NE(m_panel, nullptr) << "the main panel is shown at start";
        ASSERT_TRUE(WaitUntil([&] { return VisibleGadgets(vantor).size() == kClassicSensors; }, kStartTimeoutMs))
                << VisibleGadgets(vantor).size() << " gadgets shown";
    }

    // A key of the run's Vantor.ini; "(none)" when it is not there.
    std::string Ini(const std::string& section, const char* key) const
    {
        char value[64] = "";
        GetPrivateProfileStringA(section.c_str(), key, "(none)", value, sizeof value,
                                 (m_folder.Path() + "Vantor.ini").c_str());
        return value;
    }

    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    HWND m_panel = nullptr;
};

}  // namespace vantor::views::testing
