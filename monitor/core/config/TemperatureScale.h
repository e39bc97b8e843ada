// How temperatures are shown. Readings are kept in degrees Celsius; the
// numbers are the ones the settings file stores under "nrTempScale".
#pragma once

#include <cstdint>

namespace vantor::monitor {

enum class TemperatureScale : std::int32_t {
    Celsius = 1,
    Fahrenheit = 2
};

}  // namespace vantor::monitor
