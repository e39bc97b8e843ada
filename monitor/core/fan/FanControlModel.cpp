#include "fan/FanControlModel.h"

#include <algorithm>
#include <cstring>

#include "startup/DebugLog.h"
#include "config/NumberConversion.h"

namespace vantor::monitor {
namespace {

// Sizes the library reports beyond these are taken as broken answers.
constexpr std::int32_t kMaxSettingItems = 4096;
constexpr std::int32_t kMaxMbifValues = 256;
// The library writes every profile name its firmware lists, at most what
// one result can carry; the buffer holds that many even though only the
// first kMaxPresets are kept.
constexpr std::size_t kPresetSlots = 128;

// Bits 8-11 of an old-interface setting item.
bool IsOldInterfaceItem(const SettingItem& item) { return ((item.Id >> 8) & 0xF) == 1; }

std::string SlotText(const char* slot) { return std::string(slot, strnlen(slot, OC_OPTION_SLOT_SIZE)); }

const std::string& TextAt(const std::vector<std::string>& texts, std::int32_t index, const std::string& otherwise)
{
    if (index < 0 || static_cast<std::size_t>(index) >= texts.size())
        return otherwise;
    return texts[static_cast<std::size_t>(index)];
}

}  // namespace

ListOrigin ListWindowOrigin(int buttonLeft, int buttonTop, int buttonHeight)
{
    return {buttonLeft - 150, buttonTop + buttonHeight + 5};
}

FanControlModel::FanControlModel(const HwExports& exports, SensorConfiguration& config, FanControlUi& ui,
                                 SystemRestart& restart, Translate translate, DebugLine debugLine)
    : m_exports(exports), m_config(config), m_ui(ui), m_restart(restart), m_translate(std::move(translate)),
      m_debugLine(std::move(debugLine))
{
    if (!m_debugLine)
        m_debugLine = [](std::string_view text) { DebugLog(text); };
}

bool FanControlModel::Workable(std::uint32_t itemId) const
{
    return m_exports.OCAPI_CheckWorkable != nullptr && m_exports.OCAPI_CheckWorkable(itemId) != 0;
}

std::int32_t FanControlModel::KelvaneInfo(std::uint32_t itemId) const
{
    return m_exports.OCAPI_GetKelvaneInfo != nullptr ? m_exports.OCAPI_GetKelvaneInfo(itemId) : 0;
}

std::int32_t FanControlModel::ReadIndex(std::uint32_t itemId) const
{
    return m_exports.OCAPI_GetHwSensorData != nullptr ? TruncateToInt(m_exports.OCAPI_GetHwSensorData(itemId)) : 0;
}

std::string FanControlModel::Tr(std::string_view text) const
{
    return m_translate ? m_translate(text) : std::string(text);
}

std::string FanControlModel::PresetText(std::int32_t index, const std::string& otherwise) const
{
    return TextAt(m_presets, index, otherwise);
}

void FanControlModel::ReadItems(FanItemInterface from)
{
    const auto getData =
            from == FanItemInterface::Group ? m_exports.OCAPI_NKELVANE_GetData : m_exports.OCAPI_KELVANE_GetData;
    std::vector<SettingItem> items;
    std::int32_t count = 0;
    if (getData != nullptr) {
        getData(nullptr, &count);
        if (count > 0 && count <= kMaxSettingItems) {
            // Re-reads keep each item's caller area, where its applied value lives.
            items = m_items.size() == static_cast<std::size_t>(count)
                            ? m_items
                            : std::vector<SettingItem>(static_cast<std::size_t>(count));
            getData(items.data(), &count);
        }
    }
    m_items = std::move(items);
}

bool FanControlModel::GroupInterfaceOffered() const
{
    if (m_exports.OCAPI_GetMBIF == nullptr)
        return false;
    std::uint32_t version = 0;
    std::int32_t count = 0;
    m_exports.OCAPI_GetMBIF(&version, nullptr, nullptr, &count);
    if (version <= 1 || count <= 0 || count > kMaxMbifValues)
        return false;
    std::vector<std::uint32_t> values(static_cast<std::size_t>(count));
    if (m_exports.OCAPI_GetMBIF(&version, nullptr, values.data(), &count) != 0)
        return false;
    return ((values[0] >> 8) & 0xFF) != 0;
}

void FanControlModel::BuildGroups()
{
    switch (m_interface) {
    case FanItemInterface::Old:
        m_groups = BuildOldInterfaceGroups(m_items);
        break;
    case FanItemInterface::Group:
        m_groups = BuildGroupInterfaceGroups(m_items);
        break;
    case FanItemInterface::None:
        m_groups.clear();
        break;
    }
}

void FanControlModel::PrepareFanControl()
{
    m_view.ProfileLayout = Workable(ACPI_KVINFO_CPU_KELVANE_PROFILE);

    ReadItems(FanItemInterface::Old);
    for (SettingItem& item : m_items) {
        if (IsOldInterfaceItem(item))
            m_interface = FanItemInterface::Old;
        SetAppliedValue(item, item.Value);
    }

    if (GroupInterfaceOffered()) {
        m_interface = FanItemInterface::Group;
        m_items.clear();
        ReadItems(FanItemInterface::Group);
        for (SettingItem& item : m_items)
            SetAppliedValue(item, item.Value);
        const auto modeItem = std::find_if(m_items.begin(), m_items.end(),
                                           [](const SettingItem& item) { return (item.Id & 0xFFFF) == 0; });
        if (modeItem != m_items.end() && modeItem->Value == 1)
            m_view.Title = kKelvaneTitle;
        else if (modeItem != m_items.end() && modeItem->Value == 2)
            m_view.Title = kAdvancedKelvaneTitle;
    }
    if (m_interface == FanItemInterface::None)
        m_items.clear();

    BuildGroups();
    m_currentGroup = 0;
    if (m_interface != FanItemInterface::None) {
        m_view.GroupAreaShown = true;
        ShowGroup();
    }
}

void FanControlModel::RefreshSwitch(std::int32_t state, bool& committed, bool& edit, bool& enabled)
{
    enabled = state != 0;
    if (state == 2)
        committed = edit = true;
    else if (state == 1)
        committed = edit = false;
}

void FanControlModel::RefreshFanControl()
{
    GlobalSettings& committed = m_config.Committed;
    GlobalEdits& edit = m_config.Edit;
    RefreshSwitch(KelvaneInfo(OC_ITEM_CPU_KELVANE), committed.EnableKelvane, edit.EnableKelvane,
                  m_view.ProcessorSwitchEnabled);
    RedrawProcessorTarget(committed.EnableKelvane);
    RefreshSwitch(KelvaneInfo(OC_ITEM_CHASSIS_KELVANE), committed.EnableChKelvane, edit.EnableChKelvane,
                  m_view.ChassisSwitchEnabled);
    RedrawChassisTarget(committed.EnableChKelvane);

    if (Workable(ACPI_KVINFO_CPU_KELVANE_PROFILE)) {
        m_targetItem = ACPI_KVINFO_CPU_KELVANE_PROFILE;
        m_view.ProcessorSwitchCaption = Tr(kCpuKelvaneCaption);
    } else if (Workable(OC_ITEM_CPU_FAN_TARGET)) {
        m_targetItem = OC_ITEM_CPU_FAN_TARGET;
    }

    m_targetAvailable = Workable(m_targetItem);
    if (m_targetAvailable) {
        m_presets.clear();
        if (m_exports.OCAPI_ACPI_OC_PresetList != nullptr) {
            std::vector<char> slots(kPresetSlots * OC_OPTION_SLOT_SIZE, 0);
            const std::int32_t count = m_exports.OCAPI_ACPI_OC_PresetList(slots.data());
            const auto kept = static_cast<std::size_t>(std::clamp<std::int32_t>(count, 0, kMaxPresets));
            for (std::size_t i = 0; i < kept; ++i)
                m_presets.push_back(SlotText(slots.data() + i * OC_OPTION_SLOT_SIZE));
        }
        committed.KelvaneTargetIdx = ReadIndex(m_targetItem);
        m_view.ProcessorTarget.Text = PresetText(committed.KelvaneTargetIdx, m_view.ProcessorTarget.Text);
        committed.ChKelvaneTargetIdx = ReadIndex(OC_ITEM_CHASSIS_KELVANE_PROFILE);
        m_view.ChassisTarget.Text = PresetText(committed.ChKelvaneTargetIdx, m_view.ChassisTarget.Text);
    }

    RedrawProcessorTarget(committed.EnableKelvane);
    RedrawChassisTarget(committed.EnableChKelvane);

    if (m_interface != FanItemInterface::None) {
        ReadItems(m_interface);
        for (SettingItem& item : m_items)
            SetAppliedValue(item, item.Value);
        // The groups and rows hold indexes into the items, so they are
        // rebuilt with them: a shorter list leaves no row past its end. The
        // shown group stays when its fan still has settings.
        const std::optional<std::uint8_t> shownKey =
                CurrentGroupValid() ? std::optional(m_groups[static_cast<std::size_t>(m_currentGroup)].Key)
                                    : std::nullopt;
        BuildGroups();
        const auto shown = std::find_if(m_groups.begin(), m_groups.end(),
                                        [&shownKey](const FanGroup& group) { return group.Key == shownKey; });
        m_currentGroup = shown == m_groups.end() ? 0 : static_cast<int>(shown - m_groups.begin());
        FetchRowOptions();
        DrawGroup();
    }
}

void FanControlModel::RedrawProcessorTarget(bool on)
{
    FanTargetView& target = m_view.ProcessorTarget;
    if (Workable(ACPI_KVINFO_CPU_KELVANE_PROFILE)) {
        target.Text = on ? PresetText(ReadIndex(m_targetItem), target.Text) : Tr(kDisabledTarget);
        target.ChooserEnabled = on;
    } else {
        target.SteppersEnabled = on;
    }
    target.LabelEnabled = on;
}

void FanControlModel::RedrawChassisTarget(bool on)
{
    FanTargetView& target = m_view.ChassisTarget;
    if (Workable(OC_ITEM_CHASSIS_KELVANE_PROFILE)) {
        target.Text = on ? PresetText(ReadIndex(OC_ITEM_CHASSIS_KELVANE_PROFILE), target.Text) : Tr(kDisabledTarget);
        target.ChooserEnabled = on;
    }
    target.LabelEnabled = on;
}

bool FanControlModel::CurrentGroupValid() const
{
    return m_currentGroup >= 0 && static_cast<std::size_t>(m_currentGroup) < m_groups.size();
}

void FanControlModel::FetchRowOptions()
{
    m_rowOptions.clear();
    m_rowItems.clear();
    if (!CurrentGroupValid())
        return;
    const auto getList =
            m_interface == FanItemInterface::Group ? m_exports.OCAPI_NKELVANE_GetList : m_exports.OCAPI_GENERAL_GetList;
    for (const int index : m_groups[static_cast<std::size_t>(m_currentGroup)].Slots) {
        if (index < 0 || static_cast<std::size_t>(index) >= m_items.size())
            continue;
        const SettingItem& item = m_items[static_cast<std::size_t>(index)];
        const std::int32_t count = std::clamp<std::int32_t>(item.OptionCount, 0, kMaxRowOptions);
        std::vector<char> slots(static_cast<std::size_t>(count) * OC_OPTION_SLOT_SIZE, 0);
        std::vector<OptionList> list(static_cast<std::size_t>(count));
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = slots.data() + i * OC_OPTION_SLOT_SIZE;
        if (getList != nullptr && count > 0)
            getList(item.Id, list.data(), count * OC_OPTION_SLOT_SIZE);
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < list.size(); ++i)
            texts.push_back(SlotText(list[i]));
        m_rowOptions.push_back(std::move(texts));
        m_rowItems.push_back(index);
    }
}

