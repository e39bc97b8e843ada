// The hardware monitor's sensors: the descriptor lists VSIF, TSIF and FSIF,
// the reading methods RVLT, RTMP and RFAN, and the fixed health snapshot.
//
// ReadSensorValue and ReadHealthData are the reading paths the monitor runs
// from several threads at once: they touch no shared state and keep all their
// working memory on the stack (no heap allocation).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "VantorHw.h"
#include "core/MethodChannel.h"

namespace vantor::hw {

// A descriptor is listed when bits 0-1 of its Flags are exactly 1; the other
// bits are the firmware's own and are passed on unread.
constexpr bool IsListedSensor(std::uint32_t flags) { return (flags & 3u) == 1u; }

// The listed sensors of a descriptor list, in list order. The first four
// characters of listMethod name the list; a shorter name names no method and
// gives an empty list without a request, as does a failing list method.
std::vector<SensorDescriptor> EnumerateSensors(MethodChannel& channel, std::string_view listMethod);

// A reading in display units: volts, degrees Celsius or rpm for group-0x06
// sensors of kind 2, 3 and 4; the plain current value for the Cool'n'Quiet
// flag and the three fan-control target and profile items; 0.0 for anything
// else and whenever a request fails. Items outside group 0x06 that are none
// of the four special ones cost no request.
double ReadSensorValue(MethodChannel& channel, std::uint32_t itemId);

// Fills every field but Reserved, which keeps what the caller put there.
void ReadHealthData(MethodChannel& channel, HealthData& data);

}  // namespace vantor::hw
