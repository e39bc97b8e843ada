// What the alarm rules ask the hardware binding while they decide. The Win32
// shell answers from the loaded VantorHw exports; tests answer from a fake.
#pragma once

#include <cstdint>

namespace vantor::monitor::alarm {

class AlarmHardware {
public:
    virtual ~AlarmHardware() = default;

    virtual bool CoolnQuietActive() = 0;

    // The processor's own voltage range; the rule that needs it is skipped
    // while the export is not bound.
    virtual bool HasCpuVoltRange() const = 0;
    virtual bool GetCpuVoltRange(float& maximum, float& minimum) = 0;

    // False when the export is not bound.
    virtual bool CheckRuvel() = 0;

    // 0 absent (also when the export is not bound), 1 off, 2 on.
    virtual int GetKelvaneInfo(std::uint32_t item) = 0;

    virtual bool HasFanStartTemp() const = 0;
    virtual bool GetFanStartTemp(std::uint32_t item, std::int32_t& degrees) = 0;

    virtual float ReadSensor(std::uint32_t id) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace vantor::monitor::alarm
