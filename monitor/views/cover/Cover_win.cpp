// The cover on Win32: the skin-shaped launcher the main panel slides out of,
// its four buttons, its saved place, the drag of both windows, the display
// and suspend notices, and the sound library it binds for the run.
#include <windows.h>

#include <stdexcept>

#include "app/Views.h"
#include "option/OptionsView.h"
#include "binding/HwBinding.h"
#include "cover/CoverControls.h"
#include "cover/CoverMessages.h"
#include "cover/CoverView.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "app/ControlLayout.h"
#include "mainpanel/MainPanelView.h"
#include "mainpanel/PanelShell_win.h"
#include "mainpanel/WindowDrag.h"
#include "prefs/Preferences.h"
#include "sound/SoundPlatform_win.h"
#include "report/ReportView.h"
#include "startup/DebugLog.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"

namespace vantor::views {
namespace {

using toolkit::TImage;

HWND PanelWindow()
{
    MainPanelView* panel = TheViews().mainPanel;
    return panel ? static_cast<HWND>(panel->WindowHandle()) : nullptr;
}

class TfrmCover final : public toolkit::TGoodForm, public CoverView, public ProgramWindow {
public:
    TfrmCover() : TGoodForm(std::string(kCoverName)) { AddCoverControls(Root()); }
    ~TfrmCover() override;

    bool Create();

