// The main panel on Win32: the skin-shaped panel beside the cover with its
// cut-out region and slide, the preference check boxes, the arrangement
// chooser, the information buttons, the warning light, the tray icon with
// its menu, the topmost rule and the control messages other programs send.
#include <windows.h>

#include <algorithm>
#include <array>
#include <stdexcept>

#include "app/Views.h"
#include "cover/CoverView.h"
#include "gadget/GadgetsView.h"
#include "info/InfoBrowserView.h"
#include "language/layouts/LayoutTables.h"
#include "list/ListView.h"
#include "app/ControlLayout.h"
#include "mainpanel/MainPanelControls.h"
#include "mainpanel/MainPanelView.h"
#include "mainpanel/PanelChecks.h"
#include "mainpanel/PanelShell_win.h"
#include "mainpanel/SlideMotion.h"
#include "mainpanel/TopmostRule.h"
#include "mainpanel/WindowDrag.h"
#include "language/LanguageLibrary_win.h"
#include "prefs/AutoStart_win.h"
#include "prefs/Preferences.h"
#include "startup/ControlMessages.h"
#include "usage/UsageView.h"
#include "startup/DebugLog.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TTrayIcon.h"

namespace vantor::views {
namespace {

using toolkit::TImage;
using toolkit::TLabel;

constexpr COLORREF kGreyLabel = RGB(0x80, 0x80, 0x80);  // clGray
constexpr unsigned kBootHideDelayMs = 100;

// The information buttons: their page of the information browser (the tag)
// and the hint.
struct InfoButton {
    const char* name;
    const char* base;
    int tag;  // 3 DMI, 2 PCI, 1 WMI, 0 the usage window
    const char* hint;
};
constexpr InfoButton kInfoButtons[] = {
        {"imgDMI", "DMI_b", 3, "DMI information"},
        {"imgPCI", "PCI_b", 2, "PCI information"},
        {"imgWMI", "WMI_b", 1, "WMI information"},
        {"imgUSI", "Usage_b", 0, "Usage"},
};

class TfrmMainPanel final : public toolkit::TGoodForm, public MainPanelView, public ProgramWindow {
public:
    TfrmMainPanel() : TGoodForm(std::string(kMainPanelName)) { AddMainPanelControls(Root()); }
    ~TfrmMainPanel() override;

    bool Create();

    // MainPanelView
    void ShowWarningLight(bool visible) override;
    void SetTrayImage(int index) override;
    void ShowArrangementName(int arrangementIndex) override;
    bool SmallGadgets() const override { return Flag(PanelCheck::Small); }
    bool GadgetsEnabled() const override { return Flag(PanelCheck::EnableAirCraft); }
    bool SoundEffects() const override { return Flag(PanelCheck::EnableSoundEffect); }
    bool PanelClosed() const override { return m_panelClosed; }
    void ShowPanel() override;
    void HidePanel() override;
    bool WindowsShown() const override { return m_windowsShown; }
    void SetWindowsShown(bool shown) override { m_windowsShown = shown; }
    void* WindowHandle() const override { return Handle(); }
    int CoverOffset() const override { return m_coverOffset; }
    int ApplyLayoutTable() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Flag(PanelCheck check) const { return m_flags[static_cast<std::size_t>(check)]; }
    TImage& Image(std::string_view name) const;
    TLabel& Label(std::string_view name) const;

    void SetUpControls();
    void LoadSkins();
    void LoadPreferences();
    void SetUpTray();

    void ToggleCheck(PanelCheck check);
    void ShowCheckPicture(PanelCheck check);
    void UpdateSchemeControls();
    void ApplyTopmost(TopmostTrigger trigger);
    bool AnyGadgetShown() const;

    void StartSlide();
    void SlideTimerTick();
    void ShowSlideArrows();
    void RebuildRegion(int shift);
    int CoverLeft() const;
    void RecordCoverOffset();

    void ChooseArrangement();
    void Restore();
    void Perform(monitor::ControlAction action);

