// The options window's buttons at the bottom and its close box over the
// configuration flows: Default and Apply ask first in the list window,
// Cancel and the close box throw the edits away, Save As and Load go through
// the profile dialogs.
#include <string>
#include <utility>

#include "app/StandardError.h"
#include "app/Views.h"
#include "config/ConfigFlows.h"
#include "option/OptionsWindow_win.h"

namespace vantor::views {

bool OptionsWindow::ReadyForButton()
{
    // A threshold refused as its field lost the focus to this press, or
    // refused now: the press only shows why.
    const bool finished = FinishThresholdEdit();
    const bool refused = std::exchange(m_refusalShown, false);
    return finished && !refused;
}

void OptionsWindow::DefaultClicked()
{
    if (!ReadyForButton())
        return;
    SetStatus("", false);
    const monitor::FlowResult result =
            monitor::DefaultFlow(m_config, m_hardware, m_store, m_settingsPath, [this](std::string_view question) {
                const bool ok = Confirm(question);
                if (ok)
                    MarkChanged(false);
                return ok;
            });
    Perform(result.Effects);
    if (result.Completed) {
        RedrawPreferenceChecks();
        RedrawScaleRadios();
        UpdateAlertControls();
    }
    if (result.Error)
        ShowStandardError(*result.Error);
}

void OptionsWindow::ApplyClicked()
{
    if (!ReadyForButton())
        return;
    SetStatus("", false);
    bool confirmed = false;
    const monitor::FlowResult result = monitor::ApplyFlow(
            m_config, m_store, m_settingsPath,
            [this, &confirmed](std::string_view question) {
                confirmed = Confirm(question);
                if (confirmed)
                    MarkChanged(false);
                return confirmed;
            },
            monitor::FanControlCommitOf(*m_fan));
    Perform(result.Effects);
    // A declined restart stops the commit: the changes are still pending.
    if (confirmed && !result.Completed)
        MarkChanged(true);
    if (result.Error)
        ShowStandardError(*result.Error);
    RedrawFanControl();
}

void OptionsWindow::CancelClicked()
{
    // Whatever the field holds is thrown away with the rest of the edits.
    m_thresholdRow.reset();
    m_refusalShown = false;
    SetStatus("", false);
    const monitor::FlowResult result = monitor::CancelFlow(m_config, m_changed);
    Perform(result.Effects);
    RedrawFanControl();
}

void OptionsWindow::SaveAsClicked()
{
    if (!ReadyForButton())
        return;
    const std::optional<std::string> chosen =
            m_dialogs ? m_dialogs->ChooseSave(m_form.Handle(), std::string(monitor::kProfileFilter),
                                              TheViews().programFolder)
                      : std::nullopt;
    if (!chosen)
        return;
    const monitor::FlowResult result = monitor::SaveAsFlow(m_config, m_store, *chosen);
    if (result.Error) {
        SetStatus(*result.Error, true);
        ShowStandardError(*result.Error);
        return;
    }
    SetStatus("Saved as " + monitor::ProfilePathFor(*chosen), false);
}

void OptionsWindow::LoadClicked()
{
    if (!ReadyForButton())
        return;
    const std::optional<std::string> chosen =
            m_dialogs ? m_dialogs->ChooseOpen(m_form.Handle(), std::string(monitor::kProfileFilter),
                                              TheViews().programFolder)
                      : std::nullopt;
    if (!chosen)
        return;
    const monitor::FlowResult result =
            monitor::LoadFlow(m_config, m_hardware, m_store, *chosen, monitor::FanControlCommitOf(*m_fan));
    Perform(result.Effects);
    if (m_mainTab == 1)
        ShowSensorTab(m_sensorTab == 0 ? 1 : m_sensorTab);
    else
        ShowPreferenceControls(true);
    SetStatus("Loaded " + *chosen, false);
}

}  // namespace vantor::views
