// Processor load from two snapshots of the system's per-processor time
// counters, and the five-entry report cuUpdate hands its caller. Portable:
// the counters are read by cpuutil_win.cpp.
//
// A caller's array holds five floats: up to four load entries and a trailing
// whole-machine average (the monitor does not use the average; it is there
// for callers that want one figure). A machine with more than four
// processors is folded into four entries: entry j is the mean load of a
// contiguous run of processors (j*p/4 up to (j+1)*p/4). Folding keeps the
// whole machine visible: a busy thread on processor 6 of 8 still shows,
// where reporting only the first four would call that machine idle.
// Contiguous runs keep the hyper-threads of one core together, as Windows
// numbers them side by side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantor::cpuutil {

inline constexpr std::size_t kEntryCapacity = 5;
inline constexpr std::size_t kMaxLoadEntries = kEntryCapacity - 1;

// One processor's counters in 100-ns units, as Windows reports them: kernel
// time includes idle time.
struct ProcessorTimes {
    std::uint64_t idle = 0;
    std::uint64_t kernel = 0;
    std::uint64_t user = 0;
};

// Busy share of the time between two snapshots in percent, 0 to 100: busy
// = kernel + user - idle over kernel + user. When no time has passed (the
// counters tick every 10-16 ms, so two quick calls often see no change) or a
// counter went backwards, there is nothing to measure: `previous` is kept.
float BusyPercent(const ProcessorTimes& before, const ProcessorTimes& after, float previous);

// Load entries reported for `processors` processors: one per processor up
// to four, four beyond that.
std::size_t LoadEntryCount(std::size_t processors);

// Keeps the previous snapshot and the last loads between updates.
class LoadMeter {
public:
    // Takes the first snapshot. Returns the entry count cuInit reports, load
    // entries + 1 (the average); 0 for an empty snapshot.
    std::uint32_t Start(std::span<const ProcessorTimes> now);

    // Loads since the previous snapshot into `entries`: the load entries,
    // then the average of all processors. Returns the entry count written.
    // Returns 0 and writes nothing when there is no previous snapshot with
    // the same number of processors; `now` then becomes the first snapshot.
    std::uint32_t Update(std::span<const ProcessorTimes> now, std::span<float, kEntryCapacity> entries);

private:
    std::vector<ProcessorTimes> m_previous;
    std::vector<float> m_loads;  // per processor, kept when a delta is empty
};

}  // namespace vantor::cpuutil
