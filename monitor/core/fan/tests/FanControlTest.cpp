// The fan-control model on the simulated classic (old item interface) and
// group (group item interface) boards, through the same exports the program
// binds from the DLL.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

#include "fan/tests/SimulatedBoard.h"
#include "config/ConfigFlows.h"
#include "fan/FanControlModel.h"
#include "config/MemoryProfileStore.h"
#include "config/SensorDefaults.h"

namespace vantor::monitor {
namespace {

using testing::SimulatedBoard;

class ScriptedUi final : public FanControlUi {
public:
    std::optional<int> ChooseFromList(const std::vector<std::string>& texts, int selected, FanChooser chooser) override
    {
        lists.push_back(texts);
        selections.push_back(selected);
        choosers.push_back(chooser.Which);
        if (answers.empty())
            return std::nullopt;
        const std::optional<int> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool ConfirmRestart(std::string_view question) override
    {
        questions.emplace_back(question);
        return confirmRestart;
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    std::deque<std::optional<int>> answers;
    bool confirmRestart = false;
    std::vector<std::vector<std::string>> lists;
    std::vector<int> selections;
    std::vector<FanChooser::Kind> choosers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

class RecordingRestart final : public SystemRestart {
public:
    void RebootSystem() override
    {
        ++reboots;
        hw::sim::SimulatedCallLog().emplace_back("RebootSystem");
    }
    int reboots = 0;
};

// A model on a board, prepared and refreshed as the options window's
// creation does, past the start-up phase.
struct Fixture {
    explicit Fixture(const std::string& board) : sim(board)
    {
        config.StartupPhase = false;
        model.PrepareFanControl();
        model.RefreshFanControl();
        sim.Calls().clear();
    }

    SimulatedBoard sim;
    SensorConfiguration config;
    ScriptedUi ui;
    RecordingRestart restart;
    std::vector<std::string> debugLines;
    FanControlModel model{sim.Exports(), config, ui,
                          restart,       {},     [this](std::string_view line) { debugLines.emplace_back(line); }};

    std::vector<std::string> RowTitles() const
    {
        std::vector<std::string> titles;
        for (const FanRowView& row : model.View().Rows)
            titles.push_back(row.Title);
        return titles;
    }
    std::vector<bool> RowsEnabled() const
    {
        std::vector<bool> enabled;
        for (const FanRowView& row : model.View().Rows)
            enabled.push_back(row.Enabled);
        return enabled;
    }
    const SettingItem& Item(std::uint32_t id) const
    {
        const auto& items = model.Items();
        const auto found = std::find_if(items.begin(), items.end(), [id](const SettingItem& i) { return i.Id == id; });
        EXPECT_NE(found, items.end()) << std::hex << id;
        return *found;
    }
    // The value the board holds now, as a refresh would read it.
    std::int32_t BoardValue(std::uint32_t id, FanItemInterface from) const
    {
        const HwExports& exports = sim.Exports();
        const auto getData =
                from == FanItemInterface::Group ? exports.OCAPI_NKELVANE_GetData : exports.OCAPI_KELVANE_GetData;
        std::int32_t count = 0;
        getData(nullptr, &count);
        std::vector<SettingItem> items(static_cast<std::size_t>(count));
        getData(items.data(), &count);
        for (const SettingItem& item : items) {
            if (item.Id == id)
                return item.Value;
        }
        ADD_FAILURE() << "no item " << std::hex << id;
        return -1;
    }
};

TEST(FanGroupNames, FollowTheFanWordOfEachInterface)
{
    struct Case {
        const char* name;
        const char* oldGroup;
        const char* group;
        const char* rowTitle;
    };
    const Case cases[] = {
            // The search runs on the upper-cased name; the copy keeps the case.
            {"CPU Fan Mode", "CPU Fan", "CPU Fan", "Mode:"},
            {"CPU FAN Duty Cycle", "CPU FAN", "CPU FAN", "Duty Cycle:"},
            {"SYS FAN response time", "SYS FAN", "SYS FAN", "Response time:"},
            // No "FAN": three characters on the old interface, the whole
            // trimmed name on the group interface.
            {"Kelvane Target", "Kel", "Kelvane", "Target:"},
            {"  Pump Speed ", "  P", "Pump Speed", "Pump Speed:"},
            // "KELVANE" comes before "FAN" on the group interface.
            {"cpu kelvane fan curve", "cpu kelvane fan", "cpu kelvane", "Fan curve:"},
            {"Ab", "Ab", "Ab", "Ab:"},
            {"", "", "", ":"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OldInterfaceGroupName(c.name), c.oldGroup) << c.name;
        EXPECT_EQ(GroupInterfaceGroupName(c.name), c.group) << c.name;
        EXPECT_EQ(GroupInterfaceRowTitle(c.name), c.rowTitle) << c.name;
    }
}

TEST(FanGroupNames, AreCutAtThirtyCharacters)
{
    const std::string longName = std::string(40, 'x') + " FAN";
    EXPECT_EQ(OldInterfaceGroupName(longName).size(), kFanGroupNameSize);
    EXPECT_EQ(GroupInterfaceGroupName(longName).size(), kFanGroupNameSize);
}

TEST(FanControlClassic, BuildsOldInterfaceGroupsBySlotRole)
{
    Fixture f("classic");
    EXPECT_EQ(f.model.Interface(), FanItemInterface::Old);
    EXPECT_EQ(f.model.View().Title, "Kelvane");
    ASSERT_GE(f.model.Groups().size(), 2u);
    const FanGroup& cpu = f.model.Groups()[0];
    const FanGroup& chassis = f.model.Groups()[1];
    EXPECT_EQ(cpu.Name, "CPU FAN");
    EXPECT_EQ(chassis.Name, "Chassis FAN");
    const auto idAt = [&](const FanGroup& g, std::size_t slot) {
        return g.Slots[slot] < 0 ? 0u : f.model.Items()[static_cast<std::size_t>(g.Slots[slot])].Id;
    };
    EXPECT_EQ(idAt(cpu, 0), 0x04080111u);
    EXPECT_EQ(idAt(cpu, 1), 0x04050112u);
    EXPECT_EQ(idAt(cpu, 2), 0x04080113u);
    EXPECT_EQ(idAt(cpu, 3), 0x04030114u);
    EXPECT_EQ(idAt(cpu, 4), 0u);
    // The chassis fan has no sensing item: its slot stays empty.
    EXPECT_EQ(idAt(chassis, 0), 0x04080121u);
    EXPECT_EQ(idAt(chassis, 1), 0x04050122u);
    EXPECT_EQ(idAt(chassis, 2), 0u);
    EXPECT_EQ(idAt(chassis, 3), 0x04030124u);

    EXPECT_TRUE(f.model.View().GroupAreaShown);
    EXPECT_EQ(f.model.View().GroupName, "CPU FAN");
    EXPECT_EQ(f.RowTitles(), (std::vector<std::string>{"Mode:", "Duty Cycle:", "Sensing:", "Target Temperature:"}));
    // Mode 1 (Smart) at the start: the duty cycle is the firmware's business.
    EXPECT_EQ(f.RowsEnabled(), (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(f.model.View().Rows[0].Content, "Smart");
    EXPECT_EQ(f.model.View().Rows[1].Content, "70");
}

TEST(FanControlClassic, ChoosingTheModeFlipsTheRowsItEnables)
{
    Fixture f("classic");
    f.ui.answers = {0};  // Manual
    f.model.ChooseOption(0);
    ASSERT_EQ(f.ui.lists.size(), 1u);
    EXPECT_EQ(f.ui.lists[0], (std::vector<std::string>{"Manual", "Smart"}));
    EXPECT_EQ(f.ui.selections[0], 1);
    EXPECT_EQ(f.model.View().Rows[0].Content, "Manual");
    EXPECT_EQ(f.RowsEnabled(), (std::vector<bool>{true, true, false, false}));

    // A list closed without a choice changes nothing.
    f.model.ChooseOption(0);
    EXPECT_EQ(f.model.View().Rows[0].Content, "Manual");
}

TEST(FanControlClassic, ShowsTheChassisGroupChosenFromTheGroupList)
{
    Fixture f("classic");
    EXPECT_TRUE(f.model.View().GroupChooserShown);
    f.ui.answers = {1};
    f.model.ChooseGroup();
    ASSERT_FALSE(f.ui.lists.empty());
    EXPECT_EQ(f.ui.lists[0][0], "CPU FAN");
    EXPECT_EQ(f.ui.lists[0][1], "Chassis FAN");
    EXPECT_EQ(f.model.CurrentGroup(), 1);
    EXPECT_EQ(f.model.View().GroupName, "Chassis FAN");
    EXPECT_EQ(f.RowTitles(), (std::vector<std::string>{"Mode:", "Duty Cycle:", "Target Temperature:"}));
    // Chassis mode 0 (Manual).
    EXPECT_EQ(f.RowsEnabled(), (std::vector<bool>{true, true, false}));
}

// The board's text without the [item ...] sections of the given ids.
std::string BoardWithoutItems(const std::string& board, const std::vector<std::string>& ids)
{
    std::istringstream in(testing::BoardText(board));
    std::string text;
    std::string line;
    bool dropping = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[')
            dropping = std::any_of(ids.begin(), ids.end(),
                                   [&line](const std::string& id) { return line == "[item " + id + "]"; });
        if (!dropping)
            text += line + "\n";
    }
    return text;
}

TEST(FanControlClassic, ARefreshThatShrinksTheItemsRebuildsTheRows)
{
    Fixture f("classic");
    f.ui.answers = {1};
    f.model.ChooseGroup();  // the chassis fan's rows, the last items of the list
    ASSERT_EQ(f.model.View().GroupName, "Chassis FAN");
    const std::size_t itemsBefore = f.model.Items().size();

    // The firmware now lists no processor fan settings.
    hw::sim::CloseSimulatedLibrary();
    ASSERT_TRUE(hw::sim::OpenSimulatedLibrary(
            BoardWithoutItems("classic", {"0x04080111", "0x04050112", "0x04080113", "0x04030114"})));
    f.model.RefreshFanControl();

    EXPECT_EQ(f.model.Items().size(), itemsBefore - 4);
    // The chassis fan stays shown, now as the first group.
    ASSERT_FALSE(f.model.Groups().empty());
    EXPECT_EQ(f.model.Groups()[0].Name, "Chassis FAN");
    EXPECT_EQ(f.model.CurrentGroup(), 0);
    EXPECT_EQ(f.model.View().GroupName, "Chassis FAN");
    EXPECT_EQ(f.RowTitles(), (std::vector<std::string>{"Mode:", "Duty Cycle:", "Target Temperature:"}));
    EXPECT_EQ(f.model.RowOptions().size(), 3u);

    // The rows choose among the items as they are now.
    f.ui.answers = {4};
    f.model.ChooseOption(2);
    ASSERT_EQ(f.ui.lists.size(), 2u);
    EXPECT_EQ(f.ui.lists[1], (std::vector<std::string>{"35", "40", "45", "50", "55", "60"}));
    EXPECT_EQ(f.Item(0x04030124).Value, 4);
    EXPECT_EQ(f.model.View().Rows[2].Content, "55");

    // A row beyond the shown ones opens nothing.
    f.model.ChooseOption(3);
    EXPECT_EQ(f.ui.lists.size(), 2u);
}

TEST(FanControlClassic, RefreshReadsSwitchesTargetsAndPresets)
{
    Fixture f("classic");
    // The classic board picks its profile through the older target item.
    EXPECT_EQ(f.model.TargetItem(), OC_ITEM_CPU_FAN_TARGET);
    EXPECT_TRUE(f.model.TargetAvailable());
    EXPECT_FALSE(f.model.View().ProfileLayout);
    EXPECT_FALSE(f.model.View().ProcessorSwitchCaption.has_value());
    EXPECT_EQ(f.model.Presets(), (std::vector<std::string>{"Silent", "Standard", "Performance", "Full Speed"}));
    // Processor fan control on, chassis off.
    EXPECT_TRUE(f.config.Committed.EnableKelvane);
    EXPECT_TRUE(f.config.Edit.EnableKelvane);
    EXPECT_FALSE(f.config.Committed.EnableChKelvane);
    EXPECT_TRUE(f.model.View().ProcessorSwitchEnabled);
    EXPECT_TRUE(f.model.View().ChassisSwitchEnabled);
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 1);
    EXPECT_EQ(f.model.View().ProcessorTarget.Text, "Standard");
    EXPECT_TRUE(f.model.View().ProcessorTarget.SteppersEnabled);
    EXPECT_TRUE(f.model.View().ProcessorTarget.LabelEnabled);
    EXPECT_FALSE(f.model.View().ChassisTarget.LabelEnabled);
}

TEST(FanControlClassic, SteppingStaysWithinThePresetList)
{
    Fixture f("classic");
    f.model.StepTargetUp();
    f.model.StepTargetUp();
    f.model.StepTargetUp();
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 3);
    EXPECT_EQ(f.model.View().ProcessorTarget.Text, "Full Speed");
    for (int i = 0; i < 5; ++i)
        f.model.StepTargetDown();
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 0);
    EXPECT_EQ(f.model.View().ProcessorTarget.Text, "Silent");
}

TEST(FanControlClassic, SwitchCommitsWriteOnlyWhatTheStateNeeds)
{
    struct Case {
        const char* what;
        bool cpuOn;
        bool chassisOn;
        std::vector<std::string> calls;
        std::vector<std::string> debugLines;
    };
    // The board starts with the processor switch on (2) and the chassis off (1).
    const Case cases[] = {
            {"processor unchecked while on: one enable call, no target",
             false,
             false,
             {"OCAPI_EnableKelvane(0, 0x04060003)"},
             {}},
            {"processor still on: no enable call, the target written again",
             true,
             false,
             {"OCAPI_SetKelvaneTarget(2, 0x04050009)"},
             {}},
            {"chassis switched on: enable and target, each with its debug line",
             true,
             true,
             {"OCAPI_SetKelvaneTarget(2, 0x04050009)", "OCAPI_EnableKelvane(1, 0x04060006)",
              "OCAPI_SetKelvaneTarget(3, 0x0405000A)"},
             {"Set Kelvane..", "Set Kelvane Target.."}},
    };
    for (const Case& c : cases) {
        Fixture f("classic");
        f.config.Committed.EnableKelvane = c.cpuOn;
        f.config.Committed.EnableChKelvane = c.chassisOn;
        f.config.Committed.KelvaneTargetIdx = 2;
        f.config.Committed.ChKelvaneTargetIdx = 3;
        f.model.ApplyFanSwitches();
        EXPECT_EQ(f.sim.Calls(), c.calls) << c.what;
        EXPECT_EQ(f.debugLines, c.debugLines) << c.what;
    }
}

TEST(FanControlClassic, SwitchesAreLeftAloneDuringStartUp)
{
    Fixture f("classic");
    f.config.StartupPhase = true;
    f.config.Committed.EnableKelvane = false;
    f.model.ApplyFanSwitches();
    EXPECT_FALSE(f.model.CommitFanItems());
    EXPECT_TRUE(f.sim.Calls().empty());
}

TEST(FanControlClassic, CommitWritesItemsAndRevertRestoresTheApplied)
{
    Fixture f("classic");
    f.ui.answers = {0};
    f.model.ChooseOption(0);  // CPU fan mode: Manual
    EXPECT_EQ(f.Item(0x04080111).Value, 0);
    EXPECT_EQ(AppliedValue(f.Item(0x04080111)), 1);

    f.model.RevertFanItems();
    EXPECT_EQ(f.Item(0x04080111).Value, 1);
    EXPECT_TRUE(f.sim.Calls().empty());

    f.ui.answers = {0};
    f.model.ChooseOption(0);
    EXPECT_FALSE(f.model.CommitFanItems());
    EXPECT_EQ(f.sim.Calls(),
              (std::vector<std::string>{"OCAPI_KELVANE_SetData(" + std::to_string(f.model.Items().size()) + ")"}));
    EXPECT_EQ(AppliedValue(f.Item(0x04080111)), 0);
    EXPECT_EQ(f.BoardValue(0x04080111, FanItemInterface::Old), 0);
    // A revert after the commit keeps the committed value.
    f.model.RevertFanItems();
    EXPECT_EQ(f.Item(0x04080111).Value, 0);
}

TEST(FanControlClassic, ReadBackTakesTheTargetFromTheHardware)
{
    Fixture f("classic");
    f.model.StepTargetUp();
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 2);
    f.model.ReadBackTarget(true);
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 1);
    EXPECT_EQ(f.model.View().ProcessorTarget.Text, "Standard");

