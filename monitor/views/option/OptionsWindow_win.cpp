// The options window's frame: Windows is needed for the window, its polling
// timer, the broadcast it posts and its message boxes. Creating it binds the
// hardware library, builds the sensor configuration, reads the fan-control
// state and the settings file and creates the gadget windows; destroying it
// closes all of that again in reverse order. The pages and the buttons live
// in their own files.
#include "option/OptionsWindow_win.h"

#include <memory>
#include <string>

#include "app/StandardError.h"
#include "app/Views.h"
#include "app/WindowLayout_win.h"
#include "config/ConfigFlows.h"
#include "config/SensorDefaults.h"
#include "config/SettingsFile.h"
#include "cover/CoverView.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "list/ListView.h"
#include "option/NumberFields.h"
#include "sound/Sounds.h"
#include "startup/BroadcastRule.h"
#include "startup/DebugLog.h"
#include "startup/DisplayCheck.h"
#include "toolkit/SystemHelpers.h"
#include "usage/WindowShell_win.h"

namespace vantor::views {
namespace {

using monitor::ConfigEffectKind;

constexpr const char* kOptionsCaption = "Config";
constexpr const char* kPollingTimer = "tmrGetSensorAll";
constexpr toolkit::ColourRef kStatusColour = RGB(136, 145, 158);
constexpr toolkit::ColourRef kWarningColour = RGB(255, 176, 64);

// Where a confirmation of this window opens: 250 pixels right of its left
// edge, vertically centred on its bottom edge (the confirmation is 180 high).
constexpr int kConfirmOffsetX = 250;
constexpr int kConfirmHalfHeight = 90;

}  // namespace

OptionsWindow::EditField OptionsWindow::EditFieldOf(const toolkit::TEdit& edit)
{
    // Edit1-Edit6 (Tag 11-16) hold fan names, Edit7-Edit12 (Tag 1-6) thresholds.
    if (edit.Name() == "eVolume")
        return EditField::Volume;
    if (edit.Name() == "eInterval")
        return EditField::Interval;
    if (edit.Name().rfind("Edit", 0) != 0)
        return EditField::Other;
    if (edit.Tag >= 1 && edit.Tag <= kSensorRows)
        return EditField::Threshold;
    return edit.Tag > 10 ? EditField::FanName : EditField::Other;
}

OptionsWindow::OptionsWindow(std::unique_ptr<ProfileDialogs> dialogs, monitor::SystemRestart* restart)
    : m_binding(m_platform, [](std::string_view text) { monitor::DebugLog(text); }), m_dialogs(std::move(dialogs)),
      m_restart(restart ? restart : this)
{}

bool OptionsWindow::Create()
{
    AddControls();
    m_pollingTimer = &m_form.AddTimer(kPollingTimer, monitor::kDefaultPollingIntervalMs,
                                      [this](toolkit::TTimer&) { PollingTick(); });
    toolkit::FormOptions options;
    options.caption = kOptionsCaption;
    options.width = 600;
    options.height = 400;
    if (CoverView* cover = TheViews().cover)
        options.owner = static_cast<HWND>(cover->WindowHandle());
    if (!m_form.Create(options))
        return false;
    m_layoutResult = ApplyWindowLayout(m_form, monitor::kOptionLayout);
    SubclassEdits();
    CreatePagingButtons();

    m_binding.Start();  // without the library the program runs on without sensors
    // The cover hears the system's suspend and resume notices and passes them on.
    if (CoverView* cover = TheViews().cover)
        cover->SetHwBinding(&m_binding);
    m_config = monitor::MakeSensorConfiguration(m_binding.Voltages().Descriptors(),
                                                m_binding.Temperatures().Descriptors(), m_binding.Fans().Descriptors());
    monitor::BuildDefaults(m_config, monitor::SensorKind::Temperature, m_hardware);
    monitor::BuildDefaults(m_config, monitor::SensorKind::Voltage, m_hardware);
    monitor::BuildDefaults(m_config, monitor::SensorKind::Fan, m_hardware);

    m_fan = std::make_unique<monitor::FanControlModel>(
            m_binding.Exports(), m_config, *this, *m_restart,
            [](std::string_view text) { return monitor::ProgramLanguage().TranslateText(text); },
            [](std::string_view line) { monitor::DebugLog(line); });
    m_fan->PrepareFanControl();
    CreateGroupButtons();
    BindHandlers();
    MarkChanged(false);
    ShowMainTab(1);
    RefreshFanControl();

    m_settingsPath = monitor::SettingsFilePath(TheViews().programFolder);
    const monitor::CommitResult loaded =
            monitor::LoadSettings(m_store, m_settingsPath, m_config, m_hardware, monitor::FanControlCommitOf(*m_fan));
    Perform(loaded.Effects);

    m_gadgets = CreateGadgets(m_binding, m_config);
    TheViews().gadgets = m_gadgets.get();
    TheViews().options = this;
    return true;
}

OptionsWindow::~OptionsWindow()
{
    if (m_pollingTimer)
        m_pollingTimer->SetEnabled(false);
    // The gadgets read the binding's values and the configuration: they go
    // first. Then the settings are saved, and last the reading thread stops
    // and the library closes (HwBinding::Stop ends the thread before
    // OCAPI_Close).
    TheViews().gadgets = nullptr;
    m_gadgets.reset();
    if (!m_settingsPath.empty()) {
        const monitor::FlowResult saved = monitor::ExitFlow(m_config, m_store, m_settingsPath);
        if (saved.Error)
            ShowStandardError(*saved.Error);
    }
    if (CoverView* cover = TheViews().cover)
        cover->SetHwBinding(nullptr);
    m_binding.Stop();
    if (TheViews().options == this)
        TheViews().options = nullptr;
}

void OptionsWindow::RefreshFanControl()
{
    if (!m_fan)
        return;
    m_fan->RefreshFanControl();
    RedrawFanControl();
    RedrawPreferenceChecks();
}

// The window lives hidden for the whole run and most runs never show it:
// its pictures (megabytes of page backgrounds) are loaded when it is first
// shown. What was drawn before then without them is drawn again; showing
// the window draws its page.
void OptionsWindow::LoadSkinOnce()
{
    if (m_skinLoaded)
        return;
    m_skinLoaded = true;
    LoadPictures();
    // The window takes its background's size and outline (key: its top-left pixel).
    ShapeToBackground(m_form, Image("imgBackground"));
    MarkChanged(m_changed);
    RedrawFanControl();
    RedrawPreferenceChecks();
    RedrawScaleRadios();
}

void OptionsWindow::ShowModal()
{
    if (m_shown) {
        SetForegroundWindow(m_form.Handle());
        return;
    }
    m_shown = true;
    LoadSkinOnce();
    SetStatus("", false);
    ShowMainTab(m_mainTab);
    HWND owner = nullptr;
    if (CoverView* cover = TheViews().cover)
        owner = static_cast<HWND>(cover->WindowHandle());
    // A modal window of the program: above its cover, its panel (which may
    // be kept above all windows) and its gadgets while it is shown.
    // The application window is disabled with the owner, as behind any modal
    // window: a skinned button's press gives it the focus otherwise, and the
    // press loses its mouse capture to that activation.
    HWND application = toolkit::ApplicationWindow();
    const bool disableApplication = application && IsWindowEnabled(application);
    if (disableApplication)
        EnableWindow(application, FALSE);
    m_form.Show();
    toolkit::SetTopmost(m_form.Handle(), HWND_TOPMOST);
    RunModal(m_form, owner, [this] { return !IsWindowVisible(m_form.Handle()); });
    toolkit::SetTopmost(m_form.Handle(), HWND_NOTOPMOST);
    if (disableApplication)
        EnableWindow(application, TRUE);
    m_shown = false;
}

void OptionsWindow::PollingTick()
{
    if (GadgetsView* gadgets = TheViews().gadgets)
        gadgets->EvaluateAll();
    if (IsWindowVisible(m_form.Handle()) && m_mainTab == 1 && m_sensorTab != 0)
        RedrawSensorPage(true);
}

void OptionsWindow::PostFanSettingsChanged()
{
    const std::string name(monitor::kBroadcastMessageName);
    const UINT message = RegisterWindowMessageA(name.c_str());
    if (message != 0)
        PostMessageA(HWND_BROADCAST, message, static_cast<WPARAM>(monitor::kFanSettingsChanged), 0);
}

void OptionsWindow::Perform(const monitor::ConfigEffects& effects)
{
    bool gadgetsChanged = false;
    for (const monitor::ConfigEffect& effect : effects) {
        switch (effect.Kind) {
        case ConfigEffectKind::SetReadingInterval:
            m_binding.SetReadingInterval(effect.Value);
            if (m_pollingTimer && effect.Value > 0)
                m_pollingTimer->SetInterval(static_cast<unsigned>(effect.Value));
            break;
        case ConfigEffectKind::SetWaveVolume:
            if (monitor::Sounds* sounds = TheViews().sounds)
                sounds->SetWaveVolume(effect.Value);
            break;
        case ConfigEffectKind::WriteFanControl:
            m_fan->ApplyFanSwitches();
            break;
        case ConfigEffectKind::ResetFanControlPending:
            m_fan->RevertFanItems();
            RedrawFanControl();
            break;
        case ConfigEffectKind::ReReadFanControlTarget:
            m_fan->ReadBackTarget(true);
            RedrawFanControl();
            break;
        case ConfigEffectKind::SendGadgetUnits:
        case ConfigEffectKind::SendGadgetRefresh:
            gadgetsChanged = true;
            break;
        case ConfigEffectKind::ShowHideGadgets:
            if (GadgetsView* gadgets = TheViews().gadgets)
                gadgets->ShowEnabledGadgets();
            break;
        case ConfigEffectKind::PostFanSettingsChanged:
            PostFanSettingsChanged();
            break;
        case ConfigEffectKind::RaiseOptionsWindow:
            toolkit::SetTopmost(m_form.Handle(), HWND_TOP);
            break;
        case ConfigEffectKind::CloseOptionsWindow:
            m_form.Hide();
            break;
        case ConfigEffectKind::RedrawSensorPage:
            if (m_mainTab == 1 && m_sensorTab != 0)
                ShowSensorTab(m_sensorTab);
            break;
        case ConfigEffectKind::RedrawSettingsPage:
            ReadNumberFields();
            RedrawPreferenceChecks();
            RedrawScaleRadios();
            break;
        case ConfigEffectKind::RedrawScaleImages:
            RedrawScaleRadios();
            break;
        case ConfigEffectKind::RedrawCheckImages:
            RedrawRowChecks();
            RedrawPreferenceChecks();
            break;
        case ConfigEffectKind::UpdateAlertControls:
            UpdateAlertControls();
            break;
        case ConfigEffectKind::MarkUnchanged:
            MarkChanged(false);
            break;
        }
    }
    // The number fields show what the flow left in the edit copy.
    ReadNumberFields();
    if (gadgetsChanged) {
        if (GadgetsView* gadgets = TheViews().gadgets)
            gadgets->AfterCommit();
    }
}

void OptionsWindow::ShowMainTab(int tab)
{
    if (tab != 1 && tab != 2)
        return;
    m_mainTab = tab;
    for (int k = 1; k <= 3; ++k) {
        toolkit::TLabel& label = Label("lbMainTab" + std::to_string(k));
        const bool chosen = k == tab;
        label.SetTextColour(chosen ? kChosenTabColour : kOtherTabColour);
        label.CursorShape = chosen ? toolkit::crDefault : toolkit::crHandPoint;
        label.SetEnabled(true);
    }
    Label("lbMainTab3").SetVisible(false);
    // The picture of the tab not chosen lies beside the page's own tab.
    Image("imgSensorsTab").SetVisible(tab != 1);
    Image("imgSettingTab").SetVisible(tab != 2);
    ShowFanControlArea(false);
    if (tab == 1) {
        ShowPreferenceControls(false);
        ShowSensorControls(true);
        ShowSensorTab(m_sensorTab == 0 ? 1 : m_sensorTab);
    } else {
        FinishThresholdEdit();
        m_refusalShown = false;
        ShowSensorControls(false);
        Image("imgHeader").SetPicture(Image("imgHeaderSetting").GetPicture());
        ShowPreferenceControls(true);
    }
}

void OptionsWindow::MarkChanged(bool changed)
{
    m_changed = changed;
    // The Apply button takes the pictures with the lamp while there are
    // changes, its plain ones otherwise, and shows its normal state.
    const char* states[] = {"Up", "Ov", "Dn", "Ds"};
    for (std::size_t k = 0; k < 4; ++k)
        Image(std::string("imgApply") + states[k]).SetPicture(changed ? m_applyChanged[k] : m_applyPlain[k]);
    Image("imgApply").SetPicture(Image("imgApplyUp").GetPicture());
}

void OptionsWindow::SetStatus(const std::string& text, bool warning)
{
    toolkit::TLabel& status = Label("lbStatus");
    status.SetTextColour(warning ? kWarningColour : kStatusColour);
    status.SetCaption(text);
}

bool OptionsWindow::OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            OnEditCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            result = 0;
            return true;
        }
        return false;
    case kWmEditKey: {
        auto* edit = dynamic_cast<toolkit::TEdit*>(toolkit::TWinControl::FromWindow(reinterpret_cast<HWND>(lParam)));
        const EditField field = edit ? EditFieldOf(*edit) : EditField::Other;
        const bool digitsOnly =
                field == EditField::Threshold || field == EditField::Volume || field == EditField::Interval;
        if (digitsOnly && !IsNumberFieldKey(static_cast<char>(wParam))) {
            result = 1;
            return true;
        }
        // Any key in a threshold field is the user's typing.
        if (field == EditField::Threshold)
            m_thresholdEdit.KeyTyped();
        result = 0;
        return true;
    }
    case kWmEditKeyUp: {
        auto* control = toolkit::TWinControl::FromWindow(reinterpret_cast<HWND>(lParam));
        auto* edit = dynamic_cast<toolkit::TEdit*>(control);
        if (edit && edit->Text() != m_textOnEntry) {
            MarkChanged(true);
            m_textOnEntry = edit->Text();
        }
        result = 0;
        return true;
    }
    case kWmEditCommit:
        if (wParam == 1)
            ApplyClicked();
        else
            CancelClicked();
        result = 0;
        return true;
    default:
        return false;
    }
}

