// The options window's preference page: the alert check boxes, the
// temperature scale, the volume and interval fields, and the board's fan
// control as the fan-control model describes it (switches, targets, the
// group of setting items). Windows is needed for the registry test of the
// maker's suite and the bitmap buttons' windows.
#include <string>

#include "app/Views.h"
#include "config/EditCopy.h"
#include "option/NumberFields.h"
#include "option/OptionsWindow_win.h"
#include "language/LanguageLibrary_win.h"
#include "startup/DebugLog.h"
#include "toolkit/TPanel.h"

namespace vantor::views {
namespace {

constexpr std::uint32_t kOldTargetItem = 0x04030005;
constexpr std::uint32_t kProfileItem = 0x04050009;
constexpr std::uint32_t kChassisSwitch = 0x04060006;
constexpr std::uint32_t kChassisTargetItem = 0x0405000A;
constexpr int kSuiteCoverHeight = 225;

// The maker's suite owns the fan settings when its key exists.
bool SuiteInstalled()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\ZYKO\\Brivo\\", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

void OptionsWindow::ShowPreferenceControls(bool visible)
{
    for (const char* name :
         {"Label25", "imgMBox", "Label28", "imgAudio", "Label29", "Label30", "Label41", "Label42", "Label26",
          "imgCelsius", "Label31", "imgFahrenheit", "Label32", "Label34", "Label35", "Label43"})
        m_form.FindControl(name)->SetVisible(visible);
    Edit("eVolume").SetVisible(visible);
    Edit("eInterval").SetVisible(visible);
    // Alerting is set by the settings file and Default alone.
    Image("imgAlerting").SetVisible(false);
    Label("Label27").SetVisible(false);
    if (visible) {
        ReadNumberFields();
        RedrawPreferenceChecks();
        RedrawScaleRadios();
        UpdateAlertControls();
    }
    ShowFanControlArea(visible);
}

void OptionsWindow::ShowFanControlArea(bool visible)
{
    const auto& exports = m_binding.Exports();
    auto workable = [&exports](std::uint32_t item) {
        return exports.OCAPI_CheckWorkable != nullptr && exports.OCAPI_CheckWorkable(item) != 0;
    };
    const bool profile = visible && workable(kProfileItem);
    const bool tempShow = visible && workable(kOldTargetItem) && !workable(kProfileItem);
    const bool oldItems = m_fan && m_fan->Interface() == monitor::FanItemInterface::Old;
    const bool valueShown = visible && !oldItems && (tempShow || profile);
    const bool chassis = visible && workable(kChassisSwitch);
    const bool groups = visible && m_fan && m_fan->View().GroupAreaShown;

    for (const char* name : {"lbKelvaneTitle", "imgKelvaneFrame", "imgKelvane", "Label33"})
        m_form.FindControl(name)->SetVisible(visible);
    Image("imgKelvaneModeG").SetVisible(profile);
    Image("imgSelect").SetVisible(profile);
    Label("lbTempValue").SetVisible(valueShown);
    Label("lbTemp").SetVisible(tempShow);
    Image("imgAdd").SetVisible(tempShow);
    Image("imgSbb").SetVisible(tempShow);
    for (const char* name : {"imgChKelvane", "imgChKelvaneFrame", "Label50"})
        m_form.FindControl(name)->SetVisible(chassis);
    // A chassis target the board cannot choose would be an empty field.
    const bool chassisTarget = chassis && workable(kChassisTargetItem);
    for (const char* name : {"imgChKelvaneModeG", "lbChTempValue", "imgChSelect"})
        m_form.FindControl(name)->SetVisible(chassisTarget);

    // A board without any fan control says so instead of an empty frame.
    const bool nothing = visible && m_fan && !m_fan->View().ProcessorSwitchEnabled && !chassis && !groups;
    Label("lbFanNote").SetCaption(nothing ? "This board offers no fan control." : "");
    Label("lbFanNote").SetVisible(nothing);
    if (nothing) {
        for (const char* name : {"imgKelvaneFrame", "imgKelvane", "Label33"})
            m_form.FindControl(name)->SetVisible(false);
    }

    for (const char* name :
         {"imgLotsFanCover", "imgKelvaneBorder", "lbGroupHeading", "imgGroupContentBg", "lbGroupContent"})
        m_form.FindControl(name)->SetVisible(groups);

    auto* cover = dynamic_cast<toolkit::TPanel*>(m_form.FindControl("pnKelvaneCover"));
    bool covered = visible && exports.OCAPI_HideKelvane != nullptr && exports.OCAPI_HideKelvane() != 0;
    if (cover) {
        cover->SetBounds(368, 96, cover->Width(), cover->Height());
        if (visible && SuiteInstalled()) {
            covered = true;
            cover->SetHeight(kSuiteCoverHeight);
        }
        cover->SetVisible(covered);
        if (covered && cover->Handle())
            SetWindowPos(cover->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    RedrawFanControl();
    // The choosers are windows of their own: they hide with the area and under the cover.
    if (covered || !groups) {
        ShowWindow(m_showGroup.Handle(), SW_HIDE);
        for (toolkit::ZyButtonTx& button : m_groupButtons)
            ShowWindow(button.Handle(), SW_HIDE);
    }

    if (visible) {
        if (oldItems)
            monitor::DebugLog("bLotsFanControl is true");
        if (tempShow)
            monitor::DebugLog("bTempShow is true");
        if (profile)
            monitor::DebugLog("pOCAPI_CheckWorkable(ACPI_KVINFO_CPU_KELVANE_PROFILE) is true");
        if (valueShown) {
            const toolkit::TLabel& value = Label("lbTempValue");
            monitor::DebugLog("lbTempValue->Visible is true");
            monitor::DebugLog("lbTempValue->Left: " + std::to_string(value.Left()) + ", lbTempValue->Top" +
                              std::to_string(value.Top()));
        }
        if (covered)
            monitor::DebugLog("HideKelvane is true");
    }
}

void OptionsWindow::RedrawFanControl()
{
    if (!m_fan)
        return;
    const monitor::FanControlView& view = m_fan->View();
    Label("lbKelvaneTitle").SetCaption(monitor::ProgramLanguage().TranslateText(view.Title));
    if (view.ProcessorSwitchCaption)
        Label("Label33").SetCaption(*view.ProcessorSwitchCaption);
    for (const char* name : {"imgKelvane", "Label33"})
        m_form.FindControl(name)->SetEnabled(view.ProcessorSwitchEnabled);
    for (const char* name : {"imgChKelvane", "Label50"})
        m_form.FindControl(name)->SetEnabled(view.ChassisSwitchEnabled);

    Label("lbTempValue").SetCaption(view.ProcessorTarget.Text);
    Label("lbTempValue").SetEnabled(view.ProcessorTarget.LabelEnabled);
    toolkit::SetButtonEnabled(m_form, "imgSelect", view.ProcessorTarget.ChooserEnabled);
    toolkit::SetButtonEnabled(m_form, "imgAdd", view.ProcessorTarget.SteppersEnabled);
    toolkit::SetButtonEnabled(m_form, "imgSbb", view.ProcessorTarget.SteppersEnabled);
    Label("lbChTempValue").SetCaption(view.ChassisTarget.Text);
    Label("lbChTempValue").SetEnabled(view.ChassisTarget.LabelEnabled);
    toolkit::SetButtonEnabled(m_form, "imgChSelect", view.ChassisTarget.ChooserEnabled);

    // The group area: its row and up to five item rows.
    const bool shown = m_mainTab == 2 && view.GroupAreaShown && !Label("lbFanNote").Visible() &&
                       !m_form.FindControl("pnKelvaneCover")->Visible();
    Label("lbGroupContent").SetCaption(view.GroupName);
    ShowWindow(m_showGroup.Handle(), shown && view.GroupChooserShown ? SW_SHOWNA : SW_HIDE);
    for (int r = 0; r < 5; ++r) {
        const std::string n = std::to_string(r + 1);
        const bool filled = shown && static_cast<std::size_t>(r) < view.Rows.size();
        toolkit::TLabel& title = Label("lbGroupTitle" + n);
        toolkit::TLabel& value = Label("lbGroupValue" + n);
        title.SetVisible(filled);
        value.SetVisible(filled);
        Image("imgGroupBg" + n).SetVisible(filled);
        ShowWindow(m_groupButtons[r].Handle(), filled ? SW_SHOWNA : SW_HIDE);
        if (!filled)
            continue;
        const monitor::FanRowView& row = view.Rows[static_cast<std::size_t>(r)];
        title.SetCaption(row.Title);
        value.SetCaption(row.Content);
        title.SetEnabled(row.Enabled);
        value.SetEnabled(row.Enabled);
        m_groupButtons[r].SetEnabled(row.Enabled);
    }
}

void OptionsWindow::FanAction(const std::function<void()>& action, bool marksChanged)
{
    if (!m_fan)
        return;
    action();
    if (marksChanged)
        MarkChanged(true);
    RedrawFanControl();
    RedrawPreferenceChecks();
}

void OptionsWindow::RedrawPreferenceChecks()
{
    const toolkit::PicturePtr mark = Image("imgSettingCheck").GetPicture();
    const monitor::GlobalEdits& edit = m_config.Edit;
    Image("imgAlerting").SetPicture(edit.EnableAlert ? mark : nullptr);
    Image("imgMBox").SetPicture(edit.EnableMBox ? mark : nullptr);
    Image("imgAudio").SetPicture(edit.EnableSound ? mark : nullptr);
    Image("imgKelvane").SetPicture(edit.EnableKelvane ? mark : nullptr);
    Image("imgChKelvane").SetPicture(edit.EnableChKelvane ? mark : nullptr);
}

void OptionsWindow::RedrawScaleRadios()
{
    const toolkit::PicturePtr mark = Image("imgRadioMark").GetPicture();
    const bool celsius = m_config.Edit.Scale == monitor::TemperatureScale::Celsius;
    Image("imgCelsius").SetPicture(celsius ? mark : nullptr);
    Image("imgFahrenheit").SetPicture(celsius ? nullptr : mark);
}

void OptionsWindow::UpdateAlertControls()
{
    // The alerting rule: without alerting the message and sound boxes are off;
    // the volume follows the sound box's edit copy.
    const bool alerting = m_config.Committed.EnableAlert;
    for (const char* name : {"imgMBox", "Label28", "imgAudio", "Label29"})
        m_form.FindControl(name)->SetEnabled(alerting);
    const bool volume = alerting && m_config.Edit.EnableSound;
    for (const char* name : {"Label30", "Label41", "Label42"})
        m_form.FindControl(name)->SetEnabled(volume);
    Edit("eVolume").SetEnabled(volume);
}

void OptionsWindow::PreferenceCheckClicked(int tag)
{
    monitor::GlobalEdits& edit = m_config.Edit;
    switch (tag) {
    case 2:
        edit.EnableMBox = !edit.EnableMBox;
        break;
    case 3:
        edit.EnableSound = !edit.EnableSound;
        break;
    case 4:
        if (m_fan)
            m_fan->ClickProcessorSwitch();
        break;
    case 5:
        if (m_fan)
            m_fan->ClickChassisSwitch();
        break;
    default:
        return;
    }
    RedrawPreferenceChecks();
    MarkChanged(true);
    UpdateAlertControls();
    if (tag == 4 || tag == 5)
        RedrawFanControl();
}

void OptionsWindow::ScaleClicked(int tag)
{
    const auto scale = tag == 2 ? monitor::TemperatureScale::Fahrenheit : monitor::TemperatureScale::Celsius;
    if (scale != m_config.Edit.Scale)
        MarkChanged(true);
    m_config.Edit.Scale = scale;
    RedrawScaleRadios();
}

void OptionsWindow::ReadNumberFields()
{
    SetEditText(Edit("eVolume"), m_config.Edit.VolumeField);
    SetEditText(Edit("eInterval"), m_config.Edit.IntervalField);
}

}  // namespace vantor::views
