// VantorHw.dll: the OCAPI_ exports. Needs Windows for the loader hooks,
// the device handle and the run-time binding of ZyIO.dll; every decision is
// made by the portable core (HwLibrary and friends), this file only wires.
#include <windows.h>

#include <cstring>
#include <new>

#include "VantorHw.h"
#include "ZyIO.h"
#include "core/BoardInfo.h"
#include "core/ExportGuard.h"
#include "core/HwLibrary.h"
#include "core/Sensors.h"
#include "win/DeviceChannel_win.h"

namespace {

using namespace vantor::hw;

// ZyIO.dll, bound at process attach and released at detach.
class ZyioBinding final : public ProcessorRegisters {
public:
    void Load()
    {
        m_module = LoadLibraryA(ZYIO_LIBRARY_NAME);
        if (m_module == nullptr) {
            MessageBoxA(nullptr, "ZyIO.dll Load Failure", "VantorHw", MB_OK | MB_ICONERROR);
            return;
        }
        m_open = Bind<ZyioOpenFn>(ZYIO_OPEN_NAME);
        m_close = Bind<ZyioCloseFn>(ZYIO_CLOSE_NAME);
        m_frequency = Bind<OcGetCurrentCpuFrequencyFn>(OC_GET_CURRENT_CPU_FREQUENCY_NAME);
        m_readMsr = Bind<ZyioReadMsrFn>(ZYIO_READ_MSR_NAME);
        m_getCpuId = Bind<ZyioGetCpuIdFn>(ZYIO_GET_CPU_ID_NAME);
        if (m_open != nullptr)
            m_open(nullptr);
    }

    void Unload()
    {
        if (m_module == nullptr)
            return;
        if (m_close != nullptr)
            m_close();
        FreeLibrary(m_module);
        m_module = nullptr;
    }

    bool Loaded() const { return m_module != nullptr; }

    bool GetCpuId(std::uint32_t leaf, std::uint32_t words[4]) override
    {
        if (m_getCpuId == nullptr)
            return false;
        m_getCpuId(leaf, words);
        return true;
    }

    bool ReadMsr(std::uint32_t msr, std::uint32_t words[2]) override
    {
        if (m_readMsr == nullptr)
            return false;
        m_readMsr(msr, words);
        return true;
    }

    std::int32_t CurrentCpuFrequency() const { return m_frequency != nullptr ? m_frequency() : 0; }

private:
    template <typename Fn>
    Fn Bind(const char* name)
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }

    HMODULE m_module = nullptr;
    ZyioOpenFn m_open = nullptr;
    ZyioCloseFn m_close = nullptr;
    OcGetCurrentCpuFrequencyFn m_frequency = nullptr;
    ZyioReadMsrFn m_readMsr = nullptr;
    ZyioGetCpuIdFn m_getCpuId = nullptr;
};

// Process-wide state. Constructed at process attach; the device channel and
// the library state live until detach.
struct LibraryState {
    IsWow64ProcessFn isWow64Process = nullptr;
    ZyioBinding zyio;
    DeviceChannel channel;
    HwLibrary library{channel, &zyio};
};

alignas(LibraryState) unsigned char g_storage[sizeof(LibraryState)];
LibraryState* g_state = nullptr;

LibraryState& State() { return *g_state; }

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_state = new (g_storage) LibraryState;
        g_state->isWow64Process = FindIsWow64Process();
        g_state->zyio.Load();
        break;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved not null) ZyIO.dll may already be gone
        // and the loader lock is held: call nothing, free nothing; the
        // system takes the memory, the handles and the modules back.
        if (reserved != nullptr)
            break;
        if (g_state != nullptr) {
            g_state->zyio.Unload();
            g_state->~LibraryState();
            g_state = nullptr;
        }
        break;
    default:
        break;
    }
    return TRUE;
}