void OptionsWindow::OnEditCommand(HWND window, int code)
{
    auto* edit = dynamic_cast<toolkit::TEdit*>(toolkit::TWinControl::FromWindow(window));
    if (!edit)
        return;
    const EditField field = EditFieldOf(*edit);
    switch (code) {
    case EN_SETFOCUS:
        m_textOnEntry = edit->Text();
        m_refusalShown = false;
        if (field == EditField::Threshold) {
            m_thresholdRow = edit->Tag - 1;
            if (const auto sensor = SensorOfRow(edit->Tag - 1)) {
                m_thresholdEdit.Enter(CurrentTable().EditThreshold[*sensor]);
                Label("lbThresholdRange").SetCaption(ThresholdRangeText(FieldOf(*sensor)));
            }
        }
        break;
    case EN_KILLFOCUS:
        if (field == EditField::Threshold)
            FinishThresholdEdit();
        else if (field == EditField::Volume) {
            m_config.Edit.VolumeField = VolumeFieldOnLeave(edit->Text());
            ReadNumberFields();
        } else if (field == EditField::Interval) {
            m_config.Edit.IntervalField = IntervalFieldOnLeave(edit->Text());
            ReadNumberFields();
        }
        break;
    case EN_CHANGE:
        if (m_settingText)
            break;
        switch (field) {
        case EditField::Threshold:
            ThresholdEditChanged(edit->Tag - 1);
            break;
        case EditField::FanName:
            if (m_mainTab == 1 && m_sensorTab == 3) {
                if (const auto sensor = SensorOfRow(edit->Tag - 11))
                    monitor::CopyCut(edit->Text(), m_config.Fan.EditFanName[*sensor]);
            }
            break;
        case EditField::Volume:
            m_config.Edit.VolumeField = edit->Text();
            break;
        case EditField::Interval:
            m_config.Edit.IntervalField = edit->Text();
            break;
        case EditField::Other:
            break;
        }
        break;
    default:
        break;
    }
}

