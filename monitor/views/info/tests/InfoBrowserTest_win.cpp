// The information browser on the screen with real mouse input, and its
// worker against a program folder of its own: the real ZyDmi.dll, and a test
// library standing in for ZyPci.dll and ZyWmi.dll that can be held back or
// made to throw.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/Views.h"
#include "info/InfoPages.h"
#include "info/TfrmInfoBrowserE.h"
#include "report/ReportView.h"
#include "testing/NullViews.h"
#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"
#include "toolkit/Control.h"
#include "toolkit/TLabel.h"

namespace vantor::views {
namespace {

using testing::BuildFolder;
using testing::ClickAt;
using testing::ProgramFolder;
using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::Pump;
using toolkit::test::SaveScreenshot;
using toolkit::test::ScreenPoint;

constexpr const char* kWaitVariable = "VANTOR_FAKE_INFO_WAIT";
constexpr const char* kThrowVariable = "VANTOR_FAKE_INFO_THROW";

// Dispatches messages until `done` holds; false when it never did within the bound.
bool PumpUntil(const std::function<bool()>& done, DWORD boundMs = 60000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > boundMs)
            return false;
        Pump(20);
    }
    return true;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The report window as far as the worker's hand-over reaches it.
class FakeReport final : public testing::NullReport {
public:
    bool SystemInfoPageShown() const override { return systemPageShown; }
    void SystemReportWritten() override
    {
        reloadsOnThisThread += GetCurrentThreadId() == uiThread ? 1 : 0;
        ++reloads;
    }
    bool systemPageShown = true;
    DWORD uiThread = GetCurrentThreadId();
    int reloads = 0;
    int reloadsOnThisThread = 0;
};

class InfoBrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
        ASSERT_TRUE(m_folder.Exists("ZyDmi.dll"));
        m_folder.Remove("ZyPci.dll");
        m_folder.Remove("ZyWmi.dll");
        const std::string name = "VantorFakeInfo" + std::to_string(GetCurrentProcessId());
        m_release = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
        ASSERT_NE(m_release, nullptr);
        m_releaseName = name;
    }
    void TearDown() override
    {
        if (m_release) {
            SetEvent(m_release);
            CloseHandle(m_release);
        }
        m_window.reset();
        TheViews().report = nullptr;
        SetEnvironmentVariableA(kWaitVariable, nullptr);
        SetEnvironmentVariableA(kThrowVariable, nullptr);
    }

    // The test library under the name of a real one.
    void FakeLibrary(const char* asName)
    {
        ASSERT_TRUE(
                CopyFileA((BuildFolder() + "FakeInfoLibrary.dll").c_str(), (m_folder.Path() + asName).c_str(), FALSE))
                << "FakeInfoLibrary.dll is built beside the test";
    }
    void HoldLibraries() { SetEnvironmentVariableA(kWaitVariable, m_releaseName.c_str()); }
    void ReleaseLibraries() { SetEvent(m_release); }

    TfrmInfoBrowserE& Create(bool tryBrowserControl = false)
    {
        InfoBrowserSetup setup;
        setup.programFolder = m_folder.Path();
        setup.reportPath = m_folder.Path() + "Vantor.ifo";
        setup.tryBrowserControl = tryBrowserControl;
        m_window = std::make_unique<TfrmInfoBrowserE>(setup);
        EXPECT_TRUE(m_window->CreateBrowser(nullptr));
        m_window->OpenExternally = [this](const std::string& file) { m_openedOutside.push_back(file); };
        return *m_window;
    }
    // What the report window does at its creation, then lets the worker go on.
    void ReportWindowCreated()
    {
        ASSERT_TRUE(
                m_folder.Write("Vantor.ifo", "\r\n\r\n\r\n\tInformation is not ready, yet.\r\n\tPlease wait a while."));
        m_window->ReportWindowReady();
    }
    bool Shown(const char* control) const { return m_window->FindControl(control)->Visible(); }
    std::string Caption(const char* label) const
    {
        return dynamic_cast<const toolkit::TLabel*>(m_window->FindControl(label))->Caption();
    }
    RECT WindowRect() const
    {
        RECT r{};
        GetWindowRect(m_window->Handle(), &r);
        return r;
    }

    ProgramFolder m_folder{"info-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())};
    std::unique_ptr<TfrmInfoBrowserE> m_window;
    HANDLE m_release = nullptr;
    std::string m_releaseName;
    std::vector<std::string> m_openedOutside;
};

