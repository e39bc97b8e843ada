#include "usage/UsageFormulas.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace vantor::monitor {

unsigned LoadPercent(float reported)
{
    if (!(reported > 0.0F))  // also not-a-number
        return 0;
    if (reported >= 100.0F)
        return 100;
    return static_cast<unsigned>(reported);
}

std::optional<CpuSample> CpuSampleFromEntries(std::span<const float> entries, std::uint32_t reportedCount)
{
    if (reportedCount < 2)
        return std::nullopt;
    const std::size_t processors = std::min<std::size_t>(
            {static_cast<std::size_t>(reportedCount) - 1, std::size_t{kMaxProcessors}, entries.size()});
    if (processors == 0)
        return std::nullopt;
    CpuSample sample;
    sample.count = static_cast<unsigned>(processors);
    unsigned sum = 0;
    for (std::size_t i = 0; i < processors; ++i) {
        sample.load[i] = LoadPercent(entries[i]);
        sum += sample.load[i];
    }
    sample.average = sum / sample.count;
    return sample;
}

MemorySample MemoryFigures(std::uint64_t totalBytes, std::uint64_t availableBytes)
{
    const std::uint64_t available = std::min(availableBytes, totalBytes);
    MemorySample sample;
    sample.totalBytes = totalBytes;
    sample.totalMB = totalBytes >> 20;
    sample.availableBytes = available;
    sample.availableMB = available >> 20;
    sample.usedBytes = totalBytes - available;
    sample.usedMB = sample.usedBytes >> 20;
    const std::uint64_t totalKB = totalBytes >> 10;
    if (totalKB != 0) {
        const double usedKB = static_cast<double>(totalKB - (available >> 10));
        sample.usedPercent = static_cast<unsigned>(usedKB * 100.0 / static_cast<double>(totalKB));
    }
    return sample;
}

std::optional<DriveSample> DriveFigures(std::uint64_t totalBytes, std::uint64_t freeBytes)
{
    constexpr std::uint64_t kMB = 1048576;
    if (freeBytes > totalBytes || totalBytes / kMB == 0)
        return std::nullopt;
    DriveSample sample;
    sample.totalBytes = totalBytes;
    sample.totalMB = totalBytes / kMB;
    sample.freeBytes = freeBytes;
    sample.freeMB = freeBytes / kMB;
    sample.usedBytes = totalBytes - freeBytes;
    sample.usedMB = sample.usedBytes / 1024 / 1024;
    sample.freePercent =
            static_cast<unsigned>(static_cast<double>(sample.freeMB) * 100.0 / static_cast<double>(sample.totalMB));
    return sample;
}

std::vector<std::string> FixedDriveNames(std::uint32_t logicalDriveMask,
                                         const std::function<bool(const std::string&)>& isFixed)
{
    std::vector<std::string> names;
    for (unsigned i = 0; i < 26; ++i) {
        if ((logicalDriveMask & (std::uint32_t{1} << i)) == 0)
            continue;
        std::string name{static_cast<char>('A' + i), ':'};
        if (isFixed(name))
            names.push_back(std::move(name));
    }
    return names;
}

namespace {

std::string ThreeDigits(std::uint64_t value)
{
    char text[8] = {};
    std::snprintf(text, sizeof text, "%03u", static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string FormatThousands(std::uint64_t count)
{
    const std::uint64_t billions = count / 1000000000;
    const std::uint64_t groups[] = {(count % 1000000000) / 1000000, (count % 1000000) / 1000};
    const std::uint64_t units = count % 1000;
    std::string text;
    if (billions != 0)
        text = std::to_string(billions) + ",";
    for (const std::uint64_t group : groups) {
        if (!text.empty())
            text += ThreeDigits(group) + ",";
        else if (group != 0)
            text = std::to_string(group) + ",";
    }
    if (!text.empty())
        text += ThreeDigits(units);
    else
        text = std::to_string(units);
    return text;
}

}  // namespace vantor::monitor
