// cpuutil.dll: per-processor load for the monitor's usage window. Windows is
// needed for the processor time counters, which ntdll's
// NtQuerySystemInformation(SystemProcessorPerformanceInformation) reports
// (resolved at run time: the import library does not declare it).
//
//   int32_t cuInit(int32_t* n)
//       Takes the first snapshot; *n = load entries + 1 (see LoadMeter.h:
//       the processors, folded into four beyond four). Non-zero on success;
//       0 with *n = 0 when the counters cannot be read, 0 for a null n.
//   int32_t cuUpdate(float* entries, uint32_t* count)
//       Non-zero when it filled entries[0 .. *count-1]: the loads since the
//       previous call (or cuInit) in percent, then the whole-machine
//       average. Writes at most five floats. 0 when either pointer is null,
//       the counters cannot be read, or no earlier snapshot exists (the
//       call then takes one, so the next call answers).
//
// Calls may come from any thread; one lock guards the snapshot.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "LoadMeter.h"
#include "cpuutil.h"

namespace {

using vantor::cpuutil::kEntryCapacity;
using vantor::cpuutil::LoadMeter;
using vantor::cpuutil::ProcessorTimes;

// The record of SystemProcessorPerformanceInformation (class 8); the same
// 48-byte layout on x86 and x64.
struct ProcessorPerformanceRecord {
    LARGE_INTEGER IdleTime;
    LARGE_INTEGER KernelTime;
    LARGE_INTEGER UserTime;
    LARGE_INTEGER Reserved1[2];
    ULONG Reserved2;
};
static_assert(sizeof(ProcessorPerformanceRecord) == 48);

constexpr ULONG kSystemProcessorPerformanceInformation = 8;
// One processor group holds at most 64 processors; the call reports those
// of the caller's group.
constexpr std::size_t kMaxProcessors = 64;

using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

SRWLOCK g_lock = SRWLOCK_INIT;
LoadMeter g_meter;

class LockGuard {
public:
    LockGuard() { AcquireSRWLockExclusive(&g_lock); }
    ~LockGuard() { ReleaseSRWLockExclusive(&g_lock); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;
};

NtQuerySystemInformationFn QueryFunction()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll == nullptr)
        return nullptr;
    return reinterpret_cast<NtQuerySystemInformationFn>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
}

std::uint64_t Ticks(const LARGE_INTEGER& value)
{
    return value.QuadPart < 0 ? 0 : static_cast<std::uint64_t>(value.QuadPart);
}

// The counters of every processor now; an empty span when they cannot be read.
std::span<const ProcessorTimes> Snapshot(std::array<ProcessorTimes, kMaxProcessors>& times)
{
    static const NtQuerySystemInformationFn query = QueryFunction();
    if (query == nullptr)
        return {};
    std::array<ProcessorPerformanceRecord, kMaxProcessors> records{};
    ULONG returned = 0;
    if (query(kSystemProcessorPerformanceInformation, records.data(), static_cast<ULONG>(sizeof records), &returned) <
        0)
        return {};
    const std::size_t count = std::min<std::size_t>(returned / sizeof(ProcessorPerformanceRecord), kMaxProcessors);
    for (std::size_t i = 0; i < count; ++i)
        times[i] = {Ticks(records[i].IdleTime), Ticks(records[i].KernelTime), Ticks(records[i].UserTime)};
    return {times.data(), count};
}

}  // namespace

extern "C" std::int32_t __cdecl cuInit(std::int32_t* n)
{
    if (n == nullptr)
        return 0;
    LockGuard lock;
    std::array<ProcessorTimes, kMaxProcessors> times;
    const std::uint32_t entries = g_meter.Start(Snapshot(times));
    *n = static_cast<std::int32_t>(entries);
    return entries != 0 ? 1 : 0;
}

extern "C" std::int32_t __cdecl cuUpdate(float* entries, std::uint32_t* count)
{
    if (entries == nullptr || count == nullptr)
        return 0;
    LockGuard lock;
    std::array<ProcessorTimes, kMaxProcessors> times;
    const std::uint32_t filled =
            g_meter.Update(Snapshot(times), std::span<float, kEntryCapacity>(entries, kEntryCapacity));
    if (filled == 0)
        return 0;
    *count = filled;
    return 1;
}
