// The read commands of vantorctl: sensors, board, fan. Everything goes
// through VantorHw.dll, bound as the monitor binds it.
#include "Commands.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Json.h"

namespace vantorctl {
namespace {

struct SensorKind {
    const char* list;
    const char* word;
    const char* unit;
    int decimals;
    double scale;
};

constexpr SensorKind kSensorKinds[] = {
    {"VSIF", "volt", "V", 3, 0.001},
    {"TSIF", "temp", "C", 1, 0.1},
    {"FSIF", "fan", "rpm", 0, 1.0},
};

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

// Option texts of an item through one of the two list exports: a sizing
// call, then a list of that many 30-byte slots.
template <typename ListFn>
std::vector<std::string> OptionTexts(ListFn list, std::uint32_t itemId)
{
    std::vector<std::string> texts;
    if (list == nullptr)
        return texts;
    const std::int32_t count = list(itemId, nullptr, 0);
    if (count <= 0 || count > 1024)
        return texts;
    std::vector<std::array<char, OC_OPTION_SLOT_SIZE>> slots(static_cast<std::size_t>(count));
    std::vector<char*> pointers;
    for (auto& slot : slots) {
        slot.fill(0);
        pointers.push_back(slot.data());
    }
    list(itemId, pointers.data(), count * OC_OPTION_SLOT_SIZE);
    for (const auto& slot : slots)
        texts.emplace_back(slot.data(), strnlen(slot.data(), slot.size()));
    return texts;
}

struct Mbif {
    bool present = false;
    std::uint32_t version = 0;
    std::string name;
    std::vector<std::uint32_t> values;
};

Mbif ReadMbif(const HwLibrary& hw)
{
    Mbif mbif;
    if (hw.OCAPI_GetMBIF == nullptr)
        return mbif;
    char name[64] = {};
    std::int32_t count = 0;
    if (hw.OCAPI_GetMBIF(&mbif.version, name, nullptr, &count) != 0)
        return mbif;
    mbif.present = true;
    mbif.name = name;
    if (count > 0 && count < 4096) {
        mbif.values.resize(static_cast<std::size_t>(count));
        if (hw.OCAPI_GetMBIF(&mbif.version, nullptr, mbif.values.data(), &count) != 0)
            mbif.values.clear();
    }
    return mbif;
}

bool GroupInterface(const Mbif& mbif)
{
    return mbif.version > 1 && !mbif.values.empty() && (mbif.values[0] & 0x0000FF00u) != 0;
}

}  // namespace

int RunSensors(const HwLibrary& hw, bool json)
{
    std::vector<std::string> objects;
    for (const auto& kind : kSensorKinds) {
        std::int32_t count = 0;
        const SensorDescriptor* sensors =
            hw.OCAPI_HW_EnumerateOption != nullptr ? hw.OCAPI_HW_EnumerateOption(kind.list, &count) : nullptr;
        for (std::int32_t i = 0; sensors != nullptr && i < count; ++i) {
            const SensorDescriptor& sensor = sensors[i];
            const double value = hw.OCAPI_GetHwSensorData != nullptr ? hw.OCAPI_GetHwSensorData(sensor.Id) : 0.0;
            const std::string name(sensor.Name, strnlen(sensor.Name, sizeof sensor.Name));
            if (json) {
                objects.push_back(JsonObject()
                                      .String("kind", kind.word)
                                      .String("id", Hex(sensor.Id))
                                      .String("name", name)
                                      .Raw("value", Fixed(value, kind.decimals))
                                      .String("unit", kind.unit)
                                      .Number("low", sensor.LowLimit)
                                      .Number("high", sensor.HighLimit)
                                      .Number("flags", sensor.Flags)
                                      .Text());
            } else {
                std::printf("%-4s  %s  %10s %-3s  low %10s  high %10s  %s\n", kind.word, Hex(sensor.Id).c_str(),
                            Fixed(value, kind.decimals).c_str(), kind.unit,
                            Fixed(sensor.LowLimit * kind.scale, kind.decimals).c_str(),
                            Fixed(sensor.HighLimit * kind.scale, kind.decimals).c_str(), name.c_str());
            }
        }
    }
    if (json)
        std::printf("%s\n", JsonArray(objects).c_str());
    return 0;
}

int RunBoard(const HwLibrary& hw, bool json)
{
    const Mbif mbif = ReadMbif(hw);
    float first = 0.0f, second = 0.0f;
    const bool rangeKnown = hw.OCAPI_GetCpuVoltRange != nullptr && hw.OCAPI_GetCpuVoltRange(&first, &second) != 0;
    const bool cnqSupported =
        hw.OCAPI_CheckWorkable != nullptr && hw.OCAPI_CheckWorkable(ACPI_OCINFO_COOLNQUIET_FLAG) != 0;
    const int cnqFlag = hw.OCAPI_GetHwSensorData != nullptr
                            ? static_cast<int>(hw.OCAPI_GetHwSensorData(ACPI_OCINFO_COOLNQUIET_FLAG))
                            : 0;
    const bool ruvel = hw.OCAPI_CheckRuvel != nullptr && hw.OCAPI_CheckRuvel() != 0;
    const bool intel = hw.OCAPI_CheckIntelPowerSaving != nullptr && hw.OCAPI_CheckIntelPowerSaving() != 0;

    std::vector<std::string> values;
    for (std::uint32_t value : mbif.values)
        values.push_back(json ? std::to_string(value) : Hex(value));
    if (json) {
        JsonObject object;
        object.Bool("mbif", mbif.present)
            .Number("version", mbif.version)
            .String("name", mbif.name)
            .Raw("values", JsonArray(values))
            .Bool("group_interface", GroupInterface(mbif))
            .Raw("coolnquiet_range", rangeKnown ? "[" + Fixed(first, 3) + ", " + Fixed(second, 3) + "]" : "null")
            .Bool("coolnquiet_supported", cnqSupported)
            .Number("coolnquiet_flag", cnqFlag)
            .Bool("ruvel", ruvel)
            .Bool("intel_power_saving", intel);
        std::printf("%s\n", object.Text().c_str());
        return 0;
    }
    std::string valueText;
    for (const auto& value : values)
        valueText += (valueText.empty() ? "" : " ") + value;
    if (mbif.present) {
        std::printf("MBIF version        %u\n", static_cast<unsigned>(mbif.version));
        std::printf("board name          %s\n", mbif.name.c_str());
        std::printf("capability values   %s\n", valueText.empty() ? "(none)" : valueText.c_str());
    } else {
        std::printf("MBIF                not offered by this board\n");
    }
    std::printf("group interface     %s\n", GroupInterface(mbif) ? "yes" : "no");
    if (rangeKnown)
        std::printf("Cool'n'Quiet range  %s - %s V\n", Fixed(first, 3).c_str(), Fixed(second, 3).c_str());
    else
        std::printf("Cool'n'Quiet range  (none)\n");
    std::printf("Cool'n'Quiet        %s, flag %d\n", cnqSupported ? "supported" : "not supported", cnqFlag);
    std::printf("Ruvel               %s\n", ruvel ? "on" : "off");
    std::printf("Intel power saving  %s\n", intel ? "enabled" : "not enabled");
    return 0;
}

int RunFan(const HwLibrary& hw, bool json)
{
    struct Feature {
        const char* key;
        const char* title;
        std::uint32_t itemId;
        int state = 0;
        std::int32_t startTemp = 0;
    };
    Feature features[] = {{"cpu", "processor fan control", OC_ITEM_CPU_KELVANE},
                          {"chassis", "chassis fan control", OC_ITEM_CHASSIS_KELVANE}};
    static const char* const kStates[] = {"unsupported", "off", "on"};
    for (auto& feature : features) {
        if (hw.OCAPI_GetKelvaneInfo != nullptr)
            feature.state = hw.OCAPI_GetKelvaneInfo(feature.itemId);
        if (feature.state < 0 || feature.state > 2)
            feature.state = 0;
        if (hw.OCAPI_GetFanStartTemp != nullptr)
            hw.OCAPI_GetFanStartTemp(&feature.startTemp, feature.itemId);
    }

    // Profile names: as many 30-byte slots as a result can name.
    std::vector<char> presetSlots(128 * OC_OPTION_SLOT_SIZE, 0);
    const std::int32_t presetCount =
        hw.OCAPI_ACPI_OC_PresetList != nullptr ? hw.OCAPI_ACPI_OC_PresetList(presetSlots.data()) : 0;
    std::vector<std::string> presets;
    for (std::int32_t i = 0; i < presetCount && i < 128; ++i) {
        const char* slot = presetSlots.data() + i * OC_OPTION_SLOT_SIZE;
        presets.emplace_back(slot, strnlen(slot, OC_OPTION_SLOT_SIZE));
    }

    const bool group = GroupInterface(ReadMbif(hw));
    auto getData = group ? hw.OCAPI_NKELVANE_GetData : hw.OCAPI_KELVANE_GetData;
    std::vector<SettingItem> items;
    std::int32_t itemCount = 0;
    if (getData != nullptr) {
        getData(nullptr, &itemCount);
        if (itemCount > 0 && itemCount < 4096) {
            items.resize(static_cast<std::size_t>(itemCount));
            getData(items.data(), &itemCount);
        }
    }

    std::vector<std::string> itemJson;
    if (!json) {
        for (const auto& feature : features) {
            std::printf("%-22s %s, start temperature %d C\n", feature.title, kStates[feature.state],
                        static_cast<int>(feature.startTemp));
        }
        std::printf("profiles              ");
        for (std::size_t i = 0; i < presets.size(); ++i)
            std::printf("%s%zu %s", i == 0 ? "" : ", ", i, presets[i].c_str());
        std::printf("%s\n", presets.empty() ? "(none)" : "");
        std::printf("setting items         %s interface, %zu item(s)\n", group ? "group" : "old", items.size());
    }
    for (const auto& item : items) {
        if (item.Id == 0)
            continue;  // a table slot that names no item
        const std::vector<std::string> options =
            group ? OptionTexts(hw.OCAPI_NKELVANE_GetList, item.Id) : OptionTexts(hw.OCAPI_GENERAL_GetList, item.Id);
        const std::string name(item.Name, strnlen(item.Name, sizeof item.Name));
        if (json) {
            std::vector<std::string> optionJson;
            for (const auto& option : options)
                optionJson.push_back(JsonString(option));
            itemJson.push_back(JsonObject()
                                   .String("id", Hex(item.Id))
                                   .String("name", name)
                                   .Number("value", item.Value)
                                   .Number("range_low", item.RangeLow)
                                   .Number("range_high", item.RangeHigh)
                                   .Number("option_count", item.OptionCount)
                                   .Number("extra1", item.Extra1)
                                   .Number("extra2", item.Extra2)
                                   .Raw("options", JsonArray(optionJson))
                                   .Text());
        } else {
            std::printf("  %s  %-30s value %d  options:", Hex(item.Id).c_str(), name.c_str(),
                        static_cast<int>(item.Value));
            for (std::size_t i = 0; i < options.size(); ++i)
                std::printf("%s %s", i == 0 ? "" : ",", options[i].c_str());
            std::printf("\n");
        }
    }
    if (json) {
        std::vector<std::string> featureJson;
        for (const auto& feature : features) {
            featureJson.push_back(JsonObject()
                                      .String("feature", feature.key)
                                      .String("id", Hex(feature.itemId))
                                      .String("state", kStates[feature.state])
                                      .Number("start_temperature", feature.startTemp)
                                      .Text());
        }
        std::vector<std::string> presetJson;
        for (const auto& preset : presets)
            presetJson.push_back(JsonString(preset));
        std::printf("%s\n", JsonObject()
                                .String("interface", group ? "group" : "old")
                                .Raw("features", JsonArray(featureJson))
                                .Raw("presets", JsonArray(presetJson))
                                .Raw("items", JsonArray(itemJson))
                                .Text()
                                .c_str());
    }
    return 0;
}

}  // namespace vantorctl