std::optional<int> OptionsWindow::ChooseFromList(const std::vector<std::string>& texts, int selected,
                                                 monitor::FanChooser chooser)
{
    ListView* list = TheViews().list;
    if (list == nullptr)
        return std::nullopt;
    const bool targets = chooser.Which == monitor::FanChooser::ProcessorTarget ||
                         chooser.Which == monitor::FanChooser::ChassisTarget;
    if (!targets)
        list->SetItems(texts);
    list->SelectIndex(selected);
    // Below the pressed button, 150 pixels to its left.
    std::string button = "imgSelect";
    if (chooser.Which == monitor::FanChooser::ChassisTarget)
        button = "imgChSelect";
    else if (chooser.Which == monitor::FanChooser::Group)
        button = "imgShowGroup";
    else if (chooser.Which == monitor::FanChooser::Option)
        button = "btnGroup" + std::to_string(chooser.Row + 1);
    const toolkit::Control* pressed = m_form.FindControl(button);
    RECT r{};
    GetWindowRect(m_form.Handle(), &r);
    const monitor::ListOrigin origin = monitor::ListWindowOrigin(
            pressed ? pressed->Left() : 0, pressed ? pressed->Top() : 0, pressed ? pressed->Height() : 0);
    list->PlaceAt(r.left + origin.Left, r.top + origin.Top);
    if (list->ShowListWindow(ListMode::List, targets ? ListContent::TargetTemperatures : ListContent::Prepared) !=
        ListResult::Ok)
        return std::nullopt;
    const int chosen = list->SelectedIndex();
    return chosen >= 0 ? std::optional<int>(chosen) : std::nullopt;
}

