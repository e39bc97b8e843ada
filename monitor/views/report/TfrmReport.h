// The report window: the alert log report and the system information report
// under two tabs in a read-only text view, Clear for the alert log (after a
// question in the list window), Save As for either report, and a lamp that
// says whether the system information report is in. Windows builds.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "alertlog/AlertFiles.h"
#include "alertlog/AlertLog.h"
#include "app/ProgramWindow.h"
#include "report/ReportFiles.h"
#include "report/ReportTabs.h"
#include "report/ReportView.h"
#include "report/SaveDialog_win.h"
#include "toolkit/TGoodForm.h"

namespace vantor::toolkit {
class TMemo;
}

namespace vantor::views {

class TfrmReport final : public toolkit::TGoodForm, public ReportView, public ProgramWindow {
public:
    // The report files are named after `programPath`.
    TfrmReport(std::string programPath, std::unique_ptr<SaveDialog> saveDialog);
    ~TfrmReport() override;

    // The creation handler: the (hidden) window owned by `owner`, its skins,
    // the waiting text in the system information report and the layout
    // table (30 records).
    bool CreateReport(HWND owner);
    int LayoutResult() const { return m_layoutResult; }

    // ReportView
    void ShowModal() override;
    bool AlertPageShown() const override { return m_alertPageShown; }
    bool SystemInfoPageShown() const override { return m_systemInfoPageShown; }
    void ReloadAlertPage() override;
    monitor::ReportTexts AlertReportTexts() const override { return Texts(); }
    void SystemReportWritten() override;

    // Shown without the modal loop (the show handler); Close empties the view.
    void Open();
    void Close();

    // Switches to and rebuilds a tab; 0 rebuilds the current one.
    void SelectTab(int tab);
    ReportTab CurrentTab() const { return m_tab; }
    void ClearClicked();
    void SaveAsClicked();
    // The yes/no question in the list window: its modal result (2: Cancel).
    int AskConfirm(const std::string& text);

    std::string ViewText() const;
    const ReportPaths& Paths() const { return m_paths; }
    bool SystemReportReady() const { return m_systemReady; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddControls();
    void Prepare();
    void LoadPictures();
    void LoadSkinOnce();
    void BindHandlers();
    void ShowText(const std::string& fileText);
    void WatchSystemReport();
    void SetStatus(const std::string& text);
    monitor::ReportTexts Texts() const;

    ReportPaths m_paths;
    std::unique_ptr<SaveDialog> m_saveDialog;
    std::unique_ptr<monitor::AlertFiles> m_files;
    monitor::AlertLog m_log;
    int m_layoutResult = 0;
    ReportTab m_tab = ReportTab::AlertLog;
    bool m_alertPageShown = false;       // AlertPageShown
    bool m_systemInfoPageShown = false;  // SystemInfoPageShown
    bool m_open = false;
    bool m_skinLoaded = false;
    bool m_systemReady = false;
    FILETIME m_systemStamp{};
    toolkit::TMemo* m_view = nullptr;
    toolkit::TTimer* m_watch = nullptr;
};

}  // namespace vantor::views
