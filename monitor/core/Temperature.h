// Temperatures are read and kept in degrees Celsius; Fahrenheit exists only
// on screen and in the alert log.
#pragma once

namespace vantor::monitor {

enum class TemperatureScale { Celsius = 1, Fahrenheit = 2 };

// Whole degrees in, whole degrees out; the division truncates toward zero
// as C++ integer division does, so -1 C gives 31 F.
constexpr int CelsiusToFahrenheit(int celsius) { return celsius * 9 / 5 + 32; }

}  // namespace vantor::monitor