void FanControlModel::DrawGroup()
{
    m_view.Rows.clear();
    m_view.GroupChooserShown = m_groups.size() >= 2;
    if (!CurrentGroupValid())
        return;
    const FanGroup& group = m_groups[static_cast<std::size_t>(m_currentGroup)];
    m_view.GroupName = group.Name;
    std::size_t row = 0;
    for (std::size_t slot = 0; slot < kFanGroupSlots; ++slot) {
        const int index = group.Slots[slot];
        if (index < 0 || static_cast<std::size_t>(index) >= m_items.size())
            continue;
        const SettingItem& item = m_items[static_cast<std::size_t>(index)];
        FanRowView view;
        view.ItemId = item.Id;
        view.Title = GroupInterfaceRowTitle(ItemName(item));
        static const std::string kNoText;
        view.Content = row < m_rowOptions.size() ? TextAt(m_rowOptions[row], item.Value, kNoText) : kNoText;
        view.Enabled = m_interface == FanItemInterface::Group ? GroupInterfaceRowEnabled(group, m_items, slot)
                                                              : OldInterfaceRowEnabled(group, m_items, slot);
        m_view.Rows.push_back(std::move(view));
        ++row;
    }
}

void FanControlModel::ShowGroup()
{
    if (!CurrentGroupValid()) {
        m_ui.ShowMessage(kGroupIndexError);
        return;
    }
    FetchRowOptions();
    DrawGroup();
}