    void OnDragPress(const toolkit::MouseEvent& e) { m_drag.Press(e.button == toolkit::MouseButton::Left, e.x, e.y); }
    void OnDragMove(const toolkit::MouseEvent& e);

    std::array<bool, 5> m_flags{};
    bool m_panelClosed = false;
    bool m_windowsShown = true;
    bool m_firstShowPending = true;
    bool m_gadgetsShownOnce = false;
    bool m_minimised = false;
    bool m_applyingTopmost = false;
    int m_slideStepCounter = 0;
    int m_slideAnchor = 0;  // the cover's left when there is no cover
    int m_schemeIndex = -1;
    int m_coverOffset = 0;
    PanelCut m_cut;
    WindowDrag m_drag;
    HRGN m_backgroundShape = nullptr;
    HRGN m_coverShape = nullptr;
    toolkit::TTimer* m_slideTimer = nullptr;
    toolkit::TTimer* m_bootTimer = nullptr;
    toolkit::TTrayIcon m_tray;
    std::array<HICON, 2> m_trayIcons{};
    monitor::WinRegistryStore m_registry;
};

TfrmMainPanel::~TfrmMainPanel()
{
    if (TheViews().mainPanel == this)
        TheViews().mainPanel = nullptr;
    m_tray.Hide();
    for (HICON icon : m_trayIcons) {
        if (icon)
            DestroyIcon(icon);
    }
    if (m_backgroundShape)
        DeleteObject(m_backgroundShape);
    if (m_coverShape)
        DeleteObject(m_coverShape);
}

TImage& TfrmMainPanel::Image(std::string_view name) const
{
    TImage* image = FindImage(name);
    if (!image)
        throw std::logic_error("main panel without " + std::string(name));
    return *image;
}

TLabel& TfrmMainPanel::Label(std::string_view name) const
{
    auto* label = dynamic_cast<TLabel*>(FindControl(name));
    if (!label)
        throw std::logic_error("main panel without " + std::string(name));
    return *label;
}

bool TfrmMainPanel::Create()
{
    SetUpControls();
    toolkit::FormOptions options;
    options.left = monitor::kMainPanelLayout.front().Left;
    options.top = monitor::kMainPanelLayout.front().Top;
    options.width = monitor::kMainPanelLayout.front().Width;
    options.height = monitor::kMainPanelLayout.front().Height;
    options.caption = "Vantor";
    if (!TGoodForm::Create(options))
        return false;
    ApplyLayoutTable();
    LoadSkins();
    m_cut = PanelCut{.coverShapeX = Image("imgCover").Left(), .coverShapeY = Image("imgCover").Top()};
    RebuildRegion(0);
    FlashWindow(Handle(), TRUE);
    for (const char* name : {"imgDMI", "imgPCI", "imgDMIUp", "imgDMIOv", "imgDMIDn", "imgDMIDs", "imgPCIUp", "imgPCIOv",
                             "imgPCIDn", "imgPCIDs", "imgSchemeDn"})
        toolkit::SetImageTransparent(Image(name));
    TImage& warning = Image("imgWarning");
    warning.SetVisible(false);  // lit only while a sensor is abnormal
    const COLORREF warningKey = PictureColourAt(warning.GetPicture(), 40, 0);
    if (warningKey != CLR_INVALID)
        toolkit::SetImageTransparent(warning, warningKey);
    for (const char* name : {"imgDMI", "imgPCI", "imgWMI", "imgUSI", "imgSlideForm", "imgApply", "imgScheme"})
        toolkit::AttachButtonHandlers(*this, Image(name));
    LoadPreferences();
    UpdateSchemeControls();
    m_slideTimer = &AddTimer("tmrSlideForm", kSlideIntervalMs, [this](toolkit::TTimer&) { SlideTimerTick(); });
    m_slideTimer->SetEnabled(false);
    m_bootTimer = &AddTimer("Timer1", kBootHideDelayMs, [this](toolkit::TTimer& timer) {
        timer.SetEnabled(false);
        if (CoverView* cover = TheViews().cover) {
            cover->HideToTray();
        } else {
            m_windowsShown = false;
            HidePanel();
        }
    });
    m_bootTimer->SetEnabled(TheViews().startedAtBoot);
    SetUpTray();
    TheViews().mainPanel = this;
    return true;
}

void TfrmMainPanel::SetUpControls()
{
    const COLORREF light = GetSysColor(COLOR_3DLIGHT);
    for (const PanelCheckInfo& info : kPanelChecks) {
        TLabel& label = Label(info.label);
        label.SetCaption(std::string(info.caption));
        label.CursorShape = toolkit::crHandPoint;
        const PanelCheck check = info.check;
        label.OnClick = [this, check](toolkit::Control&) {
            // "Small" is greyed while the monitoring panel is off.
            if (check == PanelCheck::Small && !GadgetsEnabled())
                return;
            ToggleCheck(check);
        };
        TImage& image = Image(info.image);
        image.OnClick = [this, check](toolkit::Control&) { ToggleCheck(check); };
    }
    Label("Label6").SetCaption("Scheme");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "lbScheme"}) {
        TLabel& label = Label(name);
        label.SetFont(toolkit::FontSpec{.face = "Arial", .height = -11});
        label.SetTextColour(light);
        label.SetTransparent(true);
    }
    Label("lbScheme").SetFont(toolkit::FontSpec{.face = "Arial", .height = -9});
    for (const InfoButton& button : kInfoButtons) {
        TImage& image = Image(button.name);
        image.Tag = button.tag;
        image.SetHint(button.hint);
        const std::string name = button.name;
        image.OnClick = [name, tag = button.tag](toolkit::Control&) {
            if (tag == 0) {
                if (UsageView* usage = TheViews().usage)
                    usage->ShowModal();
                else
                    monitor::DebugLog(name + "Click: the usage window is not available");
                return;
            }
            if (InfoBrowserView* info = TheViews().infoBrowser)
                info->ShowPageModal(tag);
            else
                monitor::DebugLog(name + "Click: the information browser (page " + std::to_string(tag) +
                                  ") is not available");
        };
    }
    Image("imgSlideForm").SetHint("Open / Close preference panel");
    Image("imgSlideForm").OnClick = [this](toolkit::Control&) { StartSlide(); };
    Image("imgScheme").SetHint("Open scheme window");
    Image("imgScheme").OnClick = [this](toolkit::Control&) { ChooseArrangement(); };
    for (const char* name : {"imgBackground", "imgWarning"}) {
        TImage& surface = Image(name);
        surface.OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) { OnDragPress(e); };
        surface.OnMouseMove = [this](toolkit::Control&, const toolkit::MouseEvent& e) { OnDragMove(e); };
        surface.OnMouseUp = [this](toolkit::Control&, const toolkit::MouseEvent&) { m_drag.Release(); };
    }
}

