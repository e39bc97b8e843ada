// The program's side of the board's automatic fan control: the two switches
// and their target profiles, the fan-control setting items of either firmware
// interface sorted into groups, the commit with its restart question, the
// revert and the refresh. The options window drives it and draws what View()
// holds; every hardware call goes through the bound library exports, every
// question and list through FanControlUi, the restart through SystemRestart.
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fan/FanGroups.h"
#include "binding/HwExports.h"
#include "config/SensorConfig.h"

namespace vantor::monitor {

// Profile names the program keeps; more are not shown.
inline constexpr std::size_t kMaxPresets = 100;
// Option texts fetched per row at most; a larger OptionCount is cut here.
inline constexpr std::int32_t kMaxRowOptions = 256;
// OCAPI_NKELVANE_SetData control words: a trial that answers whether applying
// needs a restart, and the write itself.
inline constexpr std::uint32_t kGroupTrialControl = 0;
inline constexpr std::uint32_t kGroupApplyControl = 0x1000;

// Shown texts are also the keys of their translations in the language files,
// so they stay letter for letter, wording and spelling included.
inline constexpr std::string_view kKelvaneTitle = "Kelvane";
inline constexpr std::string_view kAdvancedKelvaneTitle = "Advanced Kelvane";
inline constexpr std::string_view kCpuKelvaneCaption = "CPU Kelvane";
inline constexpr std::string_view kDisabledTarget = "Disabled";
inline constexpr std::string_view kRestartQuestion = "Kelvane setting need to restart system!!\nAre you sure??";
inline constexpr std::string_view kGroupIndexError = "FanControl Group Index error.";
inline constexpr std::string_view kSetKelvaneLine = "Set Kelvane..";
inline constexpr std::string_view kSetKelvaneTargetLine = "Set Kelvane Target..";

// Where the list window opens: 150 pixels left of the pressed button's left
// edge and 5 pixels below its bottom edge, in options-window coordinates.
struct ListOrigin {
    int Left = 0;
    int Top = 0;
};
ListOrigin ListWindowOrigin(int buttonLeft, int buttonTop, int buttonHeight);

// The button that opened a list: one of the two target choosers, the group
// chooser, or the chooser of the shown row `Row`.
struct FanChooser {
    enum Kind {
        ProcessorTarget,
        ChassisTarget,
        Group,
        Option
    } Which = ProcessorTarget;
    int Row = 0;
};

class FanControlUi {
public:
    virtual ~FanControlUi() = default;
    // The list window in list mode with `selected` marked; the index chosen
    // when closed with OK and an entry selected, else nothing.
    virtual std::optional<int> ChooseFromList(const std::vector<std::string>& texts, int selected,
                                              FanChooser chooser) = 0;
    // The list window in OK/Cancel mode (the text is shown as it is); true for OK.
    virtual bool ConfirmRestart(std::string_view question) = 0;
    virtual void ShowMessage(std::string_view text) = 0;
};

class SystemRestart {
public:
    virtual ~SystemRestart() = default;
    // Starts a forced restart of Windows and returns at once.
    virtual void RebootSystem() = 0;
};

struct FanTargetView {
    std::string Text;  // the label's text
    bool LabelEnabled = false;
    bool ChooserEnabled = false;   // imgSelect / imgChSelect
    bool SteppersEnabled = false;  // imgAdd / imgSbb (processor, without the profile item)
};

struct FanRowView {
    std::uint32_t ItemId = 0;
    std::string Title;
    std::string Content;  // the option text at the item's Value
    bool Enabled = true;
};

// What the options window shows of the fan control.
struct FanControlView {
    // The profile chooser and the chassis rows have their own places (the
    // board has the processor profile item); otherwise only the processor
    // target label is shown.
    bool ProfileLayout = false;
    std::string Title{kKelvaneTitle};
    std::optional<std::string> ProcessorSwitchCaption;  // set when the profile item is workable
    bool ProcessorSwitchEnabled = false;
    bool ChassisSwitchEnabled = false;
    FanTargetView ProcessorTarget;
    FanTargetView ChassisTarget;
    bool GroupAreaShown = false;
    std::string GroupName;
    bool GroupChooserShown = false;
    std::vector<FanRowView> Rows;
};

class FanControlModel {
public:
    using Translate = std::function<std::string(std::string_view)>;
    using DebugLine = std::function<void(std::string_view)>;

