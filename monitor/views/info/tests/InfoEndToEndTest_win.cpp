// Vantor.exe started for real on the simulated classic board: the
// information worker runs the DMI and PCI libraries at start and writes the
// system information report; the main panel's DMI and PCI buttons open the
// information browser on their pages. The WMI library is left out of the
// program folder (a first WMI query in a new Wine prefix can take very long).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"

namespace vantor::views {
namespace {

using testing::kMainPanelCaption;
using testing::kSkinnedClass;
using testing::ProgramFolder;
using testing::VantorProcess;

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kReportTimeoutMs = 90000;

bool WaitUntil(const std::function<bool()>& done, DWORD boundMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > boundMs)
            return false;
        Sleep(100);
    }
    return true;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(InfoEndToEnd, TheReportHasTheDmiAndPciSectionsAndTheButtonsOpenTheirPages)
{
    ProgramFolder folder("InfoEndToEnd");
    ASSERT_TRUE(folder.Complete()) << "missing from the build folder: " << folder.Missing();
    for (const char* needed : {"ZyDmi.dll", "ZyPci.dll", "ZyIni.dll", "ZyHtmlEngine.dll", "SmBIOS.ini", "wait.htm"})
        ASSERT_TRUE(folder.Exists(needed)) << needed;
    folder.Remove("ZyWmi.dll");

    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(folder));
    HWND panel = vantor.WaitForVisibleWindow(kSkinnedClass, kMainPanelCaption, kStartTimeoutMs);
    ASSERT_NE(panel, nullptr) << "the main panel is shown at start";

    std::string report;
    EXPECT_TRUE(WaitUntil(
            [&] {
                report = folder.Read("Vantor.ifo");
                return Contains(report, "[ PCI Bus:");
            },
            kReportTimeoutMs))
            << "the report is written at start:\n"
            << report;
    EXPECT_EQ(report.rfind(std::string(51, '=') + "\r\nZYKO Vantor\r\n\r\nSystem Information Report\r\n\r\n", 0), 0u)
            << report.substr(0, 300);
    EXPECT_TRUE(Contains(report, "[ Win32_OperatingSystem ]\r\n\r\n[ Win32_ComputerSystem ]\r\n\r\n"))
            << "no WMI library: the two sections are empty";
    EXPECT_TRUE(Contains(report, "[ SMBIOS: Type0 ]\r\n")) << "the BIOS structure";
    EXPECT_LT(report.find("[ SMBIOS: "), report.find("[ PCI Bus:"));
    EXPECT_TRUE(Contains(report, "[ PCI Bus:0 Device:0 Function:0 ]\r\n")) << "the host bridge";
    EXPECT_TRUE(folder.Exists("DMIInfo\\index.htm"));
    EXPECT_TRUE(folder.Exists("PCIInfo\\index.htm"));

    // The DMI button: the browser opens on the DMI page.
    testing::ClickAt(toolkit::test::ScreenPoint(panel, 450, 50));
    HWND browser = vantor.WaitForVisibleWindow(kSkinnedClass, "DMI Information", 10000);
    ASSERT_NE(browser, nullptr) << "the information browser opens on the DMI page";
    RECT bounds{};
    GetWindowRect(browser, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 678);
    EXPECT_EQ(bounds.bottom - bounds.top, 476);
    toolkit::test::Pump(2500);  // the page settles (the browser control, or its stand-in)
    testing::SaveScreenshot("e2e-info-dmi");
    // Above the cover and the main panel (which stay always on top).
    int covered = 0;
    for (int y = 50; y < 460; y += 40) {
        for (int x = 20; x < 660; x += 40) {
            HWND hit = WindowFromPoint({bounds.left + x, bounds.top + y});
            covered += GetAncestor(hit, GA_ROOT) != browser ? 1 : 0;
        }
    }
    EXPECT_EQ(covered, 0) << "points of the browser under another window";

    // Closed with its close box, then opened again on the PCI page.
    testing::ClickAt({bounds.right - 34 + 9, bounds.top + 11 + 9});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(browser); }, 5000)) << "the close box closes it";
    testing::ClickAt(toolkit::test::ScreenPoint(panel, 450, 88));
    EXPECT_NE(vantor.WaitForVisibleWindow(kSkinnedClass, "PCI Information", 10000), nullptr);

    EXPECT_TRUE(vantor.End()) << "the run ends by itself with the browser open";
}

}  // namespace
}  // namespace vantor::views
