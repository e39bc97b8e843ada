// The options window's sensor page: the three sensor tabs, five rows a page
// with their check boxes, readings, knobs and threshold fields, and paging.
// What a row shows and what a typed threshold stores is decided by the pure
// files beside this one; this file puts it on the controls.
#include <string>

#include "app/Views.h"
#include "option/OptionsWindow_win.h"
#include "option/SensorPaging.h"
#include "option/SensorRowText.h"
#include "option/ThresholdKnob.h"
#include "option/ThresholdText.h"

namespace vantor::views {
namespace {

using monitor::SensorKind;

// The core voltage, whose nominal shows the processor's range while its
// power saving varies it.
constexpr std::uint32_t kCoreVoltage = 0x06020000;

std::string RowLabel(int row, int column)  // column 0 name .. 3 threshold
{
    return "Label" + std::to_string(4 * (row + 1) - 3 + column);
}

}  // namespace

SensorKind OptionsWindow::CurrentKind() const { return SensorKindOfTab(m_sensorTab == 0 ? 1 : m_sensorTab); }

monitor::SensorTable& OptionsWindow::CurrentTable() { return m_config.Table(CurrentKind()); }

ThresholdField OptionsWindow::FieldOf(std::size_t sensor)
{
    return {.kind = CurrentKind(), .scale = m_config.Committed.Scale, .limits = CurrentTable().Configs[sensor]};
}

std::optional<std::size_t> OptionsWindow::SensorOfRow(int row)
{
    if (m_sensorTab == 0 || row < 0 || row >= kSensorRows)
        return std::nullopt;
    const monitor::SensorTable& table = CurrentTable();
    const SensorPageView view = ViewPage(table.Descriptors, table.Kind, m_page[m_sensorTab - 1]);
    if (static_cast<std::size_t>(row) >= view.rowsShown)
        return std::nullopt;
    return SensorIndexOfRow(view.page, static_cast<std::size_t>(row));
}

void OptionsWindow::SetEditText(toolkit::TEdit& edit, const std::string& text)
{
    if (edit.Text() == text)
        return;
    m_settingText = true;
    edit.SetText(text);
    m_settingText = false;
}

void OptionsWindow::ShowSensorControls(bool visible)
{
    for (int k = 1; k <= 3; ++k) {
        Label("SensorTab" + std::to_string(k)).SetVisible(visible);
        Image("imgSensorTab" + std::to_string(k)).SetVisible(visible && k != m_sensorTab);
    }
    for (int k = 1; k <= 5; ++k)
        Label("TitleLabel" + std::to_string(k)).SetVisible(visible);
    for (int r = 0; r < kSensorRows; ++r) {
        const std::string n = std::to_string(r + 1);
        Image("imgCheck" + n).SetVisible(visible);
        for (int column = 0; column < 4; ++column)
            Label(RowLabel(r, column)).SetVisible(visible);
        Image("imgThreshold" + n).SetVisible(visible);
        Label("Label" + std::to_string(36 + r)).SetVisible(visible);
        Label("Label" + std::to_string(44 + r)).SetVisible(visible && m_sensorTab == 1);
        Image("imgCover" + n).SetVisible(visible);
    }
    if (!visible) {
        for (int n = 1; n <= 12; ++n)
            Edit("Edit" + std::to_string(n)).SetVisible(false);
        Label("lbNoSensors").SetVisible(false);
        Label("lbThresholdRange").SetVisible(false);
        Label("lbPageInfo").SetVisible(false);
        for (toolkit::ZyButtonTx* button : {&m_lastPage, &m_nextPage})
            ShowWindow(button->Handle(), SW_HIDE);
    }
}

void OptionsWindow::ShowSensorTab(int tab)
{
    if (tab < 1 || tab > 3)
        return;
    // A refused threshold is shown and put back; the tab changes all the same.
    FinishThresholdEdit();
    m_refusalShown = false;
    m_sensorTab = tab;
    for (int k = 1; k <= 3; ++k) {
        toolkit::TLabel& label = Label("SensorTab" + std::to_string(k));
        const bool chosen = k == tab;
        label.SetTextColour(chosen ? kChosenSensorTabColour : kOtherSensorTabColour);
        label.CursorShape = chosen ? toolkit::crDefault : toolkit::crHandPoint;
        Image("imgSensorTab" + std::to_string(k)).SetVisible(!chosen);
    }
    Label("TitleLabel3").SetEnabled(tab == 2);
    for (int r = 0; r < kSensorRows; ++r) {
        for (int column = 0; column < 4; ++column)
            Label(RowLabel(r, column)).SetCaption("");
    }
    const char* pages[] = {"imgHeaderTemp", "imgHeaderVolt", "imgHeaderFan"};
    Image("imgHeader").SetPicture(Image(pages[tab - 1]).GetPicture());
    const SensorKind kind = CurrentKind();
    for (int r = 0; r < kSensorRows; ++r) {
        Label("Label" + std::to_string(44 + r)).SetVisible(tab == 1);
        Label("Label" + std::to_string(36 + r)).SetCaption(ThresholdUnitText(kind, m_config.Committed.Scale));
    }
    Label("lbThresholdRange").SetCaption("");
    RedrawSensorPage(false);
    RedrawThresholdColumn();
    RedrawRowChecks();
}

void OptionsWindow::RedrawSensorPage(bool onlyValues)
{
    if (m_sensorTab == 0)
        return;
    monitor::SensorTable& table = CurrentTable();
    const SensorKind kind = table.Kind;
    std::size_t& page = m_page[m_sensorTab - 1];
    const SensorPageView view = ViewPage(table.Descriptors, kind, page);
    page = view.page;

    const bool onPage = m_mainTab == 1;
    ShowWindow(m_lastPage.Handle(), onPage && view.pagingVisible ? SW_SHOWNA : SW_HIDE);
    ShowWindow(m_nextPage.Handle(), onPage && view.pagingVisible ? SW_SHOWNA : SW_HIDE);
    m_lastPage.SetEnabled(view.previousEnabled);
    m_nextPage.SetEnabled(view.nextEnabled);
    Label("lbPageInfo").SetVisible(onPage && view.pagingVisible);
    Label("lbPageInfo").SetCaption(view.pageInfo);
    Label("lbThresholdRange").SetVisible(onPage);

    if (!onlyValues) {
        for (int r = 0; r < kSensorRows; ++r) {
            Image("imgCover" + std::to_string(r + 1)).SetVisible(true);
            Edit("Edit" + std::to_string(r + 1)).SetVisible(false);
            Edit("Edit" + std::to_string(r + 7)).SetVisible(false);
        }
        Edit("Edit6").SetVisible(false);
        Edit("Edit12").SetVisible(false);
        toolkit::TLabel& none = Label("lbNoSensors");
        none.SetCaption(view.rowsShown == 0 ? "No sensors of this kind on this board." : "");
        none.SetVisible(onPage && view.rowsShown == 0);
    }
    for (std::size_t r = 0; r < view.rowsShown; ++r) {
        const std::size_t i = SensorIndexOfRow(view.page, r);
        const int row = static_cast<int>(r);
        const std::string shortName(monitor::BufferText(table.ShortName[i]));
        if (!onlyValues) {
            Image("imgCover" + std::to_string(row + 1)).SetVisible(false);
            toolkit::TEdit& threshold = Edit("Edit" + std::to_string(row + 7));
            threshold.SetVisible(onPage);
            if (kind == SensorKind::Fan) {
                toolkit::TEdit& name = Edit("Edit" + std::to_string(row + 1));
                SetEditText(name, std::string(monitor::BufferText(table.EditFanName[i])));
                name.SetVisible(onPage);
            }
            Label(RowLabel(row, 0)).SetCaption(shortName);
            std::string nominal;
            if (kind == SensorKind::Voltage) {
                nominal = NominalText(kind, i < m_config.NominalVoltage.size() ? m_config.NominalVoltage[i] : 0.0f);
                float maxVolts = 0.0f, minVolts = 0.0f;
                if (table.Descriptors[i].Id == kCoreVoltage && m_hardware.CoolnQuietActive() &&
                    m_hardware.GetCpuVoltRange(maxVolts, minVolts))
                    nominal = NominalRangeText(minVolts, maxVolts);
            }
            Label(RowLabel(row, 1)).SetCaption(nominal);
        }
        const auto& list = kind == SensorKind::Voltage       ? m_binding.Voltages()
                           : kind == SensorKind::Temperature ? m_binding.Temperatures()
                                                             : m_binding.Fans();
        const float reading = i < list.Count() ? list.Values()[i].load(std::memory_order_relaxed) : 0.0f;
        Label(RowLabel(row, 2)).SetCaption(CurrentValueText(kind, reading, m_config.Committed.Scale));
    }
}

void OptionsWindow::RedrawThresholdColumn()
{
    if (m_sensorTab == 0)
        return;
    monitor::SensorTable& table = CurrentTable();
    const SensorPageView view = ViewPage(table.Descriptors, table.Kind, m_page[m_sensorTab - 1]);
    for (std::size_t r = 0; r < view.rowsShown; ++r) {
        const std::size_t i = SensorIndexOfRow(view.page, r);
        const std::string n = std::to_string(r + 1);
        const float threshold = table.EditThreshold[i];
        Image("imgThreshold" + n).SetLeft(KnobLeftFor(threshold, table.Configs[i]));
        const std::string text = ThresholdDisplayText(table.Kind, threshold, m_config.Committed.Scale);
        Label(RowLabel(static_cast<int>(r), 3)).SetCaption(text);
        SetEditText(Edit("Edit" + std::to_string(r + 7)), text);
    }
}

void OptionsWindow::RedrawRowChecks()
{
    if (m_sensorTab == 0)
        return;
    const monitor::SensorTable& table = CurrentTable();
    const SensorPageView view = ViewPage(table.Descriptors, table.Kind, m_page[m_sensorTab - 1]);
    for (int r = 0; r < kSensorRows; ++r) {
        const bool set = static_cast<std::size_t>(r) < view.rowsShown &&
                         table.EditEnabled[SensorIndexOfRow(view.page, static_cast<std::size_t>(r))] != 0;
        Image("imgCheck" + std::to_string(r + 1)).SetPicture(set ? Image("imgCheckMark").GetPicture() : nullptr);
    }
}

void OptionsWindow::RedrawEnableChecks()
{
    if (m_mainTab == 1)
        RedrawRowChecks();
}

void OptionsWindow::RowCheckClicked(int row)
{
    const auto sensor = SensorOfRow(row);
    if (!sensor)
        return;
    std::uint8_t& enabled = CurrentTable().EditEnabled[*sensor];
    enabled = enabled ? 0 : 1;
    RedrawRowChecks();
    MarkChanged(true);
}

void OptionsWindow::PageBy(int step)
{
    if (m_sensorTab == 0 || !ReadyForButton())
        return;
    std::size_t& page = m_page[m_sensorTab - 1];
    page = step > 0 ? NextPage(page, CurrentTable().Count()) : PreviousPage(page);
    ShowSensorTab(m_sensorTab);
}

void OptionsWindow::KnobMoved(toolkit::TImage& knob)
{
    const auto sensor = SensorOfRow(knob.Tag - 1);
    if (!sensor)
        return;
    monitor::SensorTable& table = CurrentTable();
    table.EditThreshold[*sensor] = ThresholdAtKnob(knob.Left(), table.Configs[*sensor]);
    const std::string text = ThresholdDisplayText(table.Kind, table.EditThreshold[*sensor], m_config.Committed.Scale);
    toolkit::TLabel& label = Label(RowLabel(knob.Tag - 1, 3));
    const bool differs = label.Caption() != text;
    label.SetCaption(text);
    SetEditText(Edit("Edit" + std::to_string(knob.Tag + 6)), text);
    if (differs)
        MarkChanged(true);
}

void OptionsWindow::ThresholdEditChanged(int row)
{
    const auto sensor = SensorOfRow(row);
    if (!sensor)
        return;
    const std::string text = Edit("Edit" + std::to_string(row + 7)).Text();
    if (const std::optional<float> value = m_thresholdEdit.Changed(text, FieldOf(*sensor))) {
        monitor::SensorTable& table = CurrentTable();
        table.EditThreshold[*sensor] = *value;
        Image("imgThreshold" + std::to_string(row + 1)).SetLeft(KnobLeftFor(*value, table.Configs[*sensor]));
        Label(RowLabel(row, 3)).SetCaption(ThresholdDisplayText(table.Kind, *value, m_config.Committed.Scale));
    }
}

bool OptionsWindow::FinishThresholdEdit()
{
    if (!m_thresholdRow)
        return true;
    const int row = *m_thresholdRow;
    m_thresholdRow.reset();
    Label("lbThresholdRange").SetCaption("");
    const auto sensor = SensorOfRow(row);
    if (!sensor)
        return true;
    toolkit::TEdit& edit = Edit("Edit" + std::to_string(row + 7));
    const auto refusal = m_thresholdEdit.Leave(edit.Text(), FieldOf(*sensor));
    if (!refusal)
        return true;
    // The edit copy kept the value the field had on entry; the field shows it again.
    SetEditText(edit, refusal->restoredText);
    SetStatus(refusal->message, true);
    m_refusalShown = true;
    MessageBeep(MB_ICONWARNING);
    return false;
}

}  // namespace vantor::views