    f.sim.Exports().OCAPI_SetKelvaneTarget(3, ACPI_KVINFO_CPU_KELVANE_PROFILE);
    f.model.ReadBackTarget(false);
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 3);
    EXPECT_EQ(f.model.View().ProcessorTarget.Text, "Full Speed");
}

TEST(FanControlClassic, TargetChooserTakesTheChosenPreset)
{
    Fixture f("classic");
    f.ui.answers = {2, std::nullopt};
    f.model.ChooseProcessorTarget();
    EXPECT_EQ(f.ui.selections[0], 1);
    EXPECT_EQ(f.config.Committed.KelvaneTargetIdx, 2);
    EXPECT_EQ(f.model.View().ProcessorTarget.Text, "Performance");
    f.model.ChooseChassisTarget();
    EXPECT_EQ(f.config.Committed.ChKelvaneTargetIdx, 0);
}

TEST(FanControlGroup, BuildsGroupsInOrderOfFirstAppearance)
{
    Fixture f("group");
    EXPECT_EQ(f.model.Interface(), FanItemInterface::Group);
    // The key-0 mode item's value 2 names the page.
    EXPECT_EQ(f.model.View().Title, "Advanced Kelvane");
    ASSERT_EQ(f.model.Groups().size(), 2u);
    EXPECT_EQ(f.model.Groups()[0].Name, "CPU FAN");
    EXPECT_EQ(f.model.Groups()[1].Name, "SYS FAN");
    EXPECT_TRUE(f.model.View().GroupChooserShown);
    EXPECT_EQ(f.RowTitles(),
              (std::vector<std::string>{"Control Mode:", "Duty Cycle:", "Target Temperature:", "Fail Warning:"}));
    EXPECT_EQ(f.model.View().Rows[0].Content, "Smart");
    EXPECT_EQ(f.model.View().Rows[3].Content, "Enable");
}

TEST(FanControlGroup, RowsFollowTheirControllingItem)
{
    Fixture f("group");
    // CPU fan in Smart mode (0): the duty cycle is off, the target on.
    EXPECT_EQ(f.RowsEnabled(), (std::vector<bool>{true, false, true, true}));
    f.ui.answers = {1};  // Manual
    f.model.ChooseOption(0);
    EXPECT_EQ(f.RowsEnabled(), (std::vector<bool>{true, true, false, true}));

    // The system fan starts in Manual; its response time names no controller.
    f.ui.answers = {1};
    f.model.ChooseGroup();
    EXPECT_EQ(f.model.View().GroupName, "SYS FAN");
    EXPECT_EQ(f.RowsEnabled(), (std::vector<bool>{true, true, false, true}));
}

TEST(FanControlGroup, DeclinedRestartAbortsWithTheEditsPending)
{
    Fixture f("group");
    f.ui.answers = {1};
    f.model.ChooseOption(0);  // CPU fan control mode: Manual (needs a restart)
    f.ui.confirmRestart = false;
    EXPECT_TRUE(f.model.CommitFanItems());
    EXPECT_EQ(f.ui.questions, (std::vector<std::string>{"Kelvane setting need to restart system!!\nAre you sure??"}));
    EXPECT_EQ(f.restart.reboots, 0);
    ASSERT_EQ(f.sim.Calls().size(), 1u);
    EXPECT_EQ(f.sim.Calls()[0], "OCAPI_NKELVANE_SetData(9, 0x0) = 1");
    EXPECT_EQ(f.Item(0x04080011).Value, 1);
    EXPECT_EQ(AppliedValue(f.Item(0x04080011)), 0);
    EXPECT_EQ(f.BoardValue(0x04080011, FanItemInterface::Group), 0);
}

TEST(FanControlGroup, AcceptedRestartWritesThenRestartsOnce)
{
    Fixture f("group");
    f.ui.answers = {1};
    f.model.ChooseOption(0);
    f.ui.confirmRestart = true;
    EXPECT_FALSE(f.model.CommitFanItems());
    EXPECT_EQ(f.sim.Calls(), (std::vector<std::string>{"OCAPI_NKELVANE_SetData(9, 0x0) = 1",
                                                       "OCAPI_NKELVANE_SetData(9, 0x1000) = 0", "RebootSystem"}));
    EXPECT_EQ(f.restart.reboots, 1);
    EXPECT_EQ(AppliedValue(f.Item(0x04080011)), 1);
    EXPECT_EQ(f.BoardValue(0x04080011, FanItemInterface::Group), 1);
}

TEST(FanControlGroup, ApplyStopsBeforeTheSensorSettingsWhenTheRestartIsDeclined)
{
    Fixture f("group");
    f.config.Edit.IntervalField = "9";
    f.ui.answers = {1};
    f.model.ChooseOption(0);
    f.ui.confirmRestart = false;
    MemoryProfileStore store;
    const FlowResult result = ApplyFlow(
            f.config, store, "C:\\Vantor\\vantor.dat", [](std::string_view) { return true; },
            FanControlCommitOf(f.model));
    EXPECT_FALSE(result.Completed);
    EXPECT_EQ(f.config.Committed.PollingIntervalMs, kDefaultPollingIntervalMs);
    EXPECT_FALSE(store.FileExists("C:\\Vantor\\vantor.dat"));

    f.ui.confirmRestart = true;
    const FlowResult accepted = ApplyFlow(
            f.config, store, "C:\\Vantor\\vantor.dat", [](std::string_view) { return true; },
            FanControlCommitOf(f.model));
    EXPECT_TRUE(accepted.Completed);
    EXPECT_EQ(f.config.Committed.PollingIntervalMs, 9000);
    EXPECT_EQ(f.restart.reboots, 1);
}

TEST(FanControlGroup, UnchangedItemsCommitWithoutAQuestion)
{
    Fixture f("group");
    f.ui.answers = {1, 3};
    f.model.ChooseGroup();
    f.model.ChooseOption(1);  // SYS FAN duty cycle: no restart needed
    EXPECT_FALSE(f.model.CommitFanItems());
    EXPECT_TRUE(f.ui.questions.empty());
    EXPECT_EQ(f.sim.Calls(), (std::vector<std::string>{"OCAPI_NKELVANE_SetData(9, 0x0) = 0",
                                                       "OCAPI_NKELVANE_SetData(9, 0x1000) = 0"}));
    EXPECT_EQ(f.BoardValue(0x04050022, FanItemInterface::Group), 3);
}

TEST(FanControlBare, HasNoGroupAreaAndCommitsNothing)
{
    Fixture f("bare");
    EXPECT_EQ(f.model.Interface(), FanItemInterface::None);
    EXPECT_FALSE(f.model.View().GroupAreaShown);
    EXPECT_TRUE(f.model.Groups().empty());
    EXPECT_FALSE(f.model.View().ProcessorSwitchEnabled);
    EXPECT_FALSE(f.model.CommitFanItems());
    f.config.Committed.EnableKelvane = true;
    f.model.ApplyFanSwitches();
    EXPECT_TRUE(f.sim.Calls().empty());
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(FanControlGroup, AGroupInterfaceWithoutFanGroupsReportsTheMissingGroup)
{
    Fixture f("boardsim/tests/boards/modeonly.ini");
    EXPECT_EQ(f.model.Interface(), FanItemInterface::Group);
    EXPECT_EQ(f.model.View().Title, "Kelvane");
    EXPECT_TRUE(f.model.Groups().empty());
    EXPECT_EQ(f.ui.messages, (std::vector<std::string>{"FanControl Group Index error."}));
    EXPECT_TRUE(f.model.View().Rows.empty());
}

TEST(ListWindowOrigin, OpensLeftOfAndBelowTheButton)
{
    const ListOrigin origin = ListWindowOrigin(400, 120, 20);
    EXPECT_EQ(origin.Left, 250);
    EXPECT_EQ(origin.Top, 145);
}

}  // namespace
}  // namespace vantor::monitor