    FanControlModel(const HwExports& exports, SensorConfiguration& config, FanControlUi& ui, SystemRestart& restart,
                    Translate translate = {}, DebugLine debugLine = {});

    // Once, while the options window is created: layout, the setting items
    // of whichever interface the board offers, the title, the groups, and
    // group 0 shown.
    void PrepareFanControl();
    // Everything again from the hardware: after creation and whenever new
    // fan settings are announced.
    void RefreshFanControl();

    // The fan-control half of committing: writes the items (asking before a
    // write that needs a restart). True when the user declined the restart
    // and the whole commit must stop.
    bool CommitFanItems();
    // After the committed switches took their edit copies: the switches and
    // targets to the hardware.
    void ApplyFanSwitches();
    // Every item's pending value back to the one last applied.
    void RevertFanItems();
    // The processor target index from the hardware (Cancel and Load); Cancel
    // redraws the chassis display too.
    void ReadBackTarget(bool redrawChassis);

    // Control actions. All but ChooseGroup mark the options window changed.
    void ClickProcessorSwitch();
    void ClickChassisSwitch();
    void StepTargetUp();
    void StepTargetDown();
    void ChooseProcessorTarget();
    void ChooseChassisTarget();
    void ChooseGroup();
    void ChooseOption(int row);

    const FanControlView& View() const { return m_view; }
    FanItemInterface Interface() const { return m_interface; }
    const std::vector<SettingItem>& Items() const { return m_items; }
    const std::vector<FanGroup>& Groups() const { return m_groups; }
    int CurrentGroup() const { return m_currentGroup; }
    const std::vector<std::string>& Presets() const { return m_presets; }
    std::uint32_t TargetItem() const { return m_targetItem; }
    bool TargetAvailable() const { return m_targetAvailable; }
    // The option texts of the shown rows, in row order.
    const std::vector<std::vector<std::string>>& RowOptions() const { return m_rowOptions; }

private:
    bool Workable(std::uint32_t itemId) const;
    std::int32_t KelvaneInfo(std::uint32_t itemId) const;
    std::int32_t ReadIndex(std::uint32_t itemId) const;
    std::string Tr(std::string_view text) const;
    std::string PresetText(std::int32_t index, const std::string& otherwise) const;

    void ReadItems(FanItemInterface from);
    bool GroupInterfaceOffered() const;
    void BuildGroups();
    bool CurrentGroupValid() const;
    void RefreshSwitch(std::int32_t state, bool& committed, bool& edit, bool& enabled);
    // The target displays as the given switch state shows them.
    void RedrawProcessorTarget(bool on);
    void RedrawChassisTarget(bool on);
    // The preset list for one of the two targets; a choice becomes its index and label text.
    void ChooseTarget(std::int32_t& index, FanChooser::Kind chooser, FanTargetView& target);
    void FetchRowOptions();
    void DrawGroup();
    void ShowGroup();

    const HwExports& m_exports;
    SensorConfiguration& m_config;
    FanControlUi& m_ui;
    SystemRestart& m_restart;
    Translate m_translate;
    DebugLine m_debugLine;

    std::uint32_t m_targetItem = OC_ITEM_CPU_FAN_TARGET;
    bool m_targetAvailable = false;
    std::vector<std::string> m_presets;
    FanItemInterface m_interface = FanItemInterface::None;
    std::vector<SettingItem> m_items;
    std::vector<FanGroup> m_groups;
    int m_currentGroup = 0;
    std::vector<std::vector<std::string>> m_rowOptions;
    std::vector<int> m_rowItems;  // item index of each shown row
    FanControlView m_view;
};

// The hook CommitEdits takes: the fan-control half of a commit, true to abort.
std::function<bool()> FanControlCommitOf(FanControlModel& model);

}  // namespace vantor::monitor