bool FanControlModel::CommitFanItems()
{
    if (m_config.StartupPhase || m_interface == FanItemInterface::None)
        return false;
    const auto count = static_cast<std::int32_t>(m_items.size());
    if (m_interface == FanItemInterface::Group) {
        if (m_exports.OCAPI_NKELVANE_SetData != nullptr) {
            const std::int32_t needsRestart =
                    m_exports.OCAPI_NKELVANE_SetData(m_items.data(), count, kGroupTrialControl);
            if (needsRestart != 0) {
                if (!m_ui.ConfirmRestart(kRestartQuestion))
                    return true;
                m_exports.OCAPI_NKELVANE_SetData(m_items.data(), count, kGroupApplyControl);
                m_restart.RebootSystem();
            } else {
                m_exports.OCAPI_NKELVANE_SetData(m_items.data(), count, kGroupApplyControl);
            }
        }
    } else if (m_exports.OCAPI_KELVANE_SetData != nullptr) {
        m_exports.OCAPI_KELVANE_SetData(m_items.data(), count);
    }
    for (SettingItem& item : m_items)
        SetAppliedValue(item, item.Value);
    return false;
}

void FanControlModel::ApplyFanSwitches()
{
    if (m_config.StartupPhase)
        return;
    const GlobalSettings& committed = m_config.Committed;
    const auto enable = m_exports.OCAPI_EnableKelvane;
    const auto setTarget = m_exports.OCAPI_SetKelvaneTarget;

    std::int32_t state = KelvaneInfo(OC_ITEM_CPU_KELVANE);
    if (state != 0) {
        if ((committed.EnableKelvane ? 2 : 1) != state && enable != nullptr)
            enable(committed.EnableKelvane ? 1 : 0, OC_ITEM_CPU_KELVANE);
        if (committed.EnableKelvane && setTarget != nullptr)
            setTarget(committed.KelvaneTargetIdx, ACPI_KVINFO_CPU_KELVANE_PROFILE);
    }

    state = KelvaneInfo(OC_ITEM_CHASSIS_KELVANE);
    if (state != 0) {
        if ((committed.EnableChKelvane ? 2 : 1) != state) {
            if (enable != nullptr)
                enable(committed.EnableChKelvane ? 1 : 0, OC_ITEM_CHASSIS_KELVANE);
            m_debugLine(kSetKelvaneLine);
        }
        if (committed.EnableChKelvane) {
            if (setTarget != nullptr)
                setTarget(committed.ChKelvaneTargetIdx, OC_ITEM_CHASSIS_KELVANE_PROFILE);
            m_debugLine(kSetKelvaneTargetLine);
        }
    }
}