int TfrmMainPanel::ApplyLayoutTable()
{
    const int applied = ApplyWindowLayout(Root(), monitor::kMainPanelLayout, monitor::ProgramLanguage());
    // The labels size themselves to their (translated) captions.
    for (const PanelCheckInfo& info : kPanelChecks)
        FitLabelWidth(Label(info.label));
    FitLabelWidth(Label("Label6"));
    FitLabelWidth(Label("lbScheme"));
    return applied;
}

void TfrmMainPanel::LoadSkins()
{
    const std::string main = SkinFolder("main");
    const std::string builtin = SkinFolder("builtin");
    toolkit::LoadSkinBitmap(&Image("imgCover"), main + "panel_01_c.bmp");
    toolkit::LoadSkinBitmap(&Image("imgBackground"), main + "panel_05.bmp");
    for (const InfoButton& button : kInfoButtons)
        toolkit::LoadButtonStates(*this, button.name, button.base, main);
    toolkit::LoadButtonStates(*this, "imgApply", "apply", main);
    toolkit::LoadButtonStates(*this, "imgScheme", "top_screen02", main);
    toolkit::LoadSkinBitmap(&Image("imgWarning"), main + "red_light04.bmp");
    for (const char* name : {"imgSchemeBg", "imgSchemeBgUp"})
        toolkit::LoadSkinBitmap(&Image(name), main + "top_screen01_n.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSchemeBgDs"), main + "top_screen01_un.bmp");
    // The pictures the window keeps in itself.
    const std::pair<const char*, const char*> held[] = {
            {"imgUnchecked", "check_off.bmp"},      {"imgChecked", "check_on.bmp"},
            {"imgUncheckedDs", "check_off_ds.bmp"}, {"imgCheckedDs", "check_on_ds.bmp"},
            {"imgGoLeftUp", "goleft_up.bmp"},       {"imgGoLeftOv", "goleft_ov.bmp"},
            {"imgGoLeftDn", "goleft_dn.bmp"},       {"imgGoRightUp", "goright_up.bmp"},
            {"imgGoRightOv", "goright_ov.bmp"},     {"imgGoRightDn", "goright_dn.bmp"},
    };
    for (const auto& [name, file] : held)
        toolkit::LoadSkinBitmap(&Image(name), builtin + file);
    ShowSlideArrows();
    for (const PanelCheckInfo& info : kPanelChecks)
        ShowCheckPicture(info.check);
    m_trayIcons[0] = IconFromBitmapFile(builtin + "tray_normal.bmp");
    m_trayIcons[1] = IconFromBitmapFile(builtin + "tray_alarm.bmp");
    // The two shapes the region is made of; the bitmaps never change.
    m_backgroundShape = OutlineOf(Image("imgBackground").GetPicture());
    m_coverShape = OutlineOf(Image("imgCover").GetPicture());
}

