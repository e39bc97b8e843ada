// The three kinds of sensor, numbered as the hardware library numbers them in
// an item's kind byte (OC_SENSOR_* of VantorHw.h).
#pragma once

#include <cstdint>

#include "VantorHw.h"

namespace vantor::monitor {

enum class SensorKind : std::uint8_t {
    Voltage = OC_SENSOR_VOLTAGE,
    Temperature = OC_SENSOR_TEMPERATURE,
    Fan = OC_SENSOR_FAN,
};

}  // namespace vantor::monitor
