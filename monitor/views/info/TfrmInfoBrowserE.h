// The information browser: a resizable, skin-framed window showing the
// information libraries' generated pages in the system's web browser control,
// with the worker that generates them at start-up. Where the system has no
// browser control, the page area names the page's file and offers to open it
// in the user's web browser. Windows builds.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/ProgramWindow.h"
#include "info/BrowserFrame.h"
#include "info/InfoBrowserView.h"
#include "info/InfoWorker_win.h"
#include "toolkit/Picture.h"
#include "toolkit/TGoodForm.h"

namespace vantor::toolkit {
class TImage;
class TLabel;
class TPanel;
}  // namespace vantor::toolkit

namespace vantor::views {

class WebBrowserHost;

struct InfoBrowserSetup {
    std::string programFolder;  // with its trailing backslash
    std::string reportPath;     // the system information report
    bool tryBrowserControl = true;
};

class TfrmInfoBrowserE final : public toolkit::TGoodForm, public InfoBrowserView, public ProgramWindow {
public:
    explicit TfrmInfoBrowserE(InfoBrowserSetup setup);
    ~TfrmInfoBrowserE() override;

    // The creation handler: the hidden window owned by `owner`, the worker
    // started, skins, the screen context for the resize outline, the layout
    // table and the first size.
    bool CreateBrowser(HWND owner);

    // InfoBrowserView
    void ShowPage(int page) override;
    void ShowPageModal(int page) override;
    void ReportWindowReady() override;

    // Shown without the modal loop (the show handler), and closed.
    void Open();
    void Close();

    int CurrentPage() const { return m_currentPage; }
    bool BrowserShown() const { return m_browserShown; }
    // The address the page area shows now.
    const std::string& ShownAddress() const { return m_shownAddress; }
    bool HasBrowserControl() const { return m_browser != nullptr; }
    const InfoWorker& Worker() const { return *m_worker; }

    // Opens a page file outside the program (ShellExecute "open" by default).
    std::function<void(const std::string&)> OpenExternally;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddControls();
    void LoadPictures();
    void BindHandlers();
    void Relayout();
    void StretchEdge(toolkit::TImage& edge, const toolkit::PicturePtr& source);
    void RebuildRegion();
    void SizeBrowser();
    void ShowAddress(const std::string& address);
    void FollowOwnerTopmost();
    void GripDown();
    void GripMove();
    void GripUp();
    void DrawOutline(BoxSize size);

    InfoBrowserSetup m_setup;
    std::unique_ptr<InfoWorker> m_worker;
    std::unique_ptr<WebBrowserHost> m_browser;
    bool m_browserWanted = false;  // the control is still to be made at the first page
    int m_currentPage = 0;
    bool m_browserShown = false;
    bool m_open = false;
    std::string m_shownAddress;
    std::array<toolkit::PicturePtr, 8> m_framePictures;  // Image1..Image8 as loaded

    // The grip drag: the pointer at the press, the size then, the outline
    // drawn last (to erase it), on the whole screen in R2_NOT.
    bool m_dragging = false;
    BoxPoint m_pressed;
    BoxSize m_startSize;
    BoxSize m_outlineSize;
    bool m_outlineDrawn = false;
    HDC m_screen = nullptr;

    toolkit::TTimer* m_documentCheck = nullptr;
    toolkit::TPanel* m_page = nullptr;
    toolkit::TLabel* m_title = nullptr;
};

}  // namespace vantor::views
