// The main panel and the cover together on the screen, with small stand-ins
// for the list window and the gadgets: real mouse input, pixels read from
// the screen, the preference file read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "testing/NullViews.h"
#include "WineMouse.h"
#include "WineScreen.h"
#include "app/Views.h"
#include "config/ProfileStore_win.h"
#include "cover/CoverView.h"
#include "gadget/GadgetsView.h"
#include "info/InfoBrowserView.h"
#include "list/ListView.h"
#include "mainpanel/MainPanelView.h"
#include "prefs/Preferences.h"
#include "startup/DebugLog.h"

namespace vantor::views {
namespace {

using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::Pump;
using toolkit::test::SaveScreenshot;
using toolkit::test::ScreenPoint;

class FakeList final : public ::vantor::views::testing::NullList {
public:
    void PlaceAt(int left, int top) override { placedAt = {left, top}; }
    void SetItems(std::vector<std::string>) override {}
    ListResult ShowListWindow(ListMode mode, ListContent content) override
    {
        shown.push_back({mode, content});
        return ListResult::Ok;
    }
    int SelectedIndex() const override { return 2; }
    std::string MessageText() const override { return {}; }
    void SetMessageText(std::string) override {}
    bool MessageWindowShown() const override { return false; }

    POINT placedAt{-1, -1};
    std::vector<std::pair<ListMode, ListContent>> shown;
};

class FakeGadgets final : public ::vantor::views::testing::NullGadgets {
public:
    void ShowEnabledGadgets() override { calls.push_back("show"); }
    void HideAllGadgets() override { calls.push_back("hide"); }
    void RelayoutGadgets() override { calls.push_back("relayout"); }
    void ArrangeGadgets(int index, GadgetSelection) override
    {
        calls.push_back("arrange " + std::to_string(index));
        arrangement = index;
    }
    int ArrangementIndex() const override { return arrangement; }
    void EvaluateAll() override {}
    void AfterCommit() override {}

    std::vector<std::string> calls;
    int arrangement = -1;
};

COLORREF ScreenPixel(POINT at)
{
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return c;
}

bool IsRed(COLORREF c) { return GetRValue(c) > 150 && GetRValue(c) > GetGValue(c) + 80; }

// The red pixels the screen shows in a window's client area (the tray's
// icons; Wine may give its tray window a caption with an icon of its own).
int RedPixelsIn(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    HDC screen = GetDC(nullptr);
    int red = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            red += IsRed(GetPixel(screen, x, y)) ? 1 : 0;
    }
    ReleaseDC(nullptr, screen);
    return red;
}

// A point of the bare desktop: the bottom-left corner, away from the tray
// window Wine puts at the top-left when X has no tray.
POINT DesktopPoint() { return {2, GetSystemMetrics(SM_CYSCREEN) - 2}; }

// Pumps until `done` holds; false when it did not within `ms`.
bool WaitFor(const std::function<bool()>& done, DWORD ms = 5000)
{
    const DWORD end = GetTickCount() + ms;
    while (!done()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        Pump(20);
    }
    return true;
}

// A left click at a window's client point. Messages are pumped by hand so
// that a WM_QUIT the click posts is seen instead of swallowed.
bool ClickNotingQuit(HWND window, int x, int y)
{
    MouseTo(ScreenPoint(window, x, y));
    bool quit = false;
    for (DWORD flags : {DWORD{MOUSEEVENTF_LEFTDOWN}, DWORD{MOUSEEVENTF_LEFTUP}}) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof in);
        const DWORD end = GetTickCount() + 100;
        do {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT)
                    quit = true;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(5);
        } while (static_cast<LONG>(end - GetTickCount()) > 0);
    }
    return quit;
}

void Click(HWND window, int x, int y) { ClickNotingQuit(window, x, y); }

// Screenshots without a hint or a hover picture on them.
void ScreenshotWithPointerAway(const std::string& name)
{
    MouseTo(POINT{1270, 1000});
    Pump(200);
    SaveScreenshot(name);
}

bool QuitPosted()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