bool OptionsWindow::ConfirmRestart(std::string_view question)
{
    ListView* list = TheViews().list;
    if (list == nullptr) {
        const std::string text(question);
        return MessageBoxA(m_form.Handle(), text.c_str(), "Vantor", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    }
    RECT r{};
    GetWindowRect(m_form.Handle(), &r);
    list->SetMessageText(std::string(question));
    list->PlaceAt(r.left + kConfirmOffsetX, r.bottom - kConfirmHalfHeight);
    return list->ShowListWindow(ListMode::Confirm, ListContent::Prepared) == ListResult::Ok;
}

bool OptionsWindow::Confirm(std::string_view question)
{
    return ConfirmRestart(monitor::ProgramLanguage().TranslateText(question));
}

void OptionsWindow::ShowMessage(std::string_view text)
{
    const std::string message(text);
    const std::string title(monitor::kApplicationTitle);
    MessageBoxA(m_form.Handle(), message.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

void OptionsWindow::RebootSystem() { toolkit::RebootSystem(); }

std::unique_ptr<ProgramWindow> CreateOptionsWindow(std::unique_ptr<ProfileDialogs> dialogs,
                                                   monitor::SystemRestart* restart)
{
    auto window = std::make_unique<OptionsWindow>(std::move(dialogs), restart);
    window->Create();
    return window;
}

std::unique_ptr<ProgramWindow> CreateOptionsWindow()
{
    return CreateOptionsWindow(MakeWindowsProfileDialogs(), nullptr);
}

}  // namespace vantor::views
