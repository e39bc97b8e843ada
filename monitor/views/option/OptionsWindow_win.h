// The options window's class, shared by the files that build it: the frame
// (OptionsWindow_win.cpp), its controls (OptionControls_win.cpp), the sensor
// page (SensorPage_win.cpp), the preference page (PreferencePage_win.cpp)
// and the buttons at the bottom (OptionButtons_win.cpp). Windows only.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "binding/BindingHardware.h"
#include "binding/HwBinding.h"
#include "binding/HwPlatform_win.h"
#include "config/ConfigEffect.h"
#include "config/ProfileStore_win.h"
#include "config/SensorConfig.h"
#include "fan/FanControlModel.h"
#include "gadget/GadgetsView.h"
#include "option/OptionsView.h"
#include "option/ProfileDialogs_win.h"
#include "option/ThresholdEntry.h"
#include "toolkit/TEdit.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/ZyButtonTx.h"

namespace vantor::views {

// The form with the two hooks the options window needs from it: the knobs'
// moves and the messages its edit fields send.
class OptionsForm final : public toolkit::TGoodForm {
public:
    OptionsForm() : TGoodForm("frmOption") {}
    std::function<void(toolkit::TImage&)> OnKnobMoved;
    // Answers true (with the result) for a message it handled.
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> OnMessage;

