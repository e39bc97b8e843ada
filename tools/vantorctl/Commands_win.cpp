// The read commands of vantorctl: sensors and board. Everything goes
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

}  // namespace vantorctl
