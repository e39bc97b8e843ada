// A scripted hardware binding for the alarm tests: fixed answers, readings by
// sensor id (or a queue of them), and a record of what was asked.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "alarm/AlarmHardware.h"

namespace vantor::monitor::alarm::test {

class FakeAlarmHardware : public AlarmHardware {
public:
    bool cnqActive = false;
    int cnqCalls = 0;

    bool voltRangeBound = false;
    bool voltRangeResult = true;
    float voltMax = 0.0f;
    float voltMin = 0.0f;

    std::deque<bool> ruvelAnswers;  // answered in order, then false

    std::map<std::uint32_t, int> kelvane;  // item -> state; missing items answer 0
    std::vector<std::uint32_t> kelvaneAsked;

    bool startTempBound = false;
    std::optional<std::int32_t> startTemp;  // empty: the call fails
    std::vector<std::uint32_t> startTempAsked;

    std::map<std::uint32_t, float> readings;
    std::map<std::uint32_t, std::deque<float>> readingQueues;  // taken first when not empty
    std::vector<std::uint32_t> readsAsked;
    std::vector<unsigned> sleeps;

    bool CoolnQuietActive() override
    {
        ++cnqCalls;
        return cnqActive;
    }
    bool HasCpuVoltRange() const override { return voltRangeBound; }
    bool GetCpuVoltRange(float& maximum, float& minimum) override
    {
        maximum = voltMax;
        minimum = voltMin;
        return voltRangeResult;
    }
    bool CheckRuvel() override
    {
        if (ruvelAnswers.empty())
            return false;
        const bool answer = ruvelAnswers.front();
        ruvelAnswers.pop_front();
        return answer;
    }
    int GetKelvaneInfo(std::uint32_t item) override
    {
        kelvaneAsked.push_back(item);
        const auto found = kelvane.find(item);
        return found == kelvane.end() ? 0 : found->second;
    }
    bool HasFanStartTemp() const override { return startTempBound; }
    bool GetFanStartTemp(std::uint32_t item, std::int32_t& degrees) override
    {
        startTempAsked.push_back(item);
        if (!startTemp)
            return false;
        degrees = *startTemp;
        return true;
    }
    float ReadSensor(std::uint32_t id) override
    {
        readsAsked.push_back(id);
        auto& queue = readingQueues[id];
        if (!queue.empty()) {
            const float value = queue.front();
            queue.pop_front();
            return value;
        }
        const auto found = readings.find(id);
        return found == readings.end() ? 0.0f : found->second;
    }
    void Sleep(unsigned milliseconds) override { sleeps.push_back(milliseconds); }
};

}  // namespace vantor::monitor::alarm::test
