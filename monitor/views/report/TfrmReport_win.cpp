// The report window on Win32: its controls and skins, the two tabs, Clear
// with its question, Save As through the save dialog, and the watch on the
// system information report.
#include "report/TfrmReport.h"

#include <stdexcept>

#include "app/Views.h"
#include "app/ControlLayout.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "list/ListView.h"
#include "report/ReportActions.h"
#include "sound/Sounds.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"
#include "usage/WindowShell_win.h"

namespace vantor::views {
namespace {

using toolkit::TImage;
using toolkit::TLabel;

constexpr UINT kWmSystemReportWritten = WM_APP + 0x31;
constexpr unsigned kWatchMs = 500;
constexpr toolkit::ColourRef kViewBack = RGB(13, 15, 18);
constexpr toolkit::ColourRef kViewText = RGB(206, 213, 223);
constexpr toolkit::ColourRef kTitleColour = RGB(255, 255, 255);
constexpr toolkit::ColourRef kBayText = RGB(136, 145, 158);

constexpr std::string_view kReadyText = "System information is ready.";
constexpr std::string_view kGatheringText = "Gathering system information...";
constexpr std::string_view kSavedText = "Saved as";
constexpr std::string_view kNotSavedText = "The report was not saved.";

std::string Translate(std::string_view text) { return monitor::ProgramLanguage().TranslateText(text); }

}  // namespace

TfrmReport::TfrmReport(std::string programPath, std::unique_ptr<SaveDialog> saveDialog)
    : TGoodForm("frmReport"), m_paths(ReportPathsFor(programPath)), m_saveDialog(std::move(saveDialog)),
      m_files(monitor::CreateWindowsAlertFiles()), m_log(*m_files, m_paths.alert)
{
    AddControls();
}

TfrmReport::~TfrmReport()
{
    if (TheViews().report == this)
        TheViews().report = nullptr;
}

void TfrmReport::AddControls()
{
    auto holder = [this](const std::string& name) { Add<TImage>(name).SetVisible(false); };
    auto label = [this](const std::string& name, std::string_view text, toolkit::ColourRef colour) -> TLabel& {
        TLabel& l = Add<TLabel>(name);
        l.SetCaption(std::string(text));
        l.SetTextColour(colour);
        l.SetTransparent(true);
        return l;
    };
    Add<TImage>("imgBackground");
    Add<TImage>("imgMainTab");
    Add<TImage>("imgReport").Tag = 1;
    Add<TImage>("imgSysInfo").Tag = 2;
    label("lbMainTab1", "Alert Log", kChosenTabColour).Tag = 1;
    label("lbMainTab2", "System Information", kOtherTabColour).Tag = 2;
    for (const char* name : {"lbMainTab1", "lbMainTab2"})
        dynamic_cast<TLabel*>(FindControl(name))->SetAlignment(toolkit::TextAlign::Centre);
    holder("imgTabAlert");
    holder("imgTabSys");
    label("lbWindowTitle", "Report", kTitleColour);
    for (const char* button : {"imgClear", "imgSaveAs"}) {
        Add<TImage>(button);
        for (const char* state : {"Up", "Ov", "Dn", "Ds"})
            holder(std::string(button) + state);
    }
    FindControl("imgClear")->SetHint("Clear");
    FindControl("imgSaveAs")->SetHint("Save As");
    Add<TImage>("imgClose").SetHint("Close");
    for (const char* state : {"Up", "Ov", "Dn"})
        holder(std::string("imgClose") + state);
    Add<TImage>("imgReadyLed");
    holder("imgReadyLedOn");
    holder("imgReadyLedWait");
    label("lbReady", kGatheringText, kBayText);
    label("lbStatus", "", kBayText);

    m_view = &Add<toolkit::TMemo>("mmReport");
    m_view->ReadOnly = true;
    m_view->Border = false;
    m_view->HorizontalScroll = true;
    m_view->Colour = kViewBack;
    m_view->TextColour = kViewText;
    m_view->SetFont({"Arial", -12, 1});
}

void TfrmReport::LoadPictures()
{
    const std::string skins = ProgramFolder() + "Res\\options_new\\";
    const std::string builtin = ProgramFolder() + "Res\\builtin\\";
    toolkit::LoadSkinBitmap(FindImage("imgBackground"), skins + "options_01a_ok.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgTabAlert"), skins + "report_up_ale.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgTabSys"), skins + "report_up_sys.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgReport"), skins + "report down.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgSysInfo"), skins + "report down.bmp");
    toolkit::LoadButtonStates(*this, "imgClear", "clear", skins);
    toolkit::LoadButtonStates(*this, "imgSaveAs", "save_as", skins);
    toolkit::LoadSkinBitmap(FindImage("imgClose"), builtin + "close19_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseUp"), builtin + "close19_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseOv"), builtin + "close19_ov.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseDn"), builtin + "close19_dn.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgReadyLedOn"), skins + "led_ready.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgReadyLedWait"), skins + "led_wait.bmp");
    FindImage("imgReadyLed")->SetPicture(FindImage(m_systemReady ? "imgReadyLedOn" : "imgReadyLedWait")->GetPicture());
}

