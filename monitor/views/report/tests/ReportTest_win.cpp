// The report window on the screen, driven with real mouse input: the alert
// log report, Clear after the list window's question (a fake list window
// answers), Save As (the file dialog is a seam: a test answers with a name,
// as the dialog's own input is not driven here), and the system information
// page waiting for its report.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "testing/NullViews.h"
#include "WineMouse.h"
#include "WineScreen.h"
#include "app/Views.h"
#include "language/layouts/LayoutTables.h"
#include "list/ListView.h"
#include "report/TfrmReport.h"
#include "toolkit/TImage.h"

namespace vantor::views::test {
namespace {

using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::Pump;

constexpr int kLeft = 300, kTop = 200;

class FakeList final : public ::vantor::views::testing::NullList {
public:
    void PlaceAt(int left, int top) override { placedAt = {left, top}; }
    void SetItems(std::vector<std::string>) override {}
    ListResult ShowListWindow(ListMode mode, ListContent) override
    {
        asked.push_back(mode);
        return answer;
    }
    int SelectedIndex() const override { return -1; }
    std::string MessageText() const override { return text; }
    void SetMessageText(std::string value) override { text = std::move(value); }
    bool MessageWindowShown() const override { return false; }

    ListResult answer = ListResult::Cancel;
    POINT placedAt{};
    std::string text;
    std::vector<ListMode> asked;
};

class AnsweringDialog final : public SaveDialog {
public:
    explicit AnsweringDialog(std::optional<std::string>& answer) : m_answer(answer) {}
    std::optional<std::string> Choose(HWND, const SaveTarget& target, const std::string&) override
    {
        filters.push_back(std::string(target.filter));
        return m_answer;
    }
    std::vector<std::string> filters;

private:
    std::optional<std::string>& m_answer;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

const char kLog[] = "[12/10/2026 at 02:31 am] CPU Temperature Abnormal, 91 degrees centigrade\r\n"
                    "[12/10/2026 at 02:33 am] CPU Temperature become normal, 74 degrees centigrade\r\n"
                    "[12/10/2026 at 02:40 am] CPU FAN Fan Abnormal, 0 RPM\r\n";

class ReportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "vantor-report-test\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        const ReportPaths paths = ReportPathsFor(m_folder + "Vantor.exe");
        for (const std::string& file : {paths.alert.log, paths.alert.report, paths.systemReport})
            DeleteFileA(file.c_str());
        WriteAll(paths.alert.log, kLog);
        TheViews().list = &m_list;
        auto dialog = std::make_unique<AnsweringDialog>(m_answer);
        m_dialog = dialog.get();
        m_window = std::make_unique<TfrmReport>(m_folder + "Vantor.exe", std::move(dialog));
        m_window->OnHandlerError = [this](const std::string& e) { m_errors.push_back(e); };
        ASSERT_TRUE(m_window->CreateReport(nullptr));
        SetWindowPos(m_window->Handle(), nullptr, kLeft, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    void TearDown() override
    {
        m_window.reset();
        TheViews() = Views{};
        Pump(50);
    }
    void Click(int x, int y)
    {
        MouseTo(toolkit::test::ScreenPoint(m_window->Handle(), x, y));
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
        Pump(150);
    }
    void ClickClear() { Click(380 + 40, 358 + 11); }
    void ClickSaveAs() { Click(478 + 40, 358 + 11); }
    void ClickSystemTab() { Click(161 + 70, 45 + 12); }
    void ClickAlertTab() { Click(21 + 70, 45 + 12); }

    std::string m_folder;
    FakeList m_list;
    std::optional<std::string> m_answer;
    AnsweringDialog* m_dialog = nullptr;
    std::vector<std::string> m_errors;
    std::unique_ptr<TfrmReport> m_window;
};

// Made at start-up and seldom opened, the window takes its pictures and
// shape when first shown; a report written before then lights the ready
// lamp all the same.
TEST_F(ReportWindow, PicturesComeWithTheFirstShowAndShowTheReportWrittenBefore)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(m_window->Handle(), region), ERROR) << "no shape before the first show";
    EXPECT_EQ(m_window->FindImage("imgBackground")->GetPicture(), nullptr);
    WriteAll(m_window->Paths().systemReport, "System Information\r\n==================\r\n\r\n[Board]\r\n");
    m_window->SystemReportWritten();
    Pump(200);
    EXPECT_TRUE(m_window->SystemReportReady());