    void KnobMoved(toolkit::TImage& knob) override
    {
        if (OnKnobMoved)
            OnKnobMoved(knob);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT result = 0;
        if (OnMessage && OnMessage(message, wParam, lParam, result))
            return result;
        return TGoodForm::HandleMessage(message, wParam, lParam);
    }
};

// A key typed into one of the window's edit fields, asked of the form before
// the field takes it: wParam the character, lParam the field's window; a
// non-zero answer drops the key.
inline constexpr UINT kWmEditKey = WM_APP + 0x41;
// A key released in an edit field (lParam the field's window).
inline constexpr UINT kWmEditKeyUp = WM_APP + 0x42;
// Enter (wParam 1) or Escape (wParam 0) in an edit field.
inline constexpr UINT kWmEditCommit = WM_APP + 0x43;

inline constexpr int kSensorRows = 5;

// Tab captions: the chosen main tab yellow and the others white; the chosen
// sensor tab black (on its light face) and the others grey.
inline constexpr toolkit::ColourRef kChosenTabColour = 0x0000FFFF;
inline constexpr toolkit::ColourRef kOtherTabColour = 0x00FFFFFF;
inline constexpr toolkit::ColourRef kChosenSensorTabColour = 0x00000000;
inline constexpr toolkit::ColourRef kOtherSensorTabColour = 0x00808080;

class OptionsWindow final : public ProgramWindow,
                            public OptionsView,
                            public monitor::FanControlUi,
                            public monitor::SystemRestart {
public:
    // `restart` stands in for the forced restart of Windows (the window
    // itself when null); `dialogs` for the standard file dialogs.
    OptionsWindow(std::unique_ptr<ProfileDialogs> dialogs, monitor::SystemRestart* restart);
    ~OptionsWindow() override;

    bool Create();

    // OptionsView
    void RefreshFanControl() override;
    void* WindowHandle() const override { return m_form.Handle(); }
    std::vector<std::string> TargetTemperatureTexts() const override
    {
        return m_fan ? m_fan->Presets() : std::vector<std::string>{};
    }
    void ShowModal() override;
    void RedrawEnableChecks() override;
    int LayoutResult() const override { return m_layoutResult; }

private:
    // FanControlUi
    std::optional<int> ChooseFromList(const std::vector<std::string>& texts, int selected,
                                      monitor::FanChooser chooser) override;
    bool ConfirmRestart(std::string_view question) override;
    void ShowMessage(std::string_view text) override;
    // SystemRestart
    void RebootSystem() override;

    // Frame
    void Perform(const monitor::ConfigEffects& effects);
    void PostFanSettingsChanged();
    void PollingTick();
    void ShowMainTab(int tab);
    void MarkChanged(bool changed);
    void SetStatus(const std::string& text, bool warning);
    bool OnFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    enum class EditField {
        Threshold,
        FanName,
        Volume,
        Interval,
        Other
    };
    static EditField EditFieldOf(const toolkit::TEdit& edit);
    void OnEditCommand(HWND edit, int code);

    // Controls
    void AddControls();
    void LoadPictures();
    void LoadSkinOnce();
    void BindHandlers();
    void CreatePagingButtons();
    void CreateGroupButtons();
    void SubclassEdits();
    toolkit::TImage& Image(const std::string& name) const;
    toolkit::TLabel& Label(const std::string& name) const;
    toolkit::TEdit& Edit(const std::string& name) const;
    // A ZyButtonTx placed over its holder (the control the layout table names).
    void PlaceButtonOver(toolkit::ZyButtonTx& button, const std::string& holder);

    // Sensor page
    void ShowSensorControls(bool visible);
    void ShowSensorTab(int tab);
    void RedrawSensorPage(bool onlyValues);
    void RedrawThresholdColumn();
    void RedrawRowChecks();
    void RowCheckClicked(int row);
    void PageBy(int step);
    void KnobMoved(toolkit::TImage& knob);
    monitor::SensorKind CurrentKind() const;
    monitor::SensorTable& CurrentTable();
    ThresholdField FieldOf(std::size_t sensor);
    std::optional<std::size_t> SensorOfRow(int row);
    void SetEditText(toolkit::TEdit& edit, const std::string& text);
    void ThresholdEditChanged(int row);
    bool FinishThresholdEdit();

    // Preference page
    void ShowPreferenceControls(bool visible);
    void RedrawPreferenceChecks();
    void RedrawScaleRadios();
    void UpdateAlertControls();
    void PreferenceCheckClicked(int tag);
    void ScaleClicked(int tag);
    void ShowFanControlArea(bool visible);
    void RedrawFanControl();
    void FanAction(const std::function<void()>& action, bool marksChanged);
    void ReadNumberFields();

    // Buttons
    bool Confirm(std::string_view question);
    bool ReadyForButton();
    void DefaultClicked();
    void ApplyClicked();
    void CancelClicked();
    void SaveAsClicked();
    void LoadClicked();

    OptionsForm m_form;
    monitor::WinHwPlatform m_platform;
    monitor::HwBinding m_binding;
    monitor::BindingConfigHardware m_hardware{m_binding, m_platform};
    monitor::WinProfileStore m_store;
    monitor::SensorConfiguration m_config;
    std::unique_ptr<monitor::FanControlModel> m_fan;
    std::unique_ptr<GadgetsView> m_gadgets;
    std::unique_ptr<ProfileDialogs> m_dialogs;
    monitor::SystemRestart* m_restart;
    toolkit::TTimer* m_pollingTimer = nullptr;
    std::string m_settingsPath;
    int m_layoutResult = 0;

    int m_mainTab = 1;
    int m_sensorTab = 0;  // 0 until first chosen
    std::array<std::size_t, 3> m_page{};
    bool m_changed = false;
    bool m_shown = false;
    bool m_skinLoaded = false;
    std::string m_textOnEntry;
    // The threshold field with the focus (row from 0), and its typing.
    std::optional<int> m_thresholdRow;
    ThresholdEdit m_thresholdEdit;
    // Texts the window sets itself are not the user's typing.
    bool m_settingText = false;
    // A typed threshold was just refused: the button pressed with it in the
    // field does nothing more, so the user reads why first.
    bool m_refusalShown = false;

    // The Apply button's state pictures, plain and with the changed lamp.
    std::array<toolkit::PicturePtr, 4> m_applyPlain;
    std::array<toolkit::PicturePtr, 4> m_applyChanged;

    toolkit::ZyButtonTx m_lastPage;
    toolkit::ZyButtonTx m_nextPage;
    toolkit::ZyButtonTx m_showGroup;
    std::array<toolkit::ZyButtonTx, 5> m_groupButtons;
};

// The options window with its two outside doors replaced (tests): the
// profile dialogs and the forced restart (null: the real one).
std::unique_ptr<ProgramWindow> CreateOptionsWindow(std::unique_ptr<ProfileDialogs> dialogs,
                                                   monitor::SystemRestart* restart);

}  // namespace vantor::views