// Most runs never open this window: its pictures (megabytes of page
// backgrounds) are loaded when it is first shown, not at start-up. What the
// report watch drew before then is drawn again with them.
void TfrmReport::LoadSkinOnce()
{
    if (m_skinLoaded)
        return;
    m_skinLoaded = true;
    LoadPictures();
    ShapeToBackground(*this, *FindImage("imgBackground"));
    for (const char* tab : {"imgReport", "imgSysInfo"})
        toolkit::SetImageTransparent(*FindImage(tab));
}

void TfrmReport::BindHandlers()
{
    for (const char* surface : {"imgBackground", "imgMainTab"}) {
        FindControl(surface)->OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
            if (e.button == toolkit::MouseButton::Left)
                DragWindowFromHere(*this);
        };
    }
    for (const char* tab : {"imgReport", "imgSysInfo"}) {
        toolkit::Control& control = *FindControl(tab);
        control.CursorShape = toolkit::crHandPoint;
        control.OnClick = [this](toolkit::Control& clicked) {
            SelectTab(clicked.Tag);
            PlayClickSound(monitor::kCheckboxPressSound);
        };
    }
    for (const char* button : {"imgClose", "imgClear", "imgSaveAs"})
        toolkit::AttachButtonHandlers(*this, *FindImage(button));
    FindControl("imgClose")->OnClick = [this](toolkit::Control&) { Close(); };
    FindControl("imgClear")->OnClick = [this](toolkit::Control&) { ClearClicked(); };
    FindControl("imgSaveAs")->OnClick = [this](toolkit::Control&) { SaveAsClicked(); };
}

bool TfrmReport::CreateReport(HWND owner)
{
    toolkit::FormOptions options;
    options.width = 600;
    options.height = 400;
    options.caption = "Report";
    options.owner = owner;
    if (!Create(options))
        return false;

    BindHandlers();
    m_tab = ReportTab::AlertLog;
    // Written before the information worker can start on the real report.
    WriteWaitingText(*m_files, m_paths.systemReport);
    m_watch = &AddTimer("tmrSysReport", kWatchMs, [this](toolkit::TTimer&) { WatchSystemReport(); });
    m_watch->SetEnabled(false);

    m_layoutResult = ApplyWindowLayout(Root(), monitor::kReportLayout, monitor::ProgramLanguage());
    return true;
}

monitor::ReportTexts TfrmReport::Texts() const
{
    monitor::ReportTexts texts;
    texts.title = Translate(texts.title);
    texts.number = Translate(texts.number);
    return texts;
}

std::string TfrmReport::ViewText() const { return m_view->Text(); }

void TfrmReport::ShowText(const std::string& fileText)
{
    if (m_view->Handle())
        SetWindowTextA(m_view->Handle(), ViewTextOf(fileText).c_str());
}

void TfrmReport::SetStatus(const std::string& text)
{
    dynamic_cast<TLabel*>(FindControl("lbStatus"))->SetCaption(text);
}

void TfrmReport::SelectTab(int tab)
{
    m_tab = views::SelectTab(m_tab, tab);
    const ReportTabLook look = LookOf(m_tab);
    FindImage("imgMainTab")->SetPicture(FindImage(look.alertPicture ? "imgTabAlert" : "imgTabSys")->GetPicture());
    FindControl("imgReport")->SetVisible(look.alertTabImageShown);
    FindControl("imgSysInfo")->SetVisible(look.systemTabImageShown);
    auto* alertLabel = dynamic_cast<TLabel*>(FindControl("lbMainTab1"));
    auto* systemLabel = dynamic_cast<TLabel*>(FindControl("lbMainTab2"));
    const std::pair<TLabel*, bool> labels[] = {{alertLabel, look.alertLabelClickable},
                                               {systemLabel, look.systemLabelClickable}};
    for (const auto& [label, clickable] : labels) {
        label->CursorShape = clickable ? toolkit::crHandPoint : toolkit::crDefault;
        if (clickable) {
            label->OnClick = [this](toolkit::Control& clicked) {
                SelectTab(clicked.Tag);
                PlayClickSound(monitor::kCheckboxPressSound);
            };
        } else {
            label->OnClick = nullptr;
        }
    }
    alertLabel->SetTextColour(look.alertLabelColour);
    systemLabel->SetTextColour(look.systemLabelColour);

    ShowText("");
    const TabContent content = m_tab == ReportTab::AlertLog ? AlertTabContent(m_log, *m_files, Texts())
                                                            : SystemTabContent(*m_files, m_paths.systemReport);
    ShowText(content.text);
    SetButtonEnabled(*this, "imgClear", look.clearEnabled);
    m_alertPageShown = look.alertPageShown;
    m_systemInfoPageShown = look.systemInfoPageShown;
    if (content.unreadable && OnHandlerError) {
        const std::string& path = m_tab == ReportTab::AlertLog ? m_paths.alert.report : m_paths.systemReport;
        OnHandlerError("Cannot open file \"" + path + "\".");
    }
}

