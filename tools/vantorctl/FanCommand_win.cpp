// vantorctl fan: the fan control as the options window shows it, read
// through the program's own fan-control model: both switches with their
// targets, the profile names, and every group's rows with their option
// texts at the current values and whether they can be edited. Nothing is
// written to the board.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "Json.h"
#include "fan/FanControlModel.h"

namespace vantorctl {
namespace {

using namespace vantor::monitor;

// Answers the model's lists with the group to show next; asks nothing else.
class ReadOnlyUi final : public FanControlUi {
public:
    std::optional<int> ChooseFromList(const std::vector<std::string>&, int, FanChooser) override { return next; }
    bool ConfirmRestart(std::string_view) override { return false; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    std::optional<int> next;
    std::vector<std::string> messages;
};

// Nothing is committed here, so nothing can ask for a restart.
class NoRestart final : public SystemRestart {
public:
    void RebootSystem() override {}
};

const char* InterfaceName(FanItemInterface which)
{
    switch (which) {
    case FanItemInterface::Old:
        return "old";
    case FanItemInterface::Group:
        return "group";
    case FanItemInterface::None:
        break;
    }
    return "none";
}

const char* StateName(std::int32_t state) { return state == 2 ? "on" : state == 1 ? "off" : "unsupported"; }

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

struct Switch {
    const char* key;
    const char* title;
    std::uint32_t itemId;
    std::int32_t state;
    std::int32_t startTemp;
    bool enabled;
    const FanTargetView* target;
};

struct Row {
    std::string group;
    FanRowView view;
    std::vector<std::string> options;
};

}  // namespace

int RunFan(const HwLibrary& hw, bool json)
{
    const HwExports& exports = hw;
    SensorConfiguration config;
    ReadOnlyUi ui;
    NoRestart restart;
    FanControlModel model(exports, config, ui, restart, {}, [](std::string_view) {});
    model.PrepareFanControl();
    model.RefreshFanControl();

    // Each group shown in turn, as the group chooser would show it.
    std::vector<Row> rows;
    for (std::size_t group = 0; group < model.Groups().size(); ++group) {
        if (group > 0) {
            ui.next = static_cast<int>(group);
            model.ChooseGroup();
        }
        const FanControlView& view = model.View();
        for (std::size_t i = 0; i < view.Rows.size(); ++i) {
            const auto& options = i < model.RowOptions().size() ? model.RowOptions()[i] : std::vector<std::string>{};
            rows.push_back({view.GroupName, view.Rows[i], options});
        }
    }

    const FanControlView& view = model.View();
    std::vector<Switch> switches;
    for (const auto& [key, title, itemId, enabled, target] :
         {std::tuple{"cpu", "processor fan control", OC_ITEM_CPU_KELVANE, view.ProcessorSwitchEnabled,
                     &view.ProcessorTarget},
          std::tuple{"chassis", "chassis fan control", OC_ITEM_CHASSIS_KELVANE, view.ChassisSwitchEnabled,
                     &view.ChassisTarget}}) {
        std::int32_t startTemp = 0;
        if (hw.OCAPI_GetFanStartTemp != nullptr)
            hw.OCAPI_GetFanStartTemp(&startTemp, itemId);
        const std::int32_t state = hw.OCAPI_GetKelvaneInfo != nullptr ? hw.OCAPI_GetKelvaneInfo(itemId) : 0;
        switches.push_back({key, title, itemId, state, startTemp, enabled, target});
    }

    if (json) {
        std::vector<std::string> switchJson;
        for (const Switch& s : switches) {
            switchJson.push_back(JsonObject()
                                         .String("switch", s.key)
                                         .String("id", Hex(s.itemId))
                                         .String("state", StateName(s.state))
                                         .Bool("enabled", s.enabled)
                                         .Number("start_temperature", s.startTemp)
                                         .String("target", s.target->Text)
                                         .Bool("target_enabled", s.target->LabelEnabled)
                                         .Text());
        }
        std::vector<std::string> presetJson;
        for (const std::string& preset : model.Presets())
            presetJson.push_back(JsonString(preset));
        std::vector<std::string> groupJson;
        for (const FanGroup& group : model.Groups())
            groupJson.push_back(JsonString(group.Name));
        std::vector<std::string> rowJson;
        for (const Row& row : rows) {
            std::vector<std::string> optionJson;
            for (const std::string& option : row.options)
                optionJson.push_back(JsonString(option));
            rowJson.push_back(JsonObject()
                                      .String("group", row.group)
                                      .String("id", Hex(row.view.ItemId))
                                      .String("title", row.view.Title)
                                      .String("value", row.view.Content)
                                      .Bool("enabled", row.view.Enabled)
                                      .Raw("options", JsonArray(optionJson))
                                      .Text());
        }
        std::printf("%s\n", JsonObject()
                                    .String("interface", InterfaceName(model.Interface()))
                                    .String("title", view.Title)
                                    .Raw("switches", JsonArray(switchJson))
                                    .Raw("presets", JsonArray(presetJson))
                                    .Raw("groups", JsonArray(groupJson))
                                    .Raw("rows", JsonArray(rowJson))
                                    .Text()
                                    .c_str());
    } else {
        std::printf("%s (%s setting items)\n", view.Title.c_str(), InterfaceName(model.Interface()));
        for (const Switch& s : switches) {
            std::printf("  %-22s %-11s start %d C, target %s%s\n", s.title, StateName(s.state),
                        static_cast<int>(s.startTemp), s.target->Text.empty() ? "-" : s.target->Text.c_str(),
                        s.target->LabelEnabled ? "" : " (disabled)");
        }
        std::printf("  %-22s ", "profiles");
        for (std::size_t i = 0; i < model.Presets().size(); ++i)
            std::printf("%s%zu %s", i == 0 ? "" : ", ", i, model.Presets()[i].c_str());
        std::printf("%s\n", model.Presets().empty() ? "(none)" : "");
        std::string group;
        for (const Row& row : rows) {
            if (row.group != group) {
                group = row.group;
                std::printf("[%s]\n", group.c_str());
            }
            std::printf("  %-24s %-20s %s  %s\n", row.view.Title.c_str(), row.view.Content.c_str(),
                        Hex(row.view.ItemId).c_str(), row.view.Enabled ? "" : "(disabled)");
        }
    }
    for (const std::string& message : ui.messages)
        std::fprintf(stderr, "vantorctl: %s\n", message.c_str());
    return kExitOk;
}

}  // namespace vantorctl
