#include "config/SensorDefaults.h"

#include "VantorHw.h"

namespace vantor::monitor {
namespace {

constexpr float kVoltageMaxThreshold = 30.0f;
constexpr float kVoltageMinThreshold = 1.0f;
constexpr float kVoltageThreshold = 10.0f;
// Intel power saving lowers the core voltage at idle: a wider band.
constexpr float kPowerSavingVoltageThreshold = 20.0f;
constexpr float kCpuTemperatureMinThreshold = 350.0f;
constexpr float kFanMaxThreshold = 20000.0f;
constexpr float kFanMinThreshold = 800.0f;
constexpr float kFanThreshold = 800.0f;
constexpr int kAverageSteps = 10;
constexpr std::uint32_t kAverageStepMs = 50;

std::string_view SuffixOf(SensorKind kind)
{
    switch (kind) {
    case SensorKind::Voltage:
        return " Volt";
    case SensorKind::Temperature:
        return " Temp";
    case SensorKind::Fan:
        break;
    }
    return " FAN";
}

SensorConfig VoltageDefaults()
{
    return SensorConfig{kVoltageMaxThreshold, kVoltageMinThreshold, kVoltageThreshold, 1};
}

SensorConfig TemperatureDefaults(const SensorDescriptor& descriptor)
{
    SensorConfig config;
    config.MaxThreshold = static_cast<float>(descriptor.HighLimit);
    if (descriptor.Id == OC_ITEM_CPU_TEMPERATURE) {
        config.MinThreshold = kCpuTemperatureMinThreshold;
    } else {
        // 64-bit so that extreme firmware limits cannot overflow.
        const std::int64_t below = 2 * static_cast<std::int64_t>(descriptor.LowLimit) - descriptor.HighLimit;
        config.MinThreshold = static_cast<float>(below < 0 ? descriptor.LowLimit : below);
    }
    config.Threshold = static_cast<float>(descriptor.LowLimit);
    config.Enabled = 1;
    return config;
}

}  // namespace

std::string_view ShortNameOf(std::string_view descriptorName, SensorKind kind)
{
    const std::size_t at = descriptorName.find(SuffixOf(kind));
    if (at == std::string_view::npos)
        return {};
    return descriptorName.substr(0, at);
}

float NominalVoltageFromLimits(std::int32_t lowLimit, std::int32_t highLimit)
{
    const std::int64_t middle = (static_cast<std::int64_t>(lowLimit) + highLimit) / 2;
    return static_cast<float>(static_cast<double>(middle) * 0.001);
}

float AverageCoreVoltage(ConfigHardware& hardware)
{
    float voltage = hardware.ReadSensor(OC_ITEM_CORE_VOLTAGE);
    for (int step = 0; step < kAverageSteps; ++step) {
        voltage = (voltage + hardware.ReadSensor(OC_ITEM_CORE_VOLTAGE)) * 0.5f;
        hardware.Sleep(kAverageStepMs);
    }
    return voltage;
}

void BuildDefaults(SensorConfiguration& config, SensorKind kind, ConfigHardware& hardware)
{
    SensorTable& table = config.Table(kind);
    if (kind == SensorKind::Voltage && config.NominalVoltage.size() < table.Count())
        config.NominalVoltage.resize(table.Count(), 0.0f);
    for (std::size_t i = 0; i < table.Count(); ++i) {
        const SensorDescriptor& descriptor = table.Descriptors[i];
        SensorConfig defaults;
        switch (kind) {
        case SensorKind::Voltage:
            defaults = VoltageDefaults();
            if (i == 0) {
                // The first voltage sensor is the processor core voltage; its
                // nominal value is what it reads now.
                config.NominalVoltage[0] = AverageCoreVoltage(hardware);
                if (hardware.CheckIntelPowerSaving())
                    defaults.Threshold = kPowerSavingVoltageThreshold;
            } else {
                config.NominalVoltage[i] = NominalVoltageFromLimits(descriptor.LowLimit, descriptor.HighLimit);
            }
            break;
        case SensorKind::Temperature:
            defaults = TemperatureDefaults(descriptor);
            break;
        case SensorKind::Fan:
            defaults = SensorConfig{kFanMaxThreshold, kFanMinThreshold, kFanThreshold, 1};
            break;
        }
        defaults.Enabled = 1;
        table.Configs[i] = defaults;
        table.EditThreshold[i] = defaults.Threshold;
        table.EditEnabled[i] = 1;

        const std::string_view name = BufferText(descriptor.Name);
        CopyCut(ShortNameOf(name, kind), table.ShortName[i]);
        // The edit name starts as the stored (possibly cut) name.
        if (kind == SensorKind::Fan)
            CopyCut(BufferText(table.ShortName[i]), table.EditFanName[i]);
    }
}

}  // namespace vantor::monitor
