// The broadcast hook in this process: a posting to every top-level window
// refreshes the fan control once, whatever number of the program's windows
// it reaches and whichever loop takes it; other codes do nothing; and the
// application window ends the run when asked to close.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/ApplicationWindow_win.h"
#include "app/BroadcastHook_win.h"
#include "startup/BroadcastRule.h"
#include "testing/ScreenInput_win.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TGoodForm.h"

namespace vantor::views {
namespace {

using testing::Pump;

class Broadcast : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_application.Create("Vantor"));
        // Two more top-level windows of the program, one shown, one hidden.
        toolkit::FormOptions options;
        options.width = 60;
        options.height = 40;
        ASSERT_TRUE(m_shown.Create(options));
        ASSERT_TRUE(m_hidden.Create(options));
        m_shown.Show();
        m_hook = std::make_unique<BroadcastHook>(m_application.Handle(), [this] { ++m_refreshes; });
        ASSERT_TRUE(m_hook->Install());
        Pump();
    }

    void Post(WPARAM code) { PostMessageA(HWND_BROADCAST, m_hook->BroadcastMessage(), code, 0); }

    ApplicationWindow m_application;
    toolkit::TGoodForm m_shown{"frmShown"};
    toolkit::TGoodForm m_hidden{"frmHidden"};
    int m_refreshes = 0;
    std::unique_ptr<BroadcastHook> m_hook;
};

TEST_F(Broadcast, OnePostingRefreshesOnce)
{
    ASSERT_EQ(toolkit::ApplicationWindow(), m_application.Handle());
    EXPECT_EQ(m_hook->BroadcastMessage(), RegisterWindowMessageA("WM_ZYKO_BROADCAST_MESSAGE"));
    Post(monitor::kFanSettingsChanged);
    Pump(300);
    EXPECT_EQ(m_refreshes, 1);
    Post(monitor::kFanSettingsChanged);
    Post(monitor::kFanSettingsChanged);
    Pump(300);
    EXPECT_EQ(m_refreshes, 3);
}

TEST_F(Broadcast, OtherCodesAndOtherWindowsAreIgnored)
{
    Post(5716);
    // The same message addressed to one of the other windows alone.
    PostMessageA(m_shown.Handle(), m_hook->BroadcastMessage(), monitor::kFanSettingsChanged, 0);
    Pump(300);
    EXPECT_EQ(m_refreshes, 0);
    // Addressed to the application window alone, lParam aside.
    PostMessageA(m_application.Handle(), m_hook->BroadcastMessage(), monitor::kFanSettingsChanged, 77);
    Pump(300);
    EXPECT_EQ(m_refreshes, 1);
}

TEST_F(Broadcast, AMessageLookedAtFirstCountsWhenItIsTaken)
{
    PostMessageA(m_application.Handle(), m_hook->BroadcastMessage(), monitor::kFanSettingsChanged, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, m_application.Handle(), 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, m_application.Handle(), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m_refreshes, 0);
    ASSERT_TRUE(PeekMessageA(&msg, m_application.Handle(), 0, 0, PM_REMOVE));
    EXPECT_EQ(m_refreshes, 1);
}

TEST_F(Broadcast, ClosingTheApplicationWindowEndsTheLoop)
{
    PostMessageA(m_application.Handle(), WM_CLOSE, 0, 0);
    MSG msg;
    bool quit = false;
    const DWORD start = GetTickCount();
    while (!quit && GetTickCount() - start < 5000) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                break;
            }
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    EXPECT_TRUE(quit);
    EXPECT_TRUE(IsWindow(m_application.Handle())) << "the window stays until the run destroys it";
}

}  // namespace
}  // namespace vantor::views
