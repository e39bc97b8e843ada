// The configuration and alarm questions answered from the bound VantorHw
// exports of a started HwBinding. An export the library lacks answers as
// the interfaces require: false, 0, or "not bound".
#pragma once

#include <cstdint>

#include "alarm/AlarmHardware.h"
#include "config/ConfigHardware.h"
#include "binding/HwBinding.h"
#include "binding/HwPlatform.h"

namespace vantor::monitor {

class BindingConfigHardware final : public ConfigHardware {
public:
    BindingConfigHardware(HwBinding& binding, HwPlatform& platform) : m_binding(binding), m_platform(platform) {}

    float ReadSensor(std::uint32_t itemId) override;
    bool CheckIntelPowerSaving() override;
    bool CoolnQuietActive() override;
    bool GetCpuVoltRange(float& maximum, float& minimum) override;
    std::int32_t GetKelvaneInfo(std::uint32_t itemId) override;
    void Sleep(std::uint32_t milliseconds) override;

private:
    HwBinding& m_binding;
    HwPlatform& m_platform;
};

class BindingAlarmHardware final : public alarm::AlarmHardware {
public:
    BindingAlarmHardware(HwBinding& binding, HwPlatform& platform) : m_binding(binding), m_platform(platform) {}

    bool CoolnQuietActive() override;
    bool HasCpuVoltRange() const override;
    bool GetCpuVoltRange(float& maximum, float& minimum) override;
    bool CheckRuvel() override;
    int GetKelvaneInfo(std::uint32_t item) override;
    bool HasFanStartTemp() const override;
    bool GetFanStartTemp(std::uint32_t item, std::int32_t& degrees) override;
    float ReadSensor(std::uint32_t id) override;
    void Sleep(unsigned milliseconds) override;

private:
    HwBinding& m_binding;
    HwPlatform& m_platform;
};

}  // namespace vantor::monitor