extern "C" {

// Each export answers as though its device requests had failed when
// something inside throws (ExportGuard.h).
OcBool __cdecl OCAPI_Initialization(void)
{
    return Guarded<OcBool>(0, [] {
        LibraryState& state = State();
        const bool opened = state.channel.Open(RequestLayoutForThisProcess(state.isWow64Process));
        state.library.BuildTables();
        return opened ? 1 : 0;
    });
}

OcBool __cdecl OCAPI_Close(void)
{
    State().channel.Close();
    return 1;
}

OcBool __cdecl OCAPI_GetHealthData(HealthData* data)
{
    return Guarded<OcBool>(1, [&] {
        if (data != nullptr)
            ReadHealthData(State().channel, *data);
        return 1;
    });
}

double __cdecl OCAPI_GetHwSensorData(uint32_t itemId)
{
    return Guarded(0.0, [&] { return ReadSensorValue(State().channel, itemId); });
}

SensorDescriptor* __cdecl OCAPI_HW_EnumerateOption(const char* listMethod, int32_t* count)
{
    // Out of memory, the caller still gets an array it may index: empty.
    static SensorDescriptor noSensors[1] = {};
    int32_t listed = 0;
    SensorDescriptor* sensors = Guarded<SensorDescriptor*>(nullptr, [&] {
        const std::string_view name =
                listMethod != nullptr ? std::string_view(listMethod, strnlen(listMethod, 4)) : std::string_view();
        return State().library.EnumerateOption(name, listed);
    });
    if (sensors == nullptr) {
        sensors = noSensors;
        listed = 0;
    }
    if (count != nullptr)
        *count = listed;
    return sensors;
}

OcBool __cdecl OCAPI_CheckWorkable(uint32_t itemId)
{
    return Guarded<OcBool>(0, [&] { return CheckWorkable(State().channel, itemId) ? 1 : 0; });
}

int32_t __cdecl OCAPI_GetKelvaneInfo(uint32_t itemId)
{
    return Guarded<int32_t>(0, [&] { return State().library.Fan().GetKelvaneInfo(State().channel, itemId); });
}

OcBool __cdecl OCAPI_EnableKelvane(OcBool on, uint32_t itemId)
{
    return Guarded<OcBool>(1, [&] {
        State().library.Fan().EnableKelvane(State().channel, on != 0, itemId);
        return 1;
    });
}

OcBool __cdecl OCAPI_SetKelvaneTarget(int32_t value, uint32_t itemId)
{
    return Guarded<OcBool>(1, [&] {
        State().library.Fan().SetKelvaneTarget(State().channel, value, itemId);
        return 1;
    });
}

OcBool __cdecl OCAPI_HideKelvane(void)
{
    return Guarded<OcBool>(0, [] { return State().library.Fan().HideKelvane(State().channel) ? 1 : 0; });
}

int32_t __cdecl OCAPI_ACPI_OC_PresetList(char* slots)
{
    return Guarded<int32_t>(0, [&] { return State().library.Fan().PresetList(State().channel, slots); });
}

OcBool __cdecl OCAPI_ACPI_OC__MB_GetBoardName(char* name)
{
    return Guarded<OcBool>(0, [&] { return GetBoardName(State().channel, name) ? 1 : 0; });
}

int32_t __cdecl OCAPI_GetCurrentCpuFrequency(void) { return State().zyio.CurrentCpuFrequency(); }

OcBool __cdecl OCAPI_GetCpuVoltRange(float* first, float* second)
{
    return Guarded<OcBool>(0, [&] { return GetCpuVoltRange(State().channel, first, second) ? 1 : 0; });
}

OcBool __cdecl OCAPI_GetFanStartTemp(int32_t* degrees, uint32_t itemId)
{
    return Guarded<OcBool>(
            0, [&] { return State().library.Fan().GetFanStartTemp(State().channel, degrees, itemId) ? 1 : 0; });
}

int32_t __cdecl OCAPI_GENERAL_GetList(uint32_t itemId, OptionList* list, int32_t bytes)
{
    return Guarded<int32_t>(1,
                            [&] { return State().library.Fan().GeneralGetList(State().channel, itemId, list, bytes); });
}

int32_t __cdecl OCAPI_KELVANE_GetData(SettingItem* items, int32_t* count)
{
    return Guarded<int32_t>(0, [&] { return State().library.Fan().KelvaneGetData(State().channel, items, count); });
}

int32_t __cdecl OCAPI_KELVANE_SetData(const SettingItem* items, int32_t count)
{
    return Guarded<int32_t>(0, [&] { return State().library.Fan().KelvaneSetData(State().channel, items, count); });
}

int32_t __cdecl OCAPI_NKELVANE_GetData(SettingItem* items, int32_t* count)
{
    return Guarded<int32_t>(0, [&] { return State().library.Groups().GetData(State().channel, items, count); });
}

int32_t __cdecl OCAPI_NKELVANE_SetData(const SettingItem* items, int32_t count, uint32_t control)
{
    return Guarded<int32_t>(0,
                            [&] { return State().library.Groups().SetData(State().channel, items, count, control); });
}

int32_t __cdecl OCAPI_NKELVANE_GetList(uint32_t itemId, OptionList* list, int32_t bytes)
{
    return Guarded<int32_t>(0, [&] { return State().library.Groups().GetList(State().channel, itemId, list, bytes); });
}

int32_t __cdecl OCAPI_GetMBIF(uint32_t* version, char* name, uint32_t* values, int32_t* count)
{
    return Guarded<int32_t>(1, [&] { return GetMbif(State().channel, version, name, values, count); });
}

OcBool __cdecl OCAPI_CheckRuvel(void)
{
    return Guarded<OcBool>(0, [] { return CheckRuvel(State().channel) ? 1 : 0; });
}

OcBool __cdecl OCAPI_CheckIntelPowerSaving(void)
{
    return Guarded<OcBool>(0, [] {
        LibraryState& state = State();
        return CheckIntelPowerSaving(state.zyio.Loaded() ? &state.zyio : nullptr) ? 1 : 0;
    });
}

}  // extern "C"