class PanelAndCover : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "vantor-panel-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        m_ini = m_folder + "Vantor.ini";
        DeleteFileA(m_ini.c_str());
        m_preferences = std::make_unique<monitor::Preferences>(m_store, m_ini);
        TheViews().preferences = m_preferences.get();
        TheViews().list = &m_list;
        TheViews().gadgets = &m_gadgets;
        TheViews().startedAtBoot = false;
    }

    void TearDown() override
    {
        m_cover.reset();
        m_panel.reset();
        TheViews() = Views{};
        monitor::OpenDebugLog(m_folder, false);
        DeleteFileA(m_ini.c_str());
        DeleteFileA((m_folder + "DebugMsg.log").c_str());
        RemoveDirectoryA(m_folder.c_str());
        Pump(100);
    }

    // Creates the two windows in the program's order and shows them as the
    // message loop does.
    void Start()
    {
        m_panel = CreateMainPanel();
        ASSERT_TRUE(m_panel);
        m_cover = CreateCover();
        ASSERT_TRUE(m_cover);
        ASSERT_NE(TheViews().mainPanel, nullptr);
        ASSERT_NE(TheViews().cover, nullptr);
        Panel().ShowPanel();
        SetForegroundWindow(PanelWindow());
        Pump(300);
    }

    MainPanelView& Panel() { return *TheViews().mainPanel; }
    CoverView& Cover() { return *TheViews().cover; }
    HWND PanelWindow() { return static_cast<HWND>(Panel().WindowHandle()); }
    HWND CoverWindow() { return static_cast<HWND>(Cover().WindowHandle()); }
    RECT PanelRect()
    {
        RECT r;
        GetWindowRect(PanelWindow(), &r);
        return r;
    }
    RECT CoverRect()
    {
        RECT r;
        GetWindowRect(CoverWindow(), &r);
        return r;
    }

    std::string Ini(const char* section, const char* key)
    {
        char value[64] = "";
        GetPrivateProfileStringA(section, key, "(none)", value, sizeof value, m_ini.c_str());
        return value;
    }

    bool SlideOver() { return IsWindowEnabled(PanelWindow()) && IsWindowEnabled(CoverWindow()); }

    std::string m_folder;
    std::string m_ini;
    monitor::WinProfileStore m_store;
    std::unique_ptr<monitor::Preferences> m_preferences;
    FakeList m_list;
    FakeGadgets m_gadgets;
    std::unique_ptr<ProgramWindow> m_panel;
    std::unique_ptr<ProgramWindow> m_cover;
};

TEST_F(PanelAndCover, AppearsBesideTheCoverAndSlidesBehindItAndBack)
{
    Start();
    const COLORREF desktop = ScreenPixel(DesktopPoint());
    const RECT cover = CoverRect();
    // No preference file: the cover is centred by the panel's width and its own height.
    EXPECT_EQ(cover.left, 1280 / 2 - 558 / 2);
    EXPECT_EQ(cover.top, 1024 / 2 - 325 / 2);
    EXPECT_EQ(PanelRect().left, cover.left);
    EXPECT_EQ(PanelRect().top, cover.top);
    EXPECT_TRUE(IsWindowVisible(PanelWindow()));
    EXPECT_TRUE(IsWindowVisible(CoverWindow()));
    EXPECT_EQ(GetWindow(CoverWindow(), GW_OWNER), PanelWindow()) << "the cover stays above the panel";

    // The panel's art right of the cover, the cover's art, nothing past the art.
    const POINT panelArt{cover.left + 300, cover.top + 100};
    EXPECT_NE(ScreenPixel(panelArt), desktop);
    EXPECT_NE(ScreenPixel({cover.left + 98, cover.top + 72}), desktop);
    EXPECT_EQ(ScreenPixel({cover.left + 550, cover.top + 100}), desktop);
    EXPECT_EQ(ScreenPixel({cover.left + 300, cover.top + 240}), desktop) << "the picture holders are never seen";
    ScreenshotWithPointerAway("mainpanel_start");

    Click(PanelWindow(), 518, 104);  // the slide button
    ASSERT_TRUE(WaitFor([&] { return SlideOver(); }));
    EXPECT_TRUE(Panel().PanelClosed());
    EXPECT_EQ(PanelRect().left, cover.left - 270);
    EXPECT_EQ(Panel().CoverOffset(), 270);
    EXPECT_EQ(CoverRect().left, cover.left) << "the cover stays";
    EXPECT_EQ(ScreenPixel(panelArt), desktop) << "the panel is behind the cover";
    EXPECT_NE(ScreenPixel({cover.left + 230, cover.top + 100}), desktop) << "its right end stays out";
    ScreenshotWithPointerAway("mainpanel_slid_in");

    Click(PanelWindow(), 518, 104);  // the slide button, now at the cover's right
    ASSERT_TRUE(WaitFor([&] { return SlideOver(); }));
    EXPECT_FALSE(Panel().PanelClosed());
    EXPECT_EQ(PanelRect().left, cover.left);
    EXPECT_EQ(Panel().CoverOffset(), 0);
    EXPECT_NE(ScreenPixel(panelArt), desktop);
}