void TfrmReport::ReloadAlertPage()
{
    if (!m_alertPageShown)
        return;
    const std::string& report = m_paths.alert.report;
    ShowText(m_files->Exists(report) ? m_files->ReadAll(report).value_or(std::string()) : std::string());
}

int TfrmReport::AskConfirm(const std::string& text)
{
    const std::string question = Translate(text);
    ListView* list = TheViews().list;
    if (!list) {
        // No list window in this run: the system's own question box.
        return MessageBoxA(Handle(), question.c_str(), "Vantor", MB_OKCANCEL | MB_ICONQUESTION) == IDOK
                       ? static_cast<int>(ListResult::Ok)
                       : kConfirmCancelled;
    }
    RECT r{};
    GetWindowRect(Handle(), &r);
    const ConfirmPlace place = ConfirmPlaceFor(r.left, r.top, r.bottom - r.top, monitor::kListLayout.front().Height);
    list->PlaceAt(place.left, place.top);
    list->SetMessageText(question);
    return static_cast<int>(list->ShowListWindow(ListMode::Confirm, ListContent::Arrangements));
}

void TfrmReport::ClearClicked()
{
    if (m_tab != ReportTab::AlertLog)
        return;
    const std::string question = Translate(kClearQuestion) + "\n" + Translate(kSureQuestion);
    const bool confirmed = IsConfirmed(AskConfirm(question));
    const ClearOutcome outcome = ClearReport(m_tab, confirmed, m_log, *m_files, Texts());
    if (outcome.viewText)
        ShowText(*outcome.viewText);
}

void TfrmReport::SaveAsClicked()
{
    const SaveTarget target = SaveTargetFor(m_tab);
    const std::optional<std::string> chosen = m_saveDialog->Choose(Handle(), target, ProgramFolder());
    const SaveOutcome outcome = SaveReport(m_tab, chosen, ViewText(), *m_files);
    switch (outcome.status) {
    case SaveStatus::Cancelled:
        break;
    case SaveStatus::Saved:
        SetStatus(Translate(kSavedText) + " " + outcome.path);
        break;
    case SaveStatus::WriteFailed:
        // The window's error display tells the user; the view stays as it is.
        SetStatus(Translate(kNotSavedText));
        throw std::runtime_error(outcome.message);
    }
}

void TfrmReport::WatchSystemReport()
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    const bool exists = GetFileAttributesExA(m_paths.systemReport.c_str(), GetFileExInfoStandard, &data) != 0;
    const FILETIME stamp = exists ? data.ftLastWriteTime : FILETIME{};
    if (CompareFileTime(&stamp, &m_systemStamp) == 0)
        return;
    m_systemStamp = stamp;
    const std::optional<std::string> text = exists ? m_files->ReadAll(m_paths.systemReport) : std::nullopt;
    m_systemReady = text && ViewTextOf(*text) != ViewTextOf(kWaitingText);
    FindImage("imgReadyLed")->SetPicture(FindImage(m_systemReady ? "imgReadyLedOn" : "imgReadyLedWait")->GetPicture());
    dynamic_cast<TLabel*>(FindControl("lbReady"))->SetCaption(Translate(m_systemReady ? kReadyText : kGatheringText));
    if (m_systemInfoPageShown)
        SelectTab(static_cast<int>(ReportTab::SystemInformation));
}

void TfrmReport::SystemReportWritten()
{
    if (Handle())
        PostMessageA(Handle(), kWmSystemReportWritten, 0, 0);
}

void TfrmReport::Prepare()
{
    // Every show rebuilds the current tab's text.
    m_open = true;
    SetStatus("");
    m_systemStamp = FILETIME{};
    SelectTab(0);
    WatchSystemReport();
    m_watch->SetEnabled(true);
}

void TfrmReport::Open()
{
    LoadSkinOnce();
    Show();
    Prepare();
}

void TfrmReport::Close()
{
    m_watch->SetEnabled(false);
    ShowText("");
    m_alertPageShown = false;
    m_systemInfoPageShown = false;
    Hide();
    m_open = false;
}

void TfrmReport::ShowModal()
{
    LoadSkinOnce();
    Prepare();
    RunModal(*this, CoverWindowHandle(), [this] { return !m_open; });
}

LRESULT TfrmReport::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kWmSystemReportWritten) {
        m_systemStamp = FILETIME{};  // whatever the clock says, read it again
        WatchSystemReport();
        return 0;
    }
    if (message == WM_CLOSE) {
        Close();
        return 0;
    }
    return TGoodForm::HandleMessage(message, wParam, lParam);
}

std::unique_ptr<ProgramWindow> CreateReportWindow()
{
    auto window = std::make_unique<TfrmReport>(ProgramPath(), MakeWindowsSaveDialog());
    window->CreateReport(CoverWindowHandle());
    TheViews().report = window.get();
    return window;
}

}  // namespace vantor::views