    // CoverView
    void HideToTray() override;
    void ShowAndEnable() override;
    void* WindowHandle() const override { return Handle(); }
    void SetEnabled(bool enabled) override { EnableWindow(Handle(), enabled ? TRUE : FALSE); }
    void HideCover() override { Hide(); }
    bool SavedPanelClosed() const override { return m_savedPanelClosed; }
    void SetHwBinding(monitor::HwBinding* binding) override { m_binding = binding; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TImage& Image(std::string_view name) const;
    void SetUpControls();
    void LoadSkins();
    void BindSounds();
    void ReadPlacement();
    void Exit();

    WindowDrag m_drag;
    bool m_savedPanelClosed = false;
    bool m_soundsBound = false;
    monitor::HwBinding* m_binding = nullptr;
};

TfrmCover::~TfrmCover()
{
    if (TheViews().cover == this)
        TheViews().cover = nullptr;
    if (m_soundsBound) {
        toolkit::ButtonSoundPlayer() = nullptr;
        TheViews().sounds = nullptr;
        monitor::ProgramSounds().UnbindSoundLibrary();
    }
}

TImage& TfrmCover::Image(std::string_view name) const
{
    TImage* image = FindImage(name);
    if (!image)
        throw std::logic_error("cover without " + std::string(name));
    return *image;
}

bool TfrmCover::Create()
{
    SetUpControls();
    const monitor::LayoutRecord& own = monitor::kCoverLayout.front();
    toolkit::FormOptions options;
    options.left = own.Left;
    options.top = own.Top;
    options.width = own.Width;
    options.height = own.Height;
    // A popup owned by the main panel: always above it, hidden and
    // minimised with it.
    options.owner = PanelWindow();
    if (!TGoodForm::Create(options))
        return false;
    LoadSkins();
    if (HRGN outline = OutlineOf(Image("imgBackground").GetPicture())) {
        if (!SetWindowRgn(Handle(), outline, TRUE))
            DeleteObject(outline);
    }
    for (const char* name : {"imgOption", "imgClose", "imgHide", "imgHexagon"})
        toolkit::AttachButtonHandlers(*this, Image(name));
    BindSounds();
    if (MainPanelView* panel = TheViews().mainPanel)
        panel->ApplyLayoutTable();
    ApplyWindowLayout(Root(), monitor::kCoverLayout, monitor::ProgramLanguage());
    ReadPlacement();
    TheViews().cover = this;
    return true;
}

void TfrmCover::SetUpControls()
{
    Image("imgOption").SetHint("Open CONFIG window");
    Image("imgHexagon").SetHint("Open record window");
    Image("imgHide").SetHint("Hide");
    Image("imgClose").SetHint("Exit");
    Image("imgOption").OnClick = [](toolkit::Control&) {
        if (OptionsView* options = TheViews().options)
            options->ShowModal();
        else
            monitor::DebugLog("imgOptionClick: the options window is not available");
    };
    Image("imgHexagon").OnClick = [](toolkit::Control&) {
        if (ReportView* report = TheViews().report)
            report->ShowModal();
        else
            monitor::DebugLog("imgHexagonClick: the report window is not available");
    };
    Image("imgHide").OnClick = [this](toolkit::Control&) { HideToTray(); };
    Image("imgClose").OnClick = [this](toolkit::Control&) { Exit(); };
    TImage& art = Image("imgBackground");
    art.OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
        m_drag.Press(e.button == toolkit::MouseButton::Left, e.x, e.y);
    };
    art.OnMouseMove = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
        if (const auto delta = m_drag.Move(e.x, e.y)) {
            MoveWindowBy(Handle(), delta->dx, delta->dy);
            MoveWindowBy(PanelWindow(), delta->dx, delta->dy);
        }
    };
    art.OnMouseUp = [this](toolkit::Control&, const toolkit::MouseEvent&) { m_drag.Release(); };
}

void TfrmCover::LoadSkins()
{
    const std::string main = SkinFolder("main");
    const std::string builtin = SkinFolder("builtin");
    toolkit::LoadSkinBitmap(&Image("imgBackground"), main + "panel_01_c.bmp");
    toolkit::LoadButtonStates(*this, "imgOption", "config", main);
    toolkit::LoadButtonStates(*this, "imgHexagon", "report", main);
    // The close and hide boxes' pictures are the window's own.
    for (const char* box : {"Close", "Hide"}) {
        const std::string lower = box[0] == 'C' ? "close" : "hide";
        for (const auto& [suffix, file] : {std::pair{"Up", "_up"}, std::pair{"Ov", "_ov"}, std::pair{"Dn", "_dn"}})
            toolkit::LoadSkinBitmap(&Image(std::string("img") + box + suffix), builtin + lower + file + ".bmp");
        TImage& button = Image(std::string("img") + box);
        button.SetPicture(Image(std::string("img") + box + "Up").GetPicture());
    }
}

void TfrmCover::BindSounds()
{
    monitor::Sounds& sounds = monitor::ProgramSounds();
    sounds.BindSoundLibrary();  // a missing library is reported there, once
    m_soundsBound = true;
    TheViews().sounds = &sounds;
    toolkit::ButtonSoundPlayer() = [&sounds](const std::string& name) {
        const MainPanelView* panel = TheViews().mainPanel;
        sounds.PlayButtonSound(name,
                               panel && panel->SoundEffects() ? monitor::SoundWanted::Yes : monitor::SoundWanted::No);
    };
}

void TfrmCover::ReadPlacement()
{
    monitor::Preferences* preferences = TheViews().preferences;
    const toolkit::ScreenSize screen = toolkit::GetScreenSize();
    const int panelWidth = monitor::kMainPanelLayout.front().Width;
    const int coverHeight = monitor::kCoverLayout.front().Height;
    monitor::CoverPlacement placement;
    if (preferences) {
        placement = preferences->ReadCoverPlacement(screen.width, screen.height, panelWidth, coverHeight);
    } else {
        placement.Position = {screen.width / 2 - panelWidth / 2, screen.height / 2 - coverHeight / 2};
    }
    MoveWindowTo(Handle(), placement.Position.Left, placement.Position.Top);
    m_savedPanelClosed = placement.MainPanelClosed;
}

void TfrmCover::HideToTray()
{
    MainPanelView* panel = TheViews().mainPanel;
    if (panel)
        panel->SetWindowsShown(false);
    Hide();
    if (panel)
        panel->HidePanel();
}

void TfrmCover::ShowAndEnable()
{
    Show();
    SetEnabled(true);
}

void TfrmCover::Exit()
{
    // Whatever goes wrong while saving or hiding, the program still ends.
    try {
        if (monitor::Preferences* preferences = TheViews().preferences) {
            const RECT r = WindowRectOf(Handle());
            const MainPanelView* panel = TheViews().mainPanel;
            preferences->WriteCoverPlacement(monitor::CoverPlacement{.Position = {r.left, r.top},
                                                                     .MainPanelClosed = panel && panel->PanelClosed()});
        }
        Hide();
        if (MainPanelView* panel = TheViews().mainPanel)
            panel->HidePanel();
    } catch (...) {
    }
    PostQuitMessage(0);
}

LRESULT TfrmCover::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CoverNotice notice = CoverNoticeFor(message, wParam);
    const LRESULT result = notice.defaultHandling ? TGoodForm::HandleMessage(message, wParam, lParam) : 0;
    switch (notice.action) {
    case CoverNoticeAction::PanelToCoverCorner:
    case CoverNoticeAction::PanelToSlidePlace: {
        const RECT r = WindowRectOf(Handle());
        const MainPanelView* panel = TheViews().mainPanel;
        const PanelPlace place = PanelPlaceFor(notice.action, r.left, r.top, panel ? panel->CoverOffset() : 0);
        MoveWindowTo(PanelWindow(), place.left, place.top);
        break;
    }
    case CoverNoticeAction::NoteSuspend:
        if (m_binding)
            m_binding->NoteSuspend();
        break;
    case CoverNoticeAction::None:
        break;
    }
    return result;
}

}  // namespace

std::unique_ptr<ProgramWindow> CreateCover()
{
    auto cover = std::make_unique<TfrmCover>();
    if (!cover->Create())
        return nullptr;
    return cover;
}

}  // namespace vantor::views