TEST_F(InfoBrowser, ThePageShownFollowsItsLibraryAndTheReportWaitsForTheReportWindow)
{
    FakeLibrary("ZyPci.dll");
    HoldLibraries();
    TfrmInfoBrowserE& window = Create();
    window.Open();
    window.ShowPage(2);
    const std::string wait = m_folder.Path() + "wait.htm";
    EXPECT_EQ(window.ShownAddress(), wait) << "PCI is held back: its page waits";
    EXPECT_EQ(Caption("lbWindowTitle"), "PCI Information");
    EXPECT_TRUE(Shown("lbPageFile"));
    EXPECT_EQ(Caption("lbPageFile"), wait);
    EXPECT_EQ(Caption("lbNoBrowser"), "Gathering system information, please wait...");
    SaveScreenshot("info-browser-waiting");

    ReleaseLibraries();
    const std::string pciPage = m_folder.Path() + "PCIInfo\\index.htm";
    EXPECT_TRUE(PumpUntil([&] { return window.ShownAddress() == pciPage; })) << window.ShownAddress();
    EXPECT_EQ(Caption("lbPageFile"), pciPage);
    ASSERT_TRUE(PumpUntil([&] { return window.Worker().Files().File(1) != wait; })) << "all three libraries ran";
    EXPECT_EQ(window.Worker().Files().File(3), m_folder.Path() + "DMIInfo\\index.htm");
    EXPECT_EQ(window.Worker().Files().File(1), m_folder.Path() + "WMIInfo\\index.htm");
    EXPECT_EQ(window.Worker().RunOf(2), LibraryRun::Ran);
    EXPECT_EQ(window.Worker().RunOf(3), LibraryRun::Ran);
    EXPECT_EQ(window.Worker().RunOf(1), LibraryRun::Missing);
    EXPECT_TRUE(m_folder.Exists("DMIInfo\\index.htm")) << "the real DMI library made its pages";

    Pump(300);
    EXPECT_FALSE(window.Worker().Finished()) << "no report before the report window has written its waiting text";
    EXPECT_FALSE(m_folder.Exists("Vantor.ifo"));
    FakeReport reportWindow;
    TheViews().report = &reportWindow;
    ReportWindowCreated();
    ASSERT_TRUE(PumpUntil([&] { return window.Worker().Finished(); }));
    EXPECT_TRUE(PumpUntil([&] { return reportWindow.reloads > 0; }, 5000));
    EXPECT_EQ(reportWindow.reloadsOnThisThread, 1) << "the report page showing reloads, on the window's thread";
    const std::string report = m_folder.Read("Vantor.ifo");
    EXPECT_EQ(report.rfind(std::string(51, '=') + "\r\nZYKO Vantor\r\n\r\nSystem Information Report\r\n\r\nDate: ", 0),
              0u)
            << report.substr(0, 200);
    EXPECT_TRUE(Contains(report, "[ Win32_OperatingSystem ]\r\n\r\n[ Win32_ComputerSystem ]\r\n\r\n"));
    EXPECT_TRUE(Contains(report, "\r\n[ SMBIOS: ")) << "the DMI sections";
    EXPECT_TRUE(Contains(report, "[ PCI Bus:0 Device:31 Function:2 ]\r\nVendor = Fake Vendor\r\n\r\n"));
    EXPECT_LT(report.find("[ SMBIOS: "), report.find("[ PCI Bus:"));
}

TEST_F(InfoBrowser, AMissingLibraryGivesAnAbsentPageAndAThrowingOneIsSurvived)
{
    FakeLibrary("ZyWmi.dll");
    SetEnvironmentVariableA(kThrowVariable, "1");
    FakeReport reportWindow;
    reportWindow.systemPageShown = false;
    TheViews().report = &reportWindow;
    TfrmInfoBrowserE& window = Create();
    window.ReportWindowReady();
    ASSERT_TRUE(PumpUntil([&] { return window.Worker().Finished(); }));
    Pump(300);
    EXPECT_EQ(reportWindow.reloads, 0) << "the alert page showing: nothing to reload";
    EXPECT_EQ(window.Worker().RunOf(2), LibraryRun::Missing);
    EXPECT_EQ(window.Worker().RunOf(1), LibraryRun::Threw);
    EXPECT_EQ(window.Worker().RunOf(3), LibraryRun::Ran);

    window.Open();
    window.ShowPage(2);
    EXPECT_EQ(window.ShownAddress(), m_folder.Path() + "PCIInfo\\index.htm") << "the absent page, not the waiting one";
    EXPECT_FALSE(m_folder.Exists("PCIInfo\\index.htm"));
    EXPECT_EQ(Caption("lbNoBrowser"), "This information is not available.");
    EXPECT_FALSE(Shown("lbOpenPage")) << "nothing to open";
    SaveScreenshot("info-browser-absent-page");

    const std::string report = m_folder.Read("Vantor.ifo");
    EXPECT_TRUE(Contains(report, "[ Win32_OperatingSystem ]\r\nCaption = Fake Windows\r\n\r\n"))
            << "what the library wrote before it threw";
    EXPECT_TRUE(Contains(report, "[ SMBIOS: "));
    EXPECT_FALSE(Contains(report, "[ PCI Bus:"));
}