void FanControlModel::RevertFanItems()
{
    for (SettingItem& item : m_items)
        item.Value = AppliedValue(item);
}

void FanControlModel::ReadBackTarget(bool redrawChassis)
{
    if (Workable(m_targetItem)) {
        m_config.Committed.KelvaneTargetIdx = ReadIndex(m_targetItem);
        m_view.ProcessorTarget.Text = PresetText(m_config.Committed.KelvaneTargetIdx, m_view.ProcessorTarget.Text);
    }
    RedrawProcessorTarget(m_config.Committed.EnableKelvane);
    if (redrawChassis)
        RedrawChassisTarget(m_config.Committed.EnableChKelvane);
}

void FanControlModel::ClickProcessorSwitch()
{
    m_config.Edit.EnableKelvane = !m_config.Edit.EnableKelvane;
    RedrawProcessorTarget(m_config.Edit.EnableKelvane);
}

void FanControlModel::ClickChassisSwitch()
{
    m_config.Edit.EnableChKelvane = !m_config.Edit.EnableChKelvane;
    RedrawChassisTarget(m_config.Edit.EnableChKelvane);
}

void FanControlModel::StepTargetUp()
{
    std::int32_t& index = m_config.Committed.KelvaneTargetIdx;
    if (index < static_cast<std::int32_t>(m_presets.size()) - 1)
        ++index;
    m_view.ProcessorTarget.Text = PresetText(index, m_view.ProcessorTarget.Text);
}

