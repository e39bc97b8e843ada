#include "binding/HwBinding.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>

#include "config/NumberConversion.h"

namespace vantor::monitor {
namespace {

// Services whose presence shows an installed AMD power driver.
constexpr std::array<const char*, 3> kAmdDriverKeys = {
        "SYSTEM\\CurrentControlSet\\Services\\AmdK8",
        "SYSTEM\\CurrentControlSet\\Services\\AMDMSRIO",
        "SYSTEM\\CurrentControlSet\\Services\\gemwdm",
};

// The debug-log lines below ("Emunerate_hw OK..", "nQoolNQuietFlag: %d.",
// "bADMDriverInstalled: %d." and the others) stay letter for letter, spelling
// included: whoever reads DebugMsg.log searches for these texts.
template <typename... Args>
std::string Format(const char* format, Args... args)
{
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), format, args...);
    return text.data();
}

}  // namespace

void SensorList::Assign(const SensorDescriptor* descriptors, std::int32_t count)
{
    // A null list or a negative count from the library reads as no sensors.
    if (descriptors == nullptr || count <= 0) {
        Clear();
        return;
    }
    m_descriptors = descriptors;
    m_count = static_cast<std::size_t>(count);
    m_values = std::make_unique<std::atomic<float>[]>(m_count);
    for (std::size_t i = 0; i < m_count; ++i)
        m_values[i].store(0.0f, std::memory_order_relaxed);
}

void SensorList::Clear()
{
    m_descriptors = nullptr;
    m_count = 0;
    m_values.reset();
}

HwBinding::HwBinding(HwPlatform& platform, DebugSink debug)
    : m_platform(platform), m_debug(std::move(debug)), m_stop(platform.MakeStopSignal())
{}

HwBinding::~HwBinding() { Stop(); }

void HwBinding::Log(std::string_view text) const
{
    if (m_debug)
        m_debug(text);
}

bool HwBinding::Start()
{
    if (m_library != nullptr)
        return false;

    const std::string folder = m_platform.ProgramFolder();
    m_library = m_platform.OpenLibrary(folder + std::string(kHwLibraryName));
    if (m_library == nullptr) {
        m_platform.ShowInformation(kHwLoadFailureMessage);
        return false;
    }
    m_exports = BindExports([this](const char* name) { return m_platform.FindExport(m_library, name); });

    Log("before pOCAPI_Initialization");
    if (m_exports.OCAPI_Initialization == nullptr)
        return false;
    m_exports.OCAPI_Initialization();  // without a device every later read answers 0
    Log("after pOCAPI_Initialization");

    Enumerate("VSIF", m_voltages);
    Enumerate("TSIF", m_temperatures);
    Enumerate("FSIF", m_fans);
    ReadAll();
    Log("Emunerate_hw OK..");

    m_powerLibrary = m_platform.OpenLibrary(folder + std::string(kPowerLibraryName));
    if (m_powerLibrary != nullptr)
        m_isThrottleAc = reinterpret_cast<IsThrottleAcFn>(m_platform.FindExport(m_powerLibrary, "IsThrottleAc"));
    Log("InitialACPI OK..");

    m_thread = m_platform.StartReadingThread(m_interval, [this] { ReadAll(); });
    return true;
}

void HwBinding::Stop()
{
    // A settle wait under way would hold the thread (or the program's exit)
    // for up to ten seconds; then the thread, which calls into the library
    // and writes the value slots.
    if (m_stop)
        m_stop->Set();
    if (m_thread) {
        m_thread->Stop();
        m_thread.reset();
    }
    if (m_library != nullptr) {
        if (m_exports.OCAPI_Close != nullptr)
            m_exports.OCAPI_Close();
        m_exports = HwExports{};
        m_platform.CloseLibrary(m_library);
        m_library = nullptr;
    }
    if (m_powerLibrary != nullptr) {
        m_isThrottleAc = nullptr;
        m_platform.CloseLibrary(m_powerLibrary);
        m_powerLibrary = nullptr;
    }
    // The descriptors belong to the unloaded library; only the slots are ours.
    m_voltages.Clear();
    m_temperatures.Clear();
    m_fans.Clear();
}

void HwBinding::Enumerate(const char* listMethod, SensorList& list)
{
    std::int32_t count = 0;
    const SensorDescriptor* descriptors = m_exports.OCAPI_HW_EnumerateOption != nullptr
                                                  ? m_exports.OCAPI_HW_EnumerateOption(listMethod, &count)
                                                  : nullptr;
    list.Assign(descriptors, count);
}

float HwBinding::ReadSensor(std::uint32_t itemId)
{
    if (m_suspendSeen.load()) {
        // Counted before the announcement is taken, so the busy flag never
        // drops in between; exchange: of two threads reading at once, only
        // one takes the wait.
        m_settleWaits.fetch_add(1);
        const bool settled = !m_suspendSeen.exchange(false) || SettleWait();
        m_settleWaits.fetch_sub(1);
        if (!settled)
            return 0.0f;  // stopping: the library is about to close
    }
    if (m_exports.OCAPI_GetHwSensorData == nullptr)
        return 0.0f;
    return static_cast<float>(m_exports.OCAPI_GetHwSensorData(itemId));
}

bool HwBinding::SettleWait()
{
    if (m_stop)
        return m_stop->Wait(kSuspendSettleMs);
    m_platform.SleepMs(kSuspendSettleMs);
    return true;
}

void HwBinding::ReadInto(SensorList& list)
{
    const auto descriptors = list.Descriptors();
    const auto values = list.Values();
    for (std::size_t i = 0; i < descriptors.size(); ++i)
        values[i].store(ReadSensor(descriptors[i].Id), std::memory_order_relaxed);
}

void HwBinding::ReadAll()
{
    ReadInto(m_voltages);
    ReadInto(m_temperatures);
    ReadInto(m_fans);
}

void HwBinding::SetReadingInterval(std::int64_t milliseconds)
{
    m_interval.store(ClampReadingInterval(milliseconds), std::memory_order_relaxed);
}

void HwBinding::NoteSuspend() { m_suspendSeen.store(true); }

bool HwBinding::CoolnQuietActive()
{
    Log("Check Cool and Quiet.");
    if (m_exports.OCAPI_CheckWorkable == nullptr || !m_exports.OCAPI_CheckWorkable(ACPI_OCINFO_COOLNQUIET_FLAG))
        return false;
    Log("ACPI_OCINFO_COOLNQUIET_FLAG OK.");

    const std::int32_t flag = m_exports.OCAPI_GetHwSensorData != nullptr
                                      ? TruncateToInt(m_exports.OCAPI_GetHwSensorData(ACPI_OCINFO_COOLNQUIET_FLAG))
                                      : 0;
    Log(Format("nQoolNQuietFlag: %d.", static_cast<int>(flag)));

    bool installed = false;
    for (const char* key : kAmdDriverKeys) {
        if (m_platform.MachineKeyOpens(key)) {
            installed = true;
            break;
        }
    }
    Log(Format("bADMDriverInstalled: %d.", installed ? 1 : 0));
    if (flag == 0 || !installed)
        return false;
    Log("nQoolNQuietFlag && bADMDriverInstalled OK.");

    const OsVersion version = m_platform.GetOsVersion();
    Log(Format("Major: %d, Minor: %d.", static_cast<int>(version.Major), static_cast<int>(version.Minor)));
    if (version.Major == 5 && version.Minor == 0) {
        Log("Windows 2000.");
        return true;
    }
    if (m_isThrottleAc == nullptr)
        return true;
    return m_isThrottleAc() != 0;
}

}  // namespace vantor::monitor
