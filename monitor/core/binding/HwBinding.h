// The monitor's binding of VantorHw.dll: loads the library from the program
// folder, binds its exports by name, initialises it, enumerates the board's
// sensors once and keeps their current values fresh from a reading thread.
// The rest of the program reads descriptors and values from here and calls
// the bound exports through Exports(); a null export is absent and skipped.
//
// Threads: everything here runs on the window thread except ReadSensor,
// which the reading thread calls too. Value slots are written whole by the
// reading thread and read by the windows without locks; each slot is an
// atomic float (lock-free, relaxed), which compiles to a plain aligned move.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "VantorHw.h"
#include "binding/HwExports.h"
#include "binding/HwPlatform.h"
#include "binding/ReadingLoop.h"

namespace vantor::monitor {

inline constexpr std::string_view kHwLibraryName = "VantorHw.dll";
inline constexpr std::string_view kHwLoadFailureMessage = "VantorHw.dll Loaded Failure";
inline constexpr std::string_view kPowerLibraryName = "PowerDll.dll";
inline constexpr std::uint32_t kSuspendSettleMs = 10000;

using IsThrottleAcFn = std::int32_t(__cdecl*)();
using DebugSink = std::function<void(std::string_view)>;

// The descriptors of one sensor kind, as the library listed them, and one
// value slot per descriptor (volts, degrees Celsius or rpm).
class SensorList {
public:
    void Assign(const SensorDescriptor* descriptors, std::int32_t count);
    void Clear();

    std::span<const SensorDescriptor> Descriptors() const { return {m_descriptors, m_count}; }
    std::span<std::atomic<float>> Values() { return {m_values.get(), m_count}; }
    std::span<const std::atomic<float>> Values() const { return {m_values.get(), m_count}; }
    std::size_t Count() const { return m_count; }

private:
    const SensorDescriptor* m_descriptors = nullptr;  // owned by the library
    std::size_t m_count = 0;
    std::unique_ptr<std::atomic<float>[]> m_values;
};

class HwBinding {
public:
    HwBinding(HwPlatform& platform, DebugSink debug);
    ~HwBinding();
    HwBinding(const HwBinding&) = delete;
    HwBinding& operator=(const HwBinding&) = delete;

    // Load, bind, initialise, enumerate, read once, start the reading
    // thread. False when the library does not load (after the information
    // box) or lacks OCAPI_Initialization; the program then runs without
    // sensors. Call once.
    bool Start();

    // Stops the reading thread, then closes and unloads the libraries and
    // drops the value arrays. The thread goes first: no pass may run after
    // OCAPI_Close or touch a freed slot.
    void Stop();

    // Every read of a sensor goes through here. The first read after a
    // suspend announcement waits ten seconds for the firmware to settle,
    // with the hardware-busy flag set; Stop cuts the wait short, and the
    // read then answers 0 without calling the library. 0 while the export
    // is absent.
    float ReadSensor(std::uint32_t itemId);

    // One reading pass: voltages, then temperatures, then fans.
    void ReadAll();

    void SetReadingInterval(std::int64_t milliseconds);
    std::uint32_t ReadingInterval() const { return m_interval.load(std::memory_order_relaxed); }

    // Whether the processor's Cool'n'Quiet power saving is really active.
    bool CoolnQuietActive();

    // The system announced a suspend (PBT_APMSUSPEND).
    void NoteSuspend();
    // From a suspend announcement until the last settle wait has ended: a
    // second announcement during a wait keeps it set for the wait it brings.
    bool HardwareBusy() const { return m_suspendSeen.load() || m_settleWaits.load() > 0; }

    const HwExports& Exports() const { return m_exports; }
    bool HasIsThrottleAc() const { return m_isThrottleAc != nullptr; }
    bool ReadingThreadRunning() const { return m_thread != nullptr; }

    SensorList& Voltages() { return m_voltages; }
    SensorList& Temperatures() { return m_temperatures; }
    SensorList& Fans() { return m_fans; }
    const SensorList& Voltages() const { return m_voltages; }
    const SensorList& Temperatures() const { return m_temperatures; }
    const SensorList& Fans() const { return m_fans; }

private:
    void Log(std::string_view text) const;
    void Enumerate(const char* listMethod, SensorList& list);
    void ReadInto(SensorList& list);
    // The ten-second settle wait; false when Stop ended it.
    bool SettleWait();

    HwPlatform& m_platform;
    DebugSink m_debug;
    void* m_library = nullptr;
    void* m_powerLibrary = nullptr;
    HwExports m_exports;
    IsThrottleAcFn m_isThrottleAc = nullptr;
    SensorList m_voltages;
    SensorList m_temperatures;
    SensorList m_fans;
    std::atomic<std::uint32_t> m_interval{kInitialReadingInterval};
    std::atomic<bool> m_suspendSeen{false};
    std::atomic<int> m_settleWaits{0};   // settle waits under way, in any thread
    std::unique_ptr<StopSignal> m_stop;  // set by Stop; null when none could be made
    std::unique_ptr<ReadingThread> m_thread;
};

}  // namespace vantor::monitor