void FanControlModel::StepTargetDown()
{
    std::int32_t& index = m_config.Committed.KelvaneTargetIdx;
    if (index > 0)
        --index;
    m_view.ProcessorTarget.Text = PresetText(index, m_view.ProcessorTarget.Text);
}

void FanControlModel::ChooseTarget(std::int32_t& index, FanChooser::Kind chooser, FanTargetView& target)
{
    const std::optional<int> chosen = m_ui.ChooseFromList(m_presets, index, {chooser, 0});
    if (chosen && *chosen >= 0 && static_cast<std::size_t>(*chosen) < m_presets.size()) {
        index = *chosen;
        target.Text = PresetText(index, target.Text);
    }
}

void FanControlModel::ChooseProcessorTarget()
{
    ChooseTarget(m_config.Committed.KelvaneTargetIdx, FanChooser::ProcessorTarget, m_view.ProcessorTarget);
}

void FanControlModel::ChooseChassisTarget()
{
    ChooseTarget(m_config.Committed.ChKelvaneTargetIdx, FanChooser::ChassisTarget, m_view.ChassisTarget);
}

void FanControlModel::ChooseGroup()
{
    std::vector<std::string> names;
    for (const FanGroup& group : m_groups)
        names.push_back(group.Name);
    const std::optional<int> chosen = m_ui.ChooseFromList(names, m_currentGroup, {FanChooser::Group, 0});
    if (chosen && *chosen >= 0 && static_cast<std::size_t>(*chosen) < m_groups.size())
        m_currentGroup = *chosen;
    ShowGroup();
}

void FanControlModel::ChooseOption(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rowItems.size())
        return;
    const int index = m_rowItems[static_cast<std::size_t>(row)];
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size())
        return;
    SettingItem& item = m_items[static_cast<std::size_t>(index)];
    const std::vector<std::string>& options = m_rowOptions[static_cast<std::size_t>(row)];
    const std::optional<int> chosen = m_ui.ChooseFromList(options, item.Value, {FanChooser::Option, row});
    if (chosen && *chosen >= 0 && static_cast<std::size_t>(*chosen) < options.size()) {
        item.Value = *chosen;
        DrawGroup();
    }
}

std::function<bool()> FanControlCommitOf(FanControlModel& model)
{
    return [&model] { return model.CommitFanItems(); };
}

}  // namespace vantor::monitor
