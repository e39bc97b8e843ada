#include "core/Sensors.h"

#include <algorithm>

#include "core/DescriptorRule.h"
#include "core/ItemAccess.h"
#include "core/ItemId.h"
#include "core/MethodCalls.h"
#include "core/MethodName.h"
#include "core/ObjectList.h"

namespace vantor::hw {

namespace {

constexpr MethodName kVoltageReadMethod = "RVLT";
constexpr MethodName kTemperatureReadMethod = "RTMP";
constexpr MethodName kFanReadMethod = "RFAN";
// Second half of the Cool'n'Quiet answer, asked with this argument.
constexpr MethodName kCoolnQuietMethod = "GCQV";
constexpr std::uint32_t kCoolnQuietArgument = 2;

// Words of a sensor descriptor after its ItemId and name.
constexpr std::size_t kSensorWords = 3;

// Raw units to display units: single-precision constants, multiplied in
// long double; the caller keeps the reading as a float.
constexpr float kMillivoltsToVolts = 0.001f;
constexpr float kTenthsToDegrees = 0.1f;
constexpr float kRpmToRpm = 1.0f;

SensorDescriptor ToSensorDescriptor(const DescriptorRecord<kSensorWords>& record)
{
    SensorDescriptor sensor{};
    sensor.Id = record.itemId;
    static_assert(sizeof sensor.Name == kDescriptorNameSize);
    std::copy(record.name.begin(), record.name.end(), sensor.Name);
    sensor.LowLimit = static_cast<std::int32_t>(record.words[0]);
    sensor.HighLimit = static_cast<std::int32_t>(record.words[1]);
    sensor.Flags = record.words[2];
    return sensor;
}

bool IsSpecialItem(std::uint32_t itemId)
{
    return itemId == ACPI_OCINFO_COOLNQUIET_FLAG || itemId == OC_ITEM_CPU_FAN_TARGET ||
           itemId == ACPI_KVINFO_CPU_KELVANE_PROFILE || itemId == OC_ITEM_CHASSIS_KELVANE_PROFILE;
}

// Item values are 32-bit words; read them as the signed integers the
// setting records carry.
double SpecialItemValue(MethodChannel& channel, std::uint32_t itemId)
{
    std::uint32_t value = ReadItem(channel, itemId).current;
    if (itemId == ACPI_OCINFO_COOLNQUIET_FLAG) {
        value |= ReadInteger(channel, kCoolnQuietMethod, kCoolnQuietArgument);
    }
    return static_cast<double>(static_cast<std::int32_t>(value));
}

std::int32_t ReadRaw(MethodChannel& channel, MethodName method, std::uint32_t itemId)
{
    return static_cast<std::int32_t>(ReadInteger(channel, method, itemId));
}

}  // namespace

std::vector<SensorDescriptor> EnumerateSensors(MethodChannel& channel, std::string_view listMethod)
{
    std::vector<SensorDescriptor> sensors;
    if (listMethod.size() < 4) {
        return sensors;
    }
    const auto records = ReadObjectList<kSensorWords>(channel, MethodName::FromChars(listMethod));
    for (const auto& record : records) {
        const SensorDescriptor sensor = ToSensorDescriptor(record);
        if (IsListedSensor(sensor.Flags)) {
            sensors.push_back(sensor);
        }
    }
    return sensors;
}

double ReadSensorValue(MethodChannel& channel, std::uint32_t itemId)
{
    if (IsSpecialItem(itemId)) {
        return SpecialItemValue(channel, itemId);
    }
    if (ItemGroupOf(itemId) != OC_GROUP_SENSOR) {
        return 0.0;
    }
    MethodName method;
    float factor = 0.0f;
    switch (ItemKindOf(itemId)) {
    case OC_SENSOR_VOLTAGE:
        method = kVoltageReadMethod;
        factor = kMillivoltsToVolts;
        break;
    case OC_SENSOR_TEMPERATURE:
        method = kTemperatureReadMethod;
        factor = kTenthsToDegrees;
        break;
    case OC_SENSOR_FAN:
        method = kFanReadMethod;
        factor = kRpmToRpm;
        break;
    default:
        return 0.0;
    }
    const long double raw = ReadRaw(channel, method, itemId);
    return static_cast<double>(raw * static_cast<long double>(factor));
}

void ReadHealthData(MethodChannel& channel, HealthData& data)
{
    // Integer division truncates toward zero: -15 tenths are -1 degree.
    data.CpuTemperature = ReadRaw(channel, kTemperatureReadMethod, OC_ITEM_CPU_TEMPERATURE) / 10;
    data.BoardTemperature = ReadRaw(channel, kTemperatureReadMethod, OC_ITEM_BOARD_TEMPERATURE) / 10;
    data.CpuFan = ReadRaw(channel, kFanReadMethod, OC_ITEM_CPU_FAN);
    data.ChassisFan = ReadRaw(channel, kFanReadMethod, OC_ITEM_CHASSIS_FAN);
    data.PowerFan = ReadRaw(channel, kFanReadMethod, OC_ITEM_POWER_FAN);
    data.CoreVoltage = ReadRaw(channel, kVoltageReadMethod, OC_ITEM_CORE_VOLTAGE);
}

}  // namespace vantor::hw
