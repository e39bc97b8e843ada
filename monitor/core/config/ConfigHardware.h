// The hardware answers the sensor configuration needs, behind one interface
// so that defaults and loading can be decided without the library. The
// binding implements it; an absent export answers false or 0.
#pragma once

#include <cstdint>

namespace vantor::monitor {

class ConfigHardware {
public:
    virtual ~ConfigHardware() = default;

    // A sensor reading through the binding's read wrapper (volts, degrees
    // Celsius, rpm).
    virtual float ReadSensor(std::uint32_t itemId) = 0;
    virtual bool CheckIntelPowerSaving() = 0;
    virtual bool CoolnQuietActive() = 0;
    // The processor's voltage range; false when unknown or the export is absent.
    virtual bool GetCpuVoltRange(float& maximum, float& minimum) = 0;
    // 0 absent, 1 off, 2 on.
    virtual std::int32_t GetKelvaneInfo(std::uint32_t itemId) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace vantor::monitor
