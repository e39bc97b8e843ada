// Scripted hardware answers for the configuration tests.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "config/ConfigHardware.h"

namespace vantor::monitor::test {

class FakeConfigHardware final : public ConfigHardware {
public:
    // Readings per item: queued values are used first, then the steady value.
    std::map<std::uint32_t, std::deque<float>> queuedReadings;
    std::map<std::uint32_t, float> steadyReadings;
    bool intelPowerSaving = false;
    bool coolnQuiet = false;
    bool cpuVoltRangeKnown = false;
    std::map<std::uint32_t, std::int32_t> kelvaneInfo;

    std::vector<std::uint32_t> reads;
    std::vector<std::uint32_t> sleeps;

    float ReadSensor(std::uint32_t itemId) override
    {
        reads.push_back(itemId);
        auto queued = queuedReadings.find(itemId);
        if (queued != queuedReadings.end() && !queued->second.empty()) {
            const float value = queued->second.front();
            queued->second.pop_front();
            return value;
        }
        const auto steady = steadyReadings.find(itemId);
        return steady == steadyReadings.end() ? 0.0f : steady->second;
    }
    bool CheckIntelPowerSaving() override { return intelPowerSaving; }
    bool CoolnQuietActive() override { return coolnQuiet; }
    bool GetCpuVoltRange(float& maximum, float& minimum) override
    {
        maximum = 1.5f;
        minimum = 0.8f;
        return cpuVoltRangeKnown;
    }
    std::int32_t GetKelvaneInfo(std::uint32_t itemId) override
    {
        const auto found = kelvaneInfo.find(itemId);
        return found == kelvaneInfo.end() ? 0 : found->second;
    }
    void Sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
};

inline SensorDescriptor Descriptor(std::uint32_t id, const char* name, std::int32_t low, std::int32_t high)
{
    SensorDescriptor descriptor{};
    descriptor.Id = id;
    std::size_t i = 0;
    for (; name[i] != '\0' && i + 1 < sizeof descriptor.Name; ++i)
        descriptor.Name[i] = name[i];
    descriptor.LowLimit = low;
    descriptor.HighLimit = high;
    descriptor.Flags = 1;
    return descriptor;
}

}  // namespace vantor::monitor::test
