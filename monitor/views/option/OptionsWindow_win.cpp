// The options window's monitoring half: Windows is needed for the window, its
// polling timer, the broadcast it posts and its message boxes. Creating it
// binds the hardware library, builds the sensor configuration, reads the
// fan-control state and the settings file and creates the gadget windows;
// destroying it closes all of that again in reverse order.
#include <windows.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/StandardError.h"
#include "app/Views.h"
#include "app/WindowLayout_win.h"
#include "binding/BindingHardware.h"
#include "cover/CoverView.h"
#include "binding/HwBinding.h"
#include "binding/HwPlatform_win.h"
#include "config/ConfigFlows.h"
#include "config/ProfileStore_win.h"
#include "config/SensorDefaults.h"
#include "config/SettingsFile.h"
#include "fan/FanControlModel.h"
#include "gadget/GadgetsView.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "list/ListView.h"
#include "option/OptionsView.h"
#include "sound/Sounds.h"
#include "startup/BroadcastRule.h"
#include "startup/DebugLog.h"
#include "startup/DisplayCheck.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::views {
namespace {

using monitor::ConfigEffectKind;

constexpr const char* kOptionsCaption = "Config";
constexpr const char* kBackgroundFile = "options_01a_ok.bmp";
constexpr const char* kPollingTimer = "tmrGetSensorAll";

// Where a confirmation of this window opens: 250 pixels right of its left
// edge, vertically centred on its bottom edge (the confirmation is 180 high).
constexpr int kConfirmOffsetX = 250;
constexpr int kConfirmHalfHeight = 90;

class OptionsWindow final : public ProgramWindow,
                            public OptionsView,
                            public monitor::FanControlUi,
                            public monitor::SystemRestart {
public:
    OptionsWindow() : m_binding(m_platform, [](std::string_view text) { monitor::DebugLog(text); }) {}
    ~OptionsWindow() override;

    bool Create();

    void RefreshFanControl() override
    {
        if (m_fan)
            m_fan->RefreshFanControl();
    }
    void* WindowHandle() const override { return m_form.Handle(); }
    std::vector<std::string> TargetTemperatureTexts() const override
    {
        return m_fan ? m_fan->Presets() : std::vector<std::string>{};
    }

private:
    // FanControlUi
    std::optional<int> ChooseFromList(const std::vector<std::string>& texts, int selected,
                                      monitor::FanChooser chooser) override;
    bool ConfirmRestart(std::string_view question) override;
    void ShowMessage(std::string_view text) override;
    // SystemRestart
    void RebootSystem() override { toolkit::RebootSystem(); }

    void BuildSkin();
    void Perform(const monitor::ConfigEffects& effects);
    void PostFanSettingsChanged();
    void PollingTick();

    toolkit::TGoodForm m_form{"frmOption"};
    monitor::WinHwPlatform m_platform;
    monitor::HwBinding m_binding;
    monitor::BindingConfigHardware m_hardware{m_binding, m_platform};
    monitor::WinProfileStore m_store;
    monitor::SensorConfiguration m_config;
    std::unique_ptr<monitor::FanControlModel> m_fan;
    std::unique_ptr<GadgetsView> m_gadgets;
    toolkit::TTimer* m_pollingTimer = nullptr;
    std::string m_settingsPath;
};

void OptionsWindow::BuildSkin()
{
    auto& background = m_form.Add<toolkit::TImage>("imgBackground");
    background.AutoSize = true;
    auto& title = m_form.Add<toolkit::TLabel>("lbWindowTitle");
    title.SetCaption(monitor::ProgramLanguage().TranslateText(kOptionsCaption));
    title.SetTextColour(toolkit::MakeColour(230, 236, 240));

    toolkit::FormOptions options;
    options.caption = kOptionsCaption;
    if (!m_form.Create(options))
        return;
    ApplyWindowLayout(m_form, monitor::kOptionLayout);

    // The window takes its background's size and outline (key: its top-left pixel).
    const std::string file = TheViews().programFolder + "Res\\options\\" + kBackgroundFile;
    if (toolkit::LoadSkinBitmap(&background, file)) {
        background.SetBounds(0, 0, background.Width(), background.Height());
        toolkit::Control& window = m_form.Root();
        window.SetBounds(window.Left(), window.Top(), background.Width(), background.Height());
        if (HBITMAP bitmap = toolkit::BitmapOf(background.GetPicture())) {
            HDC dc = CreateCompatibleDC(nullptr);
            const HGDIOBJ old = SelectObject(dc, bitmap);
            const COLORREF key = GetPixel(dc, 0, 0);
            SelectObject(dc, old);
            DeleteDC(dc);
            m_form.ShapeFromBitmap(bitmap, key);
        }
    }
}

bool OptionsWindow::Create()
{
    BuildSkin();
    m_pollingTimer = &m_form.AddTimer(kPollingTimer, monitor::kDefaultPollingIntervalMs,
                                      [this](toolkit::TTimer&) { PollingTick(); });

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
            m_binding.Exports(), m_config, *this, *this,
            [](std::string_view text) { return monitor::ProgramLanguage().TranslateText(text); },
            [](std::string_view line) { monitor::DebugLog(line); });
    m_fan->PrepareFanControl();
    m_fan->RefreshFanControl();

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

void OptionsWindow::PollingTick()
{
    if (GadgetsView* gadgets = TheViews().gadgets)
        gadgets->EvaluateAll();
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
            break;
        case ConfigEffectKind::ReReadFanControlTarget:
            m_fan->ReadBackTarget(true);
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
        case ConfigEffectKind::RedrawSettingsPage:
        case ConfigEffectKind::RedrawScaleImages:
        case ConfigEffectKind::RedrawCheckImages:
        case ConfigEffectKind::UpdateAlertControls:
        case ConfigEffectKind::MarkUnchanged:
            break;  // the pages are drawn when they are shown
        }
    }
    if (gadgetsChanged) {
        if (GadgetsView* gadgets = TheViews().gadgets)
            gadgets->AfterCommit();
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
    RECT r{};
    GetWindowRect(m_form.Handle(), &r);
    list->PlaceAt(r.left + kConfirmOffsetX, r.top + (r.bottom - r.top) / 3);
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

void OptionsWindow::ShowMessage(std::string_view text)
{
    const std::string message(text);
    const std::string title(monitor::kApplicationTitle);
    MessageBoxA(m_form.Handle(), message.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace

std::unique_ptr<ProgramWindow> CreateOptionsWindow()
{
    auto window = std::make_unique<OptionsWindow>();
    window->Create();
    return window;
}

}  // namespace vantor::views
