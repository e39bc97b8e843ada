#include "Board.h"

namespace boardsim {

bool IsFirmwareMethod(std::uint32_t name)
{
    for (const SensorClass& sensorClass : kSensorClasses) {
        if (name == sensorClass.listMethod || name == sensorClass.readingMethod) {
            return true;
        }
    }
    const std::uint32_t others[] = {
            kItemReadMethod,    kItemWriteMethod, kFeatureListMethod, kStartTemperatureMethod,
            kSettingListMethod, kBoardInfoMethod, kCoolNQuietMethod,  kPowerProfileMethod,
            kGroupListMethod,   kGroupReadMethod, kGroupWriteMethod,
    };
    for (std::uint32_t other : others) {
        if (name == other) {
            return true;
        }
    }
    return false;
}

Method* FindMethod(Board& board, std::uint32_t name)
{
    for (std::uint32_t i = 0; i < board.methodCount; ++i) {
        if (board.methods[i].name == name) {
            return &board.methods[i];
        }
    }
    return nullptr;
}

Sensor* FindSensor(Board& board, std::uint32_t classIndex, std::uint32_t itemId)
{
    for (std::uint32_t i = 0; i < board.sensorCount; ++i) {
        Sensor& sensor = board.sensors[i];
        if (sensor.classIndex == classIndex && sensor.itemId == itemId) {
            return &sensor;
        }
    }
    return nullptr;
}

Item* FindItem(Board& board, std::uint32_t itemId)
{
    for (std::uint32_t i = 0; i < board.itemCount; ++i) {
        if (board.items[i].itemId == itemId) {
            return &board.items[i];
        }
    }
    return nullptr;
}

std::int32_t SensorReading(const Sensor& sensor, std::uint64_t nowMs)
{
    return sensor.fixed ? sensor.fixedRaw : WaveformAt(sensor.reading, nowMs);
}

}  // namespace boardsim