void TfrmMainPanel::LoadPreferences()
{
    // Each start-up switch goes through the check's own click handling: it
    // shows the check, writes the value back and carries out its effect. A
    // refused write is reported and the next flag still loads.
    const auto switchOn = [this](PanelCheck check) {
        try {
            ToggleCheck(check);
        } catch (const std::exception& e) {
            if (OnHandlerError)
                OnHandlerError(e.what());
        }
    };
    char path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string programPath(path, length < sizeof path ? length : 0);
    if (monitor::ReadAutoStart(m_registry, programPath))
        switchOn(PanelCheck::RunAtBootup);
    monitor::Preferences* preferences = TheViews().preferences;
    if (!preferences)
        return;
    const monitor::PreferenceStartup startup = monitor::ReadPreferenceStartup(*preferences);
    for (std::size_t i = 0; i < std::size(kLoadedFlags); ++i) {
        const PanelCheck check = kLoadedFlags[i];
        const auto keyAt =
                std::find(monitor::kPreferenceFlagKeys.begin(), monitor::kPreferenceFlagKeys.end(), InfoOf(check).key);
        if (keyAt != monitor::kPreferenceFlagKeys.end() &&
            startup.FlagOn[static_cast<std::size_t>(keyAt - monitor::kPreferenceFlagKeys.begin())])
            switchOn(check);
    }
    ShowArrangementName(static_cast<int>(startup.Scheme));
}

void TfrmMainPanel::SetUpTray()
{
    m_tray.Menu = {
            toolkit::TrayMenuItem{Translate("Restore"), [this] { Restore(); }},
            toolkit::TrayMenuItem{Translate("Exit"), [] { PostQuitMessage(0); }},
    };
    m_tray.OnClick = [this] {
        if (HWND application = toolkit::ApplicationWindow())
            ShowWindow(application, SW_HIDE);
        Restore();
    };
    m_tray.Show(m_trayIcons[0], "Vantor");
}

