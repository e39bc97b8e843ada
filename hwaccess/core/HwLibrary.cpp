#include "core/HwLibrary.h"

#include <algorithm>
#include <array>

#include "core/BoardInfo.h"
#include "core/Sensors.h"

namespace vantor::hw {

HwLibrary::HwLibrary(MethodChannel& channel, ProcessorRegisters* registers) : m_channel(channel), m_registers(registers)
{}

void HwLibrary::BuildTables()
{
    m_fan = FanControl{};
    m_groups.Clear();
    m_fan.Initialize(m_channel);

    std::uint32_t version = 0;
    std::int32_t count = 0;
    m_groupInterface = false;
    if (GetMbif(m_channel, &version, nullptr, nullptr, &count) != 0 || version <= 1 || count < 1)
        return;
    std::vector<std::uint32_t> values(static_cast<std::size_t>(count));
    if (GetMbif(m_channel, &version, nullptr, values.data(), &count) != 0)
        return;
    m_groupInterface = UsesGroupInterface(version, values);
    if (m_groupInterface)
        m_groups.Build(m_channel);
}

SensorDescriptor* HwLibrary::EnumerateOption(std::string_view listMethod, std::int32_t& count)
{
    const std::vector<SensorDescriptor> sensors = EnumerateSensors(m_channel, listMethod);
    auto array = std::make_unique<SensorDescriptor[]>(std::max<std::size_t>(sensors.size(), 1));
    std::copy(sensors.begin(), sensors.end(), array.get());
    count = static_cast<std::int32_t>(sensors.size());
    m_sensorArrays.push_back(std::move(array));
    return m_sensorArrays.back().get();
}

}  // namespace vantor::hw
