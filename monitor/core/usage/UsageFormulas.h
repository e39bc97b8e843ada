// How busy the computer is: processor loads, physical memory and local disk
// space, computed from the raw figures the system and the processor-load
// library report. Pure arithmetic; the system calls live behind UsageSampling.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantor::monitor {

// The processor-load library fills at most this many entries per update: up to
// four processor loads and one trailing entry that is not used.
inline constexpr std::size_t kCpuEntryCapacity = 5;
inline constexpr unsigned kMaxProcessors = 4;

struct CpuSample {
    unsigned count = 0;                           // processors sampled, 1 to 4
    std::array<unsigned, kMaxProcessors> load{};  // whole percent, 0 to 100
    unsigned average = 0;                         // sum of loads / count, integer division
};

// One processor's load in whole percent: truncated toward zero, negative (and
// not-a-number) values become 0, values above 100 become 100.
unsigned LoadPercent(float reported);

// A sample from one library update: `entries` as filled, `reportedCount` the
// entry count the library returned (processors + 1). Nothing when fewer than
// two entries were reported. Machines reporting more than four processors are
// sampled on their first four, and the average is taken over those four.
std::optional<CpuSample> CpuSampleFromEntries(std::span<const float> entries, std::uint32_t reportedCount);

struct MemorySample {
    std::uint64_t totalBytes = 0;
    std::uint64_t totalMB = 0;
    std::uint64_t availableBytes = 0;
    std::uint64_t availableMB = 0;
    std::uint64_t usedBytes = 0;
    std::uint64_t usedMB = 0;
    unsigned usedPercent = 0;
};

// Memory figures from the physical total and available byte counts. MB values
// are the byte counts shifted right by 20; the used percent is computed on
// kilobytes (shifted right by 10) in floating point and truncated. An
// available count above the total is taken as the total (nothing used); a
// total below one kilobyte gives a used percent of 0.
MemorySample MemoryFigures(std::uint64_t totalBytes, std::uint64_t availableBytes);

struct DriveSample {
    std::uint64_t totalBytes = 0;
    std::uint64_t totalMB = 0;
    std::uint64_t freeBytes = 0;
    std::uint64_t freeMB = 0;
    std::uint64_t usedBytes = 0;
    std::uint64_t usedMB = 0;
    unsigned freePercent = 0;
    std::string fileSystem;  // up to 15 characters, empty when unknown
};

// Drive figures from the volume size and its free bytes (all free space).
// MB values are bytes / 1048576 truncated; the free percent is free MB x 100
// / total MB in floating point, truncated. Nothing when the volume is smaller
// than one MB (no percent can be computed) or reports more free than total.
std::optional<DriveSample> DriveFigures(std::uint64_t totalBytes, std::uint64_t freeBytes);

// Drive names "A:" to "Z:" whose bit is set in `logicalDriveMask` (bit i for
// letter 'A' + i) and that `isFixed` accepts, in letter order.
std::vector<std::string> FixedDriveNames(std::uint32_t logicalDriveMask,
                                         const std::function<bool(const std::string&)>& isFixed);

// A count with "," between thousands groups up to the billions group; no
// separator above it: 1234567890123 gives "1234,567,890,123".
std::string FormatThousands(std::uint64_t count);

}  // namespace vantor::monitor
