#include "LoadMeter.h"

#include <algorithm>

namespace vantor::cpuutil {

float BusyPercent(const ProcessorTimes& before, const ProcessorTimes& after, float previous)
{
    if (after.idle < before.idle || after.kernel < before.kernel || after.user < before.user)
        return previous;
    const std::uint64_t total = (after.kernel - before.kernel) + (after.user - before.user);
    if (total == 0)
        return previous;
    const std::uint64_t idle = std::min(after.idle - before.idle, total);
    return static_cast<float>(static_cast<double>(total - idle) * 100.0 / static_cast<double>(total));
}

std::size_t LoadEntryCount(std::size_t processors) { return std::min(processors, kMaxLoadEntries); }

std::uint32_t LoadMeter::Start(std::span<const ProcessorTimes> now)
{
    m_previous.assign(now.begin(), now.end());
    m_loads.assign(now.size(), 0.0F);
    return now.empty() ? 0 : static_cast<std::uint32_t>(LoadEntryCount(now.size()) + 1);
}

std::uint32_t LoadMeter::Update(std::span<const ProcessorTimes> now, std::span<float, kEntryCapacity> entries)
{
    if (now.empty() || now.size() != m_previous.size()) {
        Start(now);
        return 0;
    }
    const std::size_t processors = now.size();
    double sum = 0.0;
    for (std::size_t i = 0; i < processors; ++i) {
        m_loads[i] = BusyPercent(m_previous[i], now[i], m_loads[i]);
        sum += m_loads[i];
    }
    m_previous.assign(now.begin(), now.end());

    const std::size_t groups = LoadEntryCount(processors);
    for (std::size_t j = 0; j < groups; ++j) {
        const std::size_t first = j * processors / groups;
        const std::size_t end = (j + 1) * processors / groups;
        double groupSum = 0.0;
        for (std::size_t i = first; i < end; ++i)
            groupSum += m_loads[i];
        entries[j] = static_cast<float>(groupSum / static_cast<double>(end - first));
    }
    entries[groups] = static_cast<float>(sum / static_cast<double>(processors));
    return static_cast<std::uint32_t>(groups + 1);
}

}  // namespace vantor::cpuutil