    m_window->Open();
    Pump(100);
    EXPECT_EQ(GetWindowRgn(m_window->Handle(), region), COMPLEXREGION);
    DeleteObject(region);
    EXPECT_NE(m_window->FindImage("imgBackground")->GetPicture(), nullptr);
    const toolkit::PicturePtr lamp = m_window->FindImage("imgReadyLed")->GetPicture();
    EXPECT_NE(lamp, nullptr);
    EXPECT_EQ(lamp, m_window->FindImage("imgReadyLedOn")->GetPicture());
}

TEST_F(ReportWindow, AlertLogTabListsTheLoggedLinesAndClearEmptiesItOnlyAfterYes)
{
    EXPECT_EQ(m_window->LayoutResult(), 30);
    m_window->Open();
    Pump(150);
    ASSERT_EQ(m_window->CurrentTab(), ReportTab::AlertLog);
    EXPECT_TRUE(m_window->AlertPageShown());
    const std::string shown = m_window->ViewText();
    EXPECT_NE(shown.find("Alert Log Report\r\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Number = 3\r\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find(kLog), std::string::npos) << shown;
    toolkit::test::SaveScreenshot("report-alerts");

    // Cancel: the log and the view stay.
    m_list.answer = ListResult::Cancel;
    ClickClear();
    ASSERT_EQ(m_list.asked, std::vector<ListMode>{ListMode::Confirm});
    EXPECT_EQ(m_list.text, "This will clear the report.\nAre you sure?");
    RECT r{};
    GetWindowRect(m_window->Handle(), &r);
    EXPECT_EQ(m_list.placedAt.x, r.left + 250);
    EXPECT_EQ(m_list.placedAt.y, r.bottom - monitor::kListLayout.front().Height / 2);
    EXPECT_TRUE(Exists(m_window->Paths().alert.log));
    EXPECT_EQ(m_window->ViewText(), shown);

    // A read-only log goes too once the answer is yes.
    SetFileAttributesA(m_window->Paths().alert.log.c_str(), FILE_ATTRIBUTE_READONLY);
    m_list.answer = ListResult::Ok;
    ClickClear();
    EXPECT_EQ(m_list.asked.size(), 2u);
    EXPECT_FALSE(Exists(m_window->Paths().alert.log));
    const std::string cleared = m_window->ViewText();
    EXPECT_NE(cleared.find("Number = 0\r\n"), std::string::npos) << cleared;
    EXPECT_EQ(cleared.find("Abnormal"), std::string::npos) << cleared;

    // Clear is the alert log's only: disabled on the other tab.
    ClickSystemTab();
    ASSERT_EQ(m_window->CurrentTab(), ReportTab::SystemInformation);
    EXPECT_FALSE(m_window->FindControl("imgClear")->Enabled());
    // (A press there lands on the background, which starts the system's
    // window move; its handler refuses the other tab by itself too.)
    m_window->ClearClicked();
    EXPECT_EQ(m_list.asked.size(), 2u);
    ClickAlertTab();
    EXPECT_TRUE(m_window->FindControl("imgClear")->Enabled());

    m_window->Close();
    EXPECT_FALSE(m_window->AlertPageShown());
    EXPECT_FALSE(m_window->SystemInfoPageShown());
    EXPECT_EQ(m_window->ViewText(), "");
}

TEST_F(ReportWindow, SaveAsWritesTheShownTextUnderTheTabsExtension)
{
    m_window->Open();
    Pump(100);
    const std::string shown = m_window->ViewText();
    struct Case {
        const char* chosen;
        const char* saved;
    };
    for (const Case& c : {Case{"my", "my.log"}, Case{"MY2.LOG", "MY2.LOG"}, Case{"my.txt", "my.txt.log"}}) {
        SCOPED_TRACE(c.chosen);
        DeleteFileA((m_folder + c.saved).c_str());
        m_answer = m_folder + c.chosen;
        ClickSaveAs();
        EXPECT_EQ(ReadAll(m_folder + c.saved), SavedReportBytes(shown));
    }
    EXPECT_EQ(m_dialog->filters.back(), "vantor log file|*.log");

    // Cancelled: nothing written.
    m_answer.reset();
    DeleteFileA((m_folder + "my.log").c_str());
    ClickSaveAs();
    EXPECT_FALSE(Exists(m_folder + "my.log"));

    // A folder that is not there: the user is told, the view stays.
    m_answer = m_folder + "no such folder\\my";
    ClickSaveAs();
    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_NE(m_errors[0].find("no such folder\\my.log"), std::string::npos) << m_errors[0];
    EXPECT_EQ(m_window->ViewText(), shown);

    ClickSystemTab();
    m_answer = m_folder + "report";
    DeleteFileA((m_folder + "report.txt").c_str());
    ClickSaveAs();
    EXPECT_EQ(m_dialog->filters.back(), "vantor sysinfo file|*.txt");
    EXPECT_EQ(ReadAll(m_folder + "report.txt"), SavedReportBytes(m_window->ViewText()));
}

TEST_F(ReportWindow, SystemInformationTabWaitsForTheReportAndReloadsWhenItIsWritten)
{
    m_window->Open();
    ClickSystemTab();
    ASSERT_TRUE(m_window->SystemInfoPageShown());
    EXPECT_EQ(m_window->ViewText(), "\r\n\r\n\r\n\tInformation is not ready, yet.\r\n\tPlease wait a while.");
    EXPECT_FALSE(m_window->SystemReportReady());
    EXPECT_EQ(m_window->FindImage("imgReadyLed")->GetPicture(), m_window->FindImage("imgReadyLedWait")->GetPicture());

    // The information worker writes the report from its own thread and says so.
    std::string report = "System Information\r\n==================\r\n\r\n";
    for (const char* line : {"[Processor]", "  Name = Simulated Vantor Processor @ 3.20GHz", "  Cores = 4", "",
                             "[Memory]", "  Total = 16384 MB", "  Slots = 4", "", "[Board]", "  Manufacturer = ZYKO",
                             "  Product = Vantor Classic", "  BIOS = 1.07"})
        report += std::string(line) + "\r\n";
    WriteAll(m_window->Paths().systemReport, report);
    std::thread worker([this] { m_window->SystemReportWritten(); });
    worker.join();
    Pump(300);
    EXPECT_EQ(m_window->ViewText(), report);
    EXPECT_TRUE(m_window->SystemReportReady());
    EXPECT_EQ(m_window->FindImage("imgReadyLed")->GetPicture(), m_window->FindImage("imgReadyLedOn")->GetPicture());
    toolkit::test::SaveScreenshot("report-sysinfo");

    // Shown again later, the window rebuilds the tab it was left on.
    m_window->Close();
    m_window->Open();
    EXPECT_EQ(m_window->CurrentTab(), ReportTab::SystemInformation);
    EXPECT_EQ(m_window->ViewText(), report);
}

}  // namespace
}  // namespace vantor::views::test
