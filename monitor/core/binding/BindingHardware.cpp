#include "binding/BindingHardware.h"

namespace vantor::monitor {
namespace {

bool VoltRange(const HwExports& exports, float& maximum, float& minimum)
{
    if (exports.OCAPI_GetCpuVoltRange == nullptr)
        return false;
    float first = 0.0f;
    float second = 0.0f;
    if (exports.OCAPI_GetCpuVoltRange(&first, &second) == 0)
        return false;
    maximum = first;
    minimum = second;
    return true;
}

std::int32_t KelvaneInfo(const HwExports& exports, std::uint32_t item)
{
    return exports.OCAPI_GetKelvaneInfo == nullptr ? 0 : exports.OCAPI_GetKelvaneInfo(item);
}

}  // namespace

float BindingConfigHardware::ReadSensor(std::uint32_t itemId) { return m_binding.ReadSensor(itemId); }

bool BindingConfigHardware::CheckIntelPowerSaving()
{
    const auto fn = m_binding.Exports().OCAPI_CheckIntelPowerSaving;
    return fn != nullptr && fn() != 0;
}

bool BindingConfigHardware::CoolnQuietActive() { return m_binding.CoolnQuietActive(); }

bool BindingConfigHardware::GetCpuVoltRange(float& maximum, float& minimum)
{
    return VoltRange(m_binding.Exports(), maximum, minimum);
}

std::int32_t BindingConfigHardware::GetKelvaneInfo(std::uint32_t itemId)
{
    return KelvaneInfo(m_binding.Exports(), itemId);
}

void BindingConfigHardware::Sleep(std::uint32_t milliseconds) { m_platform.SleepMs(milliseconds); }

bool BindingAlarmHardware::CoolnQuietActive() { return m_binding.CoolnQuietActive(); }

bool BindingAlarmHardware::HasCpuVoltRange() const { return m_binding.Exports().OCAPI_GetCpuVoltRange != nullptr; }

bool BindingAlarmHardware::GetCpuVoltRange(float& maximum, float& minimum)
{
    return VoltRange(m_binding.Exports(), maximum, minimum);
}

bool BindingAlarmHardware::CheckRuvel()
{
    const auto fn = m_binding.Exports().OCAPI_CheckRuvel;
    return fn != nullptr && fn() != 0;
}

int BindingAlarmHardware::GetKelvaneInfo(std::uint32_t item) { return KelvaneInfo(m_binding.Exports(), item); }

bool BindingAlarmHardware::HasFanStartTemp() const { return m_binding.Exports().OCAPI_GetFanStartTemp != nullptr; }

bool BindingAlarmHardware::GetFanStartTemp(std::uint32_t item, std::int32_t& degrees)
{
    const auto fn = m_binding.Exports().OCAPI_GetFanStartTemp;
    if (fn == nullptr)
        return false;
    std::int32_t value = 0;
    if (fn(&value, item) == 0)
        return false;
    degrees = value;
    return true;
}

float BindingAlarmHardware::ReadSensor(std::uint32_t id) { return m_binding.ReadSensor(id); }

void BindingAlarmHardware::Sleep(unsigned milliseconds) { m_platform.SleepMs(milliseconds); }

}  // namespace vantor::monitor
