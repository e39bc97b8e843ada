#include "sim/SimulatedLibrary.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "core/BoardInfo.h"
#include "core/HwLibrary.h"
#include "core/Sensors.h"
#include "sim/BoardSimChannel.h"

namespace vantor::hw::sim {
namespace {

struct Library {
    BoardSimChannel channel;
    HwLibrary library{channel, nullptr};
};

std::unique_ptr<Library>& Instance()
{
    static std::unique_ptr<Library> instance;
    return instance;
}

// Every export is called through a pointer the caller looked up after
// opening; a call without an open library is a test's own mistake.
Library& State() { return *Instance(); }

void Log(const char* format, auto... arguments)
{
    char line[128];
    std::snprintf(line, sizeof line, format, arguments...);
    SimulatedCallLog().emplace_back(line);
}

double GetHwSensorData(uint32_t itemId) { return ReadSensorValue(State().channel, itemId); }
OcBool CheckWorkableExport(uint32_t itemId) { return CheckWorkable(State().channel, itemId) ? 1 : 0; }

int32_t GetKelvaneInfo(uint32_t itemId) { return State().library.Fan().GetKelvaneInfo(State().channel, itemId); }

OcBool EnableKelvane(OcBool on, uint32_t itemId)
{
    Log("OCAPI_EnableKelvane(%d, 0x%08X)", on, itemId);
    State().library.Fan().EnableKelvane(State().channel, on != 0, itemId);
    return 1;
}

OcBool SetKelvaneTarget(int32_t value, uint32_t itemId)
{
    Log("OCAPI_SetKelvaneTarget(%d, 0x%08X)", value, itemId);
    State().library.Fan().SetKelvaneTarget(State().channel, value, itemId);
    return 1;
}

int32_t PresetList(char* slots) { return State().library.Fan().PresetList(State().channel, slots); }

int32_t GeneralGetList(uint32_t itemId, OptionList* list, int32_t bytes)
{
    return State().library.Fan().GeneralGetList(State().channel, itemId, list, bytes);
}

int32_t KelvaneGetData(SettingItem* items, int32_t* count)
{
    return State().library.Fan().KelvaneGetData(State().channel, items, count);
}

int32_t KelvaneSetData(const SettingItem* items, int32_t count)
{
    Log("OCAPI_KELVANE_SetData(%d)", count);
    return State().library.Fan().KelvaneSetData(State().channel, items, count);
}

int32_t GroupGetData(SettingItem* items, int32_t* count)
{
    return State().library.Groups().GetData(State().channel, items, count);
}

int32_t GroupSetData(const SettingItem* items, int32_t count, uint32_t control)
{
    const int32_t answer = State().library.Groups().SetData(State().channel, items, count, control);
    Log("OCAPI_NKELVANE_SetData(%d, 0x%X) = %d", count, control, answer);
    return answer;
}

int32_t GroupGetList(uint32_t itemId, OptionList* list, int32_t bytes)
{
    return State().library.Groups().GetList(State().channel, itemId, list, bytes);
}

int32_t GetMbifExport(uint32_t* version, char* name, uint32_t* values, int32_t* count)
{
    return GetMbif(State().channel, version, name, values, count);
}

OcBool CheckRuvelExport() { return CheckRuvel(State().channel) ? 1 : 0; }

OcBool GetFanStartTemp(int32_t* degrees, uint32_t itemId)
{
    return State().library.Fan().GetFanStartTemp(State().channel, degrees, itemId) ? 1 : 0;
}

OcBool GetCpuVoltRangeExport(float* first, float* second)
{
    return GetCpuVoltRange(State().channel, first, second) ? 1 : 0;
}

OcBool HideKelvane() { return State().library.Fan().HideKelvane(State().channel) ? 1 : 0; }

struct NamedExport {
    const char* name;
    RawExport function;
};

template <typename Fn>
RawExport Raw(Fn function)
{
    return reinterpret_cast<RawExport>(function);
}

const NamedExport kExports[] = {
        {"OCAPI_GetHwSensorData", Raw(&GetHwSensorData)},   {"OCAPI_CheckWorkable", Raw(&CheckWorkableExport)},
        {"OCAPI_GetKelvaneInfo", Raw(&GetKelvaneInfo)},     {"OCAPI_EnableKelvane", Raw(&EnableKelvane)},
        {"OCAPI_SetKelvaneTarget", Raw(&SetKelvaneTarget)}, {"OCAPI_HideKelvane", Raw(&HideKelvane)},
        {"OCAPI_ACPI_OC_PresetList", Raw(&PresetList)},     {"OCAPI_GetCpuVoltRange", Raw(&GetCpuVoltRangeExport)},
        {"OCAPI_GetFanStartTemp", Raw(&GetFanStartTemp)},   {"OCAPI_GENERAL_GetList", Raw(&GeneralGetList)},
        {"OCAPI_KELVANE_GetData", Raw(&KelvaneGetData)},    {"OCAPI_KELVANE_SetData", Raw(&KelvaneSetData)},
        {"OCAPI_NKELVANE_GetData", Raw(&GroupGetData)},     {"OCAPI_NKELVANE_SetData", Raw(&GroupSetData)},
        {"OCAPI_NKELVANE_GetList", Raw(&GroupGetList)},     {"OCAPI_GetMBIF", Raw(&GetMbifExport)},
        {"OCAPI_CheckRuvel", Raw(&CheckRuvelExport)},
};

}  // namespace

bool OpenSimulatedLibrary(std::string_view boardText)
{
    auto library = std::make_unique<Library>();
    if (!library->channel.Load(boardText))
        return false;
    library->library.BuildTables();
    Instance() = std::move(library);
    SimulatedCallLog().clear();
    return true;
}

void CloseSimulatedLibrary() { Instance().reset(); }

BsBoard* SimulatedBoard() { return Instance() ? Instance()->channel.Board() : nullptr; }

RawExport FindSimulatedExport(const char* name)
{
    for (const NamedExport& entry : kExports) {
        if (std::strcmp(entry.name, name) == 0)
            return entry.function;
    }
    return nullptr;
}

std::vector<std::string>& SimulatedCallLog()
{
    static std::vector<std::string> log;
    return log;
}

}  // namespace vantor::hw::sim
