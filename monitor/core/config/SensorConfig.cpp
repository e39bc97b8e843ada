#include "config/SensorConfig.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vantor::monitor {

void CopyCut(std::string_view text, std::span<char> dest)
{
    if (dest.empty())
        return;
    const std::size_t length = std::min(text.size(), dest.size() - 1);
    std::fill(dest.begin(), dest.end(), '\0');
    if (length > 0)
        std::memcpy(dest.data(), text.data(), length);
}

std::string_view BufferText(std::span<const char> buffer)
{
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin()));
}

SensorTable MakeSensorTable(SensorKind kind, std::span<const SensorDescriptor> descriptors)
{
    SensorTable table;
    table.Kind = kind;
    table.Descriptors = descriptors;
    const std::size_t count = descriptors.size();
    table.ShortName.assign(count, ShortNameBuffer{});
    table.Configs.assign(count, SensorConfig{});
    table.EditThreshold.assign(count, 0.0f);
    table.EditEnabled.assign(count, 0);
    if (kind == SensorKind::Fan)
        table.EditFanName.assign(count, EditFanNameBuffer{});
    return table;
}

SensorTable& SensorConfiguration::Table(SensorKind kind)
{
    return const_cast<SensorTable&>(std::as_const(*this).Table(kind));
}

const SensorTable& SensorConfiguration::Table(SensorKind kind) const
{
    switch (kind) {
    case SensorKind::Voltage:
        return Voltage;
    case SensorKind::Temperature:
        return Temperature;
    case SensorKind::Fan:
        break;
    }
    return Fan;
}

SensorConfiguration MakeSensorConfiguration(std::span<const SensorDescriptor> voltages,
                                            std::span<const SensorDescriptor> temperatures,
                                            std::span<const SensorDescriptor> fans)
{
    SensorConfiguration config;
    config.Voltage = MakeSensorTable(SensorKind::Voltage, voltages);
    config.Temperature = MakeSensorTable(SensorKind::Temperature, temperatures);
    config.Fan = MakeSensorTable(SensorKind::Fan, fans);
    config.NominalVoltage.assign(voltages.size(), 0.0f);
    return config;
}

}  // namespace vantor::monitor