TEST_F(PanelAndCover, ASavedClosedPanelSlidesInAtTheFirstShow)
{
    WritePrivateProfileStringA("maincover", "Left", "200", m_ini.c_str());
    WritePrivateProfileStringA("maincover", "Top", "150", m_ini.c_str());
    WritePrivateProfileStringA("maincover", "MainPanelClosed", "1", m_ini.c_str());
    Start();
    EXPECT_EQ(CoverRect().left, 200);
    EXPECT_EQ(CoverRect().top, 150);
    ASSERT_TRUE(WaitFor([&] { return SlideOver() && PanelRect().left == 200 - 270; }));
    EXPECT_TRUE(Panel().PanelClosed());
    EXPECT_EQ(PanelRect().top, 150);

    // A display mode change keeps the closed panel behind the cover; a
    // change of the icon metrics puts it on the cover's left edge.
    MoveWindow(PanelWindow(), 500, 500, PanelRect().right - PanelRect().left, PanelRect().bottom - PanelRect().top,
               TRUE);
    SendMessageA(CoverWindow(), WM_DISPLAYCHANGE, 24, MAKELPARAM(1280, 1024));
    EXPECT_EQ(PanelRect().left, 200 - 270);
    EXPECT_EQ(PanelRect().top, 150);
    SendMessageA(CoverWindow(), WM_SETTINGCHANGE, SPI_SETICONMETRICS + 1, 0);
    EXPECT_EQ(PanelRect().left, 200 - 270) << "other settings leave it";
    SendMessageA(CoverWindow(), WM_SETTINGCHANGE, SPI_SETICONMETRICS, 0);
    EXPECT_EQ(PanelRect().left, 200);
    EXPECT_EQ(PanelRect().top, 150);
}