void TfrmMainPanel::ToggleCheck(PanelCheck check)
{
    const std::size_t at = static_cast<std::size_t>(check);
    m_flags[at] = !m_flags[at];
    ShowCheckPicture(check);
    const CheckEffects effects = EffectsOfToggle(check, m_flags[at], AnyGadgetShown(), m_schemeIndex);
    if (effects.write) {
        if (monitor::Preferences* preferences = TheViews().preferences) {
            if (auto error = preferences->WritePreference(effects.write->key, effects.write->value))
                throw std::runtime_error(*error);
        }
    }
    if (effects.autoStart) {
        char path[MAX_PATH * 2];
        const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
        if (auto error = monitor::SetAutoStart(m_registry, std::string(path, length < sizeof path ? length : 0),
                                               *effects.autoStart))
            throw std::runtime_error(*error);
    }
    if (effects.applyTopmost)
        ApplyTopmost(TopmostTrigger::CheckToggled);
    GadgetsView* gadgets = TheViews().gadgets;
    if (gadgets && effects.showEnabledGadgets)
        gadgets->ShowEnabledGadgets();
    if (gadgets && effects.hideAllGadgets)
        gadgets->HideAllGadgets();
    if (effects.updateSchemeControls)
        UpdateSchemeControls();
    if (gadgets && effects.relayoutGadgets)
        gadgets->RelayoutGadgets();
    if (gadgets && effects.arrangeShownGadgets)
        gadgets->ArrangeGadgets(*effects.arrangeShownGadgets, GadgetSelection::Shown);
}

void TfrmMainPanel::ShowCheckPicture(PanelCheck check)
{
    TImage& image = Image(InfoOf(check).image);
    const bool enabled = check != PanelCheck::Small || GadgetsEnabled();
    if (TImage* picture = FindImage(CheckPictureName(Flag(check), enabled)))
        image.SetPicture(picture->GetPicture());
}

void TfrmMainPanel::UpdateSchemeControls()
{
    const SchemeControlsLook look = SchemeLookFor(GadgetsEnabled(), SmallGadgets());
    toolkit::SetButtonEnabled(*this, "imgScheme", look.enabled);
    toolkit::SetButtonEnabled(*this, "imgSchemeBg", look.enabled);
    Image("imgSmall").SetEnabled(look.enabled);
    ShowCheckPicture(PanelCheck::Small);
    const COLORREF colour = look.greyLabels ? kGreyLabel : GetSysColor(COLOR_3DLIGHT);
    for (const char* name : {"Label5", "Label6", "lbScheme"})
        Label(name).SetTextColour(colour);
    Label("Label5").CursorShape = look.smallLabelClickable ? toolkit::crHandPoint : toolkit::crDefault;
}

void TfrmMainPanel::ApplyTopmost(TopmostTrigger trigger)
{
    if (m_applyingTopmost || !Handle())
        return;
    const bool flashAbsent = trigger == TopmostTrigger::PanelMoved ? toolkit::IsFlashWindowAbsent() : true;
    const auto order = TopmostFor(trigger, Flag(PanelCheck::AlwaysOnTop), flashAbsent);
    if (!order)
        return;
    // Changing the z-order reports itself through WM_WINDOWPOSCHANGED again.
    m_applyingTopmost = true;
    // The cover and, through it, the gadget windows are owned by the panel
    // and follow it.
    toolkit::SetTopmost(Handle(), *order == ZOrder::Topmost ? HWND_TOPMOST : HWND_NOTOPMOST);
    m_applyingTopmost = false;
}

// The gadget windows are owned by the cover: one of them shown is a visible
// window the cover owns.
struct OwnedWindowSearch {
    HWND owner;
    bool found;
};