TEST_F(InfoBrowser, WithoutABrowserControlThePageAreaNamesTheFileAndOpensItOutside)
{
    TfrmInfoBrowserE& window = Create(false);
    window.ReportWindowReady();
    ASSERT_TRUE(PumpUntil([&] { return window.Worker().Finished(); })) << "the page stays as it is from here on";
    window.Open();
    window.ShowPage(3);
    Pump(200);
    EXPECT_EQ(window.ShownAddress(), m_folder.Path() + "DMIInfo\\index.htm");
    EXPECT_EQ(Caption("lbWindowTitle"), "DMI Information");
    EXPECT_EQ(Caption("lbNoBrowser"), "This page cannot be shown inside Vantor.");
    SaveScreenshot("info-browser-dmi-page");
    EXPECT_FALSE(Shown("cwbInfo"));
    ASSERT_TRUE(Shown("lbOpenPage"));
    EXPECT_TRUE(Shown("lbNoBrowser"));
    const std::string shown = window.ShownAddress();
    EXPECT_EQ(Caption("lbPageFile"), shown);
    const toolkit::Control& open = *window.FindControl("lbOpenPage");
    ClickAt(ScreenPoint(window.Handle(), open.Left() + open.Width() / 2, open.Top() + open.Height() / 2));
    EXPECT_EQ(m_openedOutside, std::vector<std::string>{shown});

    window.ShowPage(7);
    EXPECT_EQ(Caption("lbWindowTitle"), "DMI Information") << "not a page: the title stays";
    EXPECT_EQ(window.ShownAddress(), "");
    EXPECT_FALSE(Shown("lbOpenPage"));
}

TEST_F(InfoBrowser, TheSystemBrowserControlOrItsStandInShowsThePage)
{
    TfrmInfoBrowserE& window = Create(true);
    window.Open();
    window.ShowPage(3);
    Pump(2500);  // a control that cannot render is found out by then
    if (window.HasBrowserControl()) {
        EXPECT_TRUE(Shown("cwbInfo"));
        EXPECT_FALSE(Shown("lbOpenPage"));
    } else {
        EXPECT_FALSE(Shown("cwbInfo"));
        EXPECT_TRUE(Shown("lbOpenPage"));
    }
    SaveScreenshot(window.HasBrowserControl() ? "info-browser-control" : "info-browser-fallback");
}

TEST_F(InfoBrowser, TheGripResizesNoSmallerThan600By400AndCloseHides)
{
    TfrmInfoBrowserE& window = Create();
    window.Open();
    window.ShowPage(1);
    Pump(200);
    const RECT before = WindowRect();
    ASSERT_EQ(before.right - before.left, 678);
    ASSERT_EQ(before.bottom - before.top, 476);

    auto drag = [&](int dx, int dy) {
        const toolkit::Control& grip = *window.FindControl("Image9");
        const POINT from = ScreenPoint(window.Handle(), grip.Left() + 6, grip.Top() + 6);
        MouseTo(from);
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        MouseTo({from.x + dx / 2, from.y + dy / 2});
        MouseTo({from.x + dx, from.y + dy});
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
        Pump(200);
    };
    drag(-300, -250);  // left of and above the minimum
    RECT r = WindowRect();
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 400);
    EXPECT_EQ(r.left, before.left) << "the top-left corner stays";
    EXPECT_EQ(r.top, before.top);

    drag(120, 90);
    r = WindowRect();
    EXPECT_EQ(r.right - r.left, 720);
    EXPECT_EQ(r.bottom - r.top, 490);
    const toolkit::Control& grip = *window.FindControl("Image9");
    EXPECT_EQ(grip.Left(), 720 - 14) << "the frame follows the new size";
    EXPECT_EQ(window.FindControl("Image7")->Width(), 720 - 80);
    SaveScreenshot("info-browser-resized");

    const toolkit::Control& close = *window.FindControl("imgClose");
    ClickAt(ScreenPoint(window.Handle(), close.Left() + 9, close.Top() + 9));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(window.BrowserShown());
}

TEST_F(InfoBrowser, EndingWhileALibraryRunsDoesNotWaitForIt)
{
    FakeLibrary("ZyPci.dll");
    HoldLibraries();
    Create();
    HANDLE thread = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), m_window->Worker().Thread(), GetCurrentProcess(), &thread,
                                SYNCHRONIZE, FALSE, 0));
    m_window->ReportWindowReady();
    m_window.reset();  // the program ends while PCI is held back
    EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the worker was not waited for";

    ReleaseLibraries();
    EXPECT_EQ(WaitForSingleObject(thread, 60000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(thread);
    Pump(100);
    EXPECT_FALSE(m_folder.Exists("DMIInfo")) << "an abandoned worker runs no further library";
    EXPECT_FALSE(m_folder.Exists("Vantor.ifo")) << "nor writes a report";
}

}  // namespace
}  // namespace vantor::views