TEST_F(PanelAndCover, CheckBoxesWriteTheirPreferences)
{
    Start();
    // A first start switches the four flags on and stores them.
    for (const char* key : {"bAlwaysonTop", "bEnableAirCraft", "bEnableSoundEffect", "bSmall"})
        EXPECT_EQ(Ini("Preference", key), "1") << key;
    EXPECT_EQ(Ini("Preference", "nSchemeIdx"), "(none)");
    EXPECT_TRUE(GetWindowLongA(PanelWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(CoverWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "the cover follows its owner";

    Click(PanelWindow(), 222, 124);  // the label "Enable Sound Effect"
    EXPECT_EQ(Ini("Preference", "bEnableSoundEffect"), "0");
    EXPECT_FALSE(Panel().SoundEffects());
    Click(PanelWindow(), 204, 124);  // its check image
    EXPECT_EQ(Ini("Preference", "bEnableSoundEffect"), "1");
    EXPECT_TRUE(Panel().SoundEffects());

    Click(PanelWindow(), 222, 57);  // "Always on Top"
    EXPECT_EQ(Ini("Preference", "bAlwaysonTop"), "0");
    EXPECT_FALSE(GetWindowLongA(PanelWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    m_gadgets.calls.clear();
    Click(PanelWindow(), 240, 107);  // "Small"
    EXPECT_EQ(Ini("Preference", "bSmall"), "0");
    EXPECT_EQ(m_gadgets.calls, (std::vector<std::string>{"relayout"})) << "arrangement User: no arranging";

    Click(PanelWindow(), 222, 74);  // "Enable Monitoring Panel" off: "Small" is greyed and ignores clicks
    EXPECT_EQ(Ini("Preference", "bEnableAirCraft"), "0");
    Click(PanelWindow(), 240, 107);
    EXPECT_EQ(Ini("Preference", "bSmall"), "0");
    EXPECT_FALSE(Panel().SmallGadgets());
}

TEST_F(PanelAndCover, TheArrangementChooserOpensTheListBelowTheFieldAndStoresTheChoice)
{
    Start();
    m_gadgets.calls.clear();
    Click(PanelWindow(), 351, 92);  // the drop-down button at 345, 84, 13 x 16
    const RECT panel = PanelRect();
    EXPECT_EQ(m_list.placedAt.x, panel.left + 345);
    EXPECT_EQ(m_list.placedAt.y, panel.top + 84 + 16 + 2);
    ASSERT_EQ(m_list.shown.size(), 1u);
    EXPECT_EQ(m_list.shown[0].first, ListMode::List);
    EXPECT_EQ(m_list.shown[0].second, ListContent::Arrangements);
    EXPECT_EQ(m_gadgets.calls, (std::vector<std::string>{"arrange 2"}));
    EXPECT_EQ(Ini("Preference", "nSchemeIdx"), "2");
}

int VisibleWindowsOfThisThread()
{
    int count = 0;
    EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM counter) -> BOOL {
                *reinterpret_cast<int*>(counter) += IsWindowVisible(window) ? 1 : 0;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
    return count;
}

class FakeInfoBrowser final : public InfoBrowserView {
public:
    void ShowPage(int page) override { pages.push_back(-page); }
    void ShowPageModal(int page) override { pages.push_back(page); }
    void ReportWindowReady() override {}
    std::vector<int> pages;
};

TEST_F(PanelAndCover, InformationButtonsOpenTheBrowserOnTheirPage)
{
    FakeInfoBrowser browser;
    TheViews().infoBrowser = &browser;
    Start();
    Click(PanelWindow(), 450, 50);   // DMI
    Click(PanelWindow(), 450, 88);   // PCI
    Click(PanelWindow(), 450, 114);  // WMI
    EXPECT_EQ(browser.pages, (std::vector<int>{3, 2, 1}));
}

// Without the window a button opens (a run where it could not be made), a
// click opens nothing and leaves a line in the debug log.
TEST_F(PanelAndCover, ButtonsOfWindowsNotThereOnlyLeaveADebugLine)
{
    Start();
    monitor::OpenDebugLog(m_folder, true);
    const int windows = VisibleWindowsOfThisThread();
    Click(PanelWindow(), 450, 50);   // DMI
    Click(PanelWindow(), 450, 140);  // Usage
    Click(CoverWindow(), 80, 150);   // CONFIG
    Click(CoverWindow(), 140, 150);  // REPORT
    EXPECT_EQ(VisibleWindowsOfThisThread(), windows);
    std::ifstream file(m_folder + "DebugMsg.log");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "1: imgDMIClick: the information browser (page 3) is not available\n"
                          "2: imgUSIClick: the usage window is not available\n"
                          "3: imgOptionClick: the options window is not available\n"
                          "4: imgHexagonClick: the report window is not available\n");
}

TEST_F(PanelAndCover, TheWarningLightAndTheTrayImageFollowTheAlarm)
{
    Start();
    const POINT bracket = ScreenPoint(PanelWindow(), 509, 150);  // the light's right arm
    EXPECT_FALSE(IsRed(ScreenPixel(bracket))) << "dark at start";
    // The notification area our icon is drawn in: Wine's own window when X
    // has no tray, the taskbar's on Windows.
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    if (!tray)
        tray = FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(RedPixelsIn(tray), 0) << "the quiet icon has no red";

    Panel().ShowWarningLight(true);
    Panel().SetTrayImage(1);
    Pump(300);
    EXPECT_TRUE(IsRed(ScreenPixel(bracket)));
    EXPECT_FALSE(IsRed(ScreenPixel(ScreenPoint(PanelWindow(), 450, 100)))) << "only the bracket lights up";
    EXPECT_GT(RedPixelsIn(tray), 20) << "the warning icon is red";
    ScreenshotWithPointerAway("mainpanel_warning");

    Panel().ShowWarningLight(false);
    Panel().SetTrayImage(0);
    Pump(300);
    EXPECT_FALSE(IsRed(ScreenPixel(bracket)));
    EXPECT_EQ(RedPixelsIn(tray), 0);
}

TEST_F(PanelAndCover, DraggingTheCoverMovesBothAndExitSavesWhereItWas)
{
    Start();
    const RECT cover = CoverRect();
    const RECT panel = PanelRect();
    MouseTo(ScreenPoint(CoverWindow(), 30, 100));
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step)
        MouseTo(ScreenPoint(CoverWindow(), 30 + 10, 100 + 5));
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    Pump(100);
    const RECT moved = CoverRect();
    EXPECT_EQ(moved.left - cover.left, 40);
    EXPECT_EQ(moved.top - cover.top, 20);
    EXPECT_EQ(PanelRect().left - panel.left, 40) << "the panel goes along";
    EXPECT_EQ(PanelRect().top - panel.top, 20);

    EXPECT_TRUE(ClickNotingQuit(CoverWindow(), 185, 14)) << "the close box ends the message loop";
    EXPECT_EQ(Ini("maincover", "Left"), std::to_string(moved.left));
    EXPECT_EQ(Ini("maincover", "Top"), std::to_string(moved.top));
    EXPECT_EQ(Ini("maincover", "MainPanelClosed"), "0");
    EXPECT_FALSE(IsWindowVisible(CoverWindow()));
    EXPECT_FALSE(IsWindowVisible(PanelWindow()));

    m_cover.reset();
    EXPECT_EQ(TheViews().cover, nullptr);
    m_cover = CreateCover();
    ASSERT_TRUE(m_cover);
    EXPECT_EQ(CoverRect().left, moved.left);
    EXPECT_EQ(CoverRect().top, moved.top);
}

TEST_F(PanelAndCover, HideHidesBothAndTheTrayRestoresThem)
{
    Start();
    Click(CoverWindow(), 167, 14);  // the hide box
    EXPECT_FALSE(IsWindowVisible(CoverWindow()));
    EXPECT_FALSE(IsWindowVisible(PanelWindow()));
    EXPECT_FALSE(Panel().WindowsShown());

    // The shell tells the tray icon's window of a left click on the icon.
    HWND tray = FindWindowA("VantorTrayIcon", nullptr);
    ASSERT_NE(tray, nullptr);
    SendMessageA(tray, WM_APP + 17, 1, WM_LBUTTONUP);
    Pump(150);
    EXPECT_TRUE(IsWindowVisible(CoverWindow()));
    EXPECT_TRUE(IsWindowVisible(PanelWindow()));
    EXPECT_TRUE(Panel().WindowsShown());
    EXPECT_EQ(ScreenPixel({CoverRect().left + 2, CoverRect().top + 2}), ScreenPixel(DesktopPoint()))
            << "the cover keeps its shape";
}

TEST_F(PanelAndCover, ControlMessagesEndOrLeaveTheRun)
{
    Start();
    QuitPosted();
    SendMessageA(PanelWindow(), WM_USER + 2, 0, 0);
    SendMessageA(PanelWindow(), WM_USER + 7, 0, 0);
    EXPECT_FALSE(QuitPosted());
    EXPECT_TRUE(IsWindowVisible(PanelWindow()));

    SendMessageA(PanelWindow(), WM_USER + 1, 0, 0);  // minimise
    EXPECT_FALSE(IsWindowVisible(PanelWindow()));
    EXPECT_FALSE(IsWindowVisible(CoverWindow()));
    SendMessageA(PanelWindow(), WM_USER + 3, 0, 0);  // restore
    EXPECT_TRUE(IsWindowVisible(PanelWindow()));
    EXPECT_TRUE(IsWindowVisible(CoverWindow()));

    SendMessageA(PanelWindow(), WM_USER, 0, 0);
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(Ini("maincover", "Left"), "(none)") << "ending this way saves nothing";
}

TEST_F(PanelAndCover, AStartAtBootGoesToTheTray)
{
    TheViews().startedAtBoot = true;
    Start();
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(PanelWindow()); }));
    EXPECT_FALSE(IsWindowVisible(CoverWindow()));
    EXPECT_FALSE(Panel().WindowsShown());
    SendMessageA(FindWindowA("VantorTrayIcon", nullptr), WM_APP + 17, 1, WM_LBUTTONUP);
    Pump(150);
    EXPECT_TRUE(IsWindowVisible(PanelWindow()));
    EXPECT_TRUE(IsWindowVisible(CoverWindow()));
}

}  // namespace
}  // namespace vantor::views