BOOL CALLBACK LookForShownOwnedWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<OwnedWindowSearch*>(lParam);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool TfrmMainPanel::AnyGadgetShown() const
{
    CoverView* cover = TheViews().cover;
    if (!cover || !TheViews().gadgets)
        return false;
    OwnedWindowSearch search{static_cast<HWND>(cover->WindowHandle()), false};
    EnumThreadWindows(GetCurrentThreadId(), &LookForShownOwnedWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int TfrmMainPanel::CoverLeft() const
{
    if (CoverView* cover = TheViews().cover)
        return WindowRectOf(static_cast<HWND>(cover->WindowHandle())).left;
    return m_slideAnchor;
}

void TfrmMainPanel::RecordCoverOffset()
{
    m_coverOffset = views::CoverOffset(CoverLeft(), static_cast<int>(WindowRectOf(Handle()).left));
}

void TfrmMainPanel::StartSlide()
{
    m_slideAnchor = WindowRectOf(Handle()).left + m_coverOffset;
    EnableWindow(Handle(), FALSE);
    if (CoverView* cover = TheViews().cover)
        cover->SetEnabled(false);
    m_slideStepCounter = 0;
    m_panelClosed = !m_panelClosed;
    m_slideTimer->SetEnabled(true);
}

void TfrmMainPanel::SlideTimerTick()
{
    const RECT r = WindowRectOf(Handle());
    if (const auto move = SlideTick(m_panelClosed, r.left, CoverLeft(), m_slideStepCounter)) {
        RebuildRegion(move->shift);
        MoveWindow(Handle(), r.left + move->dx, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        ++m_slideStepCounter;
        return;
    }
    m_slideTimer->SetEnabled(false);
    EnableWindow(Handle(), TRUE);
    if (CoverView* cover = TheViews().cover)
        cover->SetEnabled(true);
    ShowSlideArrows();
    m_slideStepCounter = 0;
    RecordCoverOffset();
}

void TfrmMainPanel::ShowSlideArrows()
{
    const char* up = m_panelClosed ? "imgGoRightUp" : "imgGoLeftUp";
    const std::pair<const char*, const char*> pictures[] = {
            {"imgSlideForm", up},
            {"imgSlideFormUp", up},
            {"imgSlideFormOv", m_panelClosed ? "imgGoRightOv" : "imgGoLeftOv"},
            {"imgSlideFormDn", m_panelClosed ? "imgGoRightDn" : "imgGoLeftDn"},
    };
    for (const auto& [target, source] : pictures)
        Image(target).SetPicture(Image(source).GetPicture());
}

void TfrmMainPanel::RebuildRegion(int shift)
{
    m_cut.Shift(shift);
    if (!Handle())
        return;
    const TImage& art = Image("imgBackground");
    HRGN window = CreateRectRgn(0, 0, 0, 0);
    if (m_backgroundShape)
        CombineRgn(window, m_backgroundShape, nullptr, RGN_COPY);
    else  // no skin: the art's rectangle
        SetRectRgn(window, 0, 0, art.Width(), art.Height());
    OffsetRgn(window, art.Left(), art.Top());
    HRGN cut = CreateRectRgn(0, 0, 0, 0);
    if (m_coverShape) {
        CombineRgn(cut, m_coverShape, nullptr, RGN_COPY);
        OffsetRgn(cut, m_cut.coverShapeX, m_cut.coverShapeY);
    }
    HRGN strip = CreateRectRgn(0, 0, m_cut.cutWidth, PanelCut::kStripHeight);
    CombineRgn(cut, cut, strip, RGN_OR);
    CombineRgn(window, window, cut, RGN_DIFF);
    DeleteObject(strip);
    DeleteObject(cut);
    // The window owns the region from here on.
    if (!SetWindowRgn(Handle(), window, TRUE))
        DeleteObject(window);
}

void TfrmMainPanel::OnDragMove(const toolkit::MouseEvent& e)
{
    if (const auto delta = m_drag.Move(e.x, e.y)) {
        MoveWindowBy(Handle(), delta->dx, delta->dy);
        if (CoverView* cover = TheViews().cover)
            MoveWindowBy(static_cast<HWND>(cover->WindowHandle()), delta->dx, delta->dy);
    }
}

void TfrmMainPanel::ShowPanel()
{
    CoverView* cover = TheViews().cover;
    if (m_firstShowPending) {
        if (cover && cover->SavedPanelClosed())
            StartSlide();
        m_firstShowPending = false;
        if (cover) {
            const RECT c = WindowRectOf(static_cast<HWND>(cover->WindowHandle()));
            MoveWindowTo(Handle(), c.left, c.top);
        }
        RecordCoverOffset();
        m_slideAnchor = WindowRectOf(Handle()).left + m_coverOffset;
    }
    Show();
    if (cover) {
        cover->ShowAndEnable();
        if (m_slideTimer->Enabled())  // sliding in at the first show
            cover->SetEnabled(false);
    }
    GadgetsView* gadgets = TheViews().gadgets;
    if (gadgets && GadgetsEnabled() && !m_gadgetsShownOnce) {
        gadgets->ShowEnabledGadgets();
        if (m_schemeIndex >= 0 && m_schemeIndex < kArrangementCount)
            gadgets->ArrangeGadgets(m_schemeIndex, GadgetSelection::Shown);
        m_gadgetsShownOnce = true;
    }
    HWND focus = toolkit::ApplicationWindow() ? toolkit::ApplicationWindow() : Handle();
    SetFocus(focus);
    RebuildRegion(0);
}

void TfrmMainPanel::HidePanel()
{
    if (CoverView* cover = TheViews().cover)
        cover->HideCover();
    Hide();
}

void TfrmMainPanel::Restore()
{
    if (!m_windowsShown)
        ShowPanel();
    m_windowsShown = true;
}

void TfrmMainPanel::ShowWarningLight(bool visible) { Image("imgWarning").SetVisible(visible); }

void TfrmMainPanel::SetTrayImage(int index)
{
    const std::size_t at = index == 1 ? 1 : 0;
    m_tray.SetIcon(m_trayIcons[at]);
}

void TfrmMainPanel::ShowArrangementName(int arrangementIndex)
{
    m_schemeIndex = arrangementIndex;
    TLabel& label = Label("lbScheme");
    label.SetCaption(Translate(ArrangementName(arrangementIndex)));
    FitLabelWidth(label);
}

void TfrmMainPanel::ChooseArrangement()
{
    ListView* list = TheViews().list;
    if (!list) {
        monitor::DebugLog("imgSchemeClick: the list window is not available");
        return;
    }
    const TImage& button = Image("imgScheme");
    const RECT r = WindowRectOf(Handle());
    const ScreenSpot spot = ChooserSpot(r.left, r.top, button.Left(), button.Top(), button.Height());
    list->PlaceAt(spot.left, spot.top);
    if (list->ShowListWindow(ListMode::List, ListContent::Arrangements) != ListResult::Ok)
        return;
    const int chosen = list->SelectedIndex();
    if (chosen < 0)
        return;
    // Arranging makes the choice the current index, unless there is no
    // gadget window to arrange.
    int current = m_schemeIndex;
    if (GadgetsView* gadgets = TheViews().gadgets) {
        gadgets->ArrangeGadgets(chosen, GadgetSelection::Shown);
        current = gadgets->ArrangementIndex();
    }
    ShowArrangementName(current);
    if (monitor::Preferences* preferences = TheViews().preferences) {
        if (auto error = preferences->WritePreference(monitor::kSchemeKey, current))
            throw std::runtime_error(*error);
    }
}

void TfrmMainPanel::Perform(monitor::ControlAction action)
{
    switch (action) {
    case monitor::ControlAction::EndRun:
        PostQuitMessage(0);
        break;
    case monitor::ControlAction::Minimise:
        // The panel and the cover leave the screen until restored; the
        // tray's Restore does not bring back minimised windows.
        if (IsWindowVisible(Handle())) {
            HidePanel();
            m_minimised = true;
        }
        break;
    case monitor::ControlAction::Restore:
        if (m_minimised) {
            m_minimised = false;
            ShowPanel();
        }
        break;
    case monitor::ControlAction::BringToFront:
        SetForegroundWindow(Handle());
        break;
    case monitor::ControlAction::None:
        break;
    }
}

LRESULT TfrmMainPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = TGoodForm::HandleMessage(message, wParam, lParam);
    if (message == WM_WINDOWPOSCHANGED)
        ApplyTopmost(TopmostTrigger::PanelMoved);
    else if (const auto action = monitor::ControlActionFor(message))
        Perform(*action);
    return result;
}

}  // namespace

std::unique_ptr<ProgramWindow> CreateMainPanel()
{
    auto panel = std::make_unique<TfrmMainPanel>();
    if (!panel->Create())
        return nullptr;
    return panel;
}

}  // namespace vantor::views
