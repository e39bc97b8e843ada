// The simulated board: what its file describes (sensors, setting items) and
// the state that calls change (item values, fixed readings, failing
// methods). Every object lives in the board's arena and is trivially
// destructible.
#ifndef BOARDSIM_BOARD_H
#define BOARDSIM_BOARD_H

#include "Arena.h"
#include "Waveform.h"

#include <cstdint>
#include <string_view>

namespace boardsim {

// Bits 16-23 of an ItemId.
constexpr std::uint32_t ItemKind(std::uint32_t itemId)
{
    return (itemId >> 16) & 0xFF;
}

constexpr std::uint32_t MethodName(const char (&name)[5])
{
    return BS_METHOD_NAME(name[0], name[1], name[2], name[3]);
}

// What a sensor kind is served by: its list of descriptor objects and its
// reading method.
struct SensorClass {
    std::uint32_t itemKind;
    std::uint32_t listMethod;
    std::uint32_t readingMethod;
};

inline constexpr SensorClass kSensorClasses[] = {
    {2, MethodName("VSIF"), MethodName("RVLT")},
    {3, MethodName("TSIF"), MethodName("RTMP")},
    {4, MethodName("FSIF"), MethodName("RFAN")},
};
inline constexpr std::uint32_t kSensorClassCount = sizeof(kSensorClasses) / sizeof(kSensorClasses[0]);

inline constexpr std::uint32_t kItemReadMethod = MethodName("OCOP");
inline constexpr std::uint32_t kItemWriteMethod = MethodName("PROC");

struct Sensor {
    std::uint32_t itemId;
    std::uint32_t objectName; // the descriptor object's name word
    std::uint32_t classIndex; // into kSensorClasses
    std::string_view name;
    std::int32_t lowLimit;
    std::int32_t highLimit;
    std::uint32_t flags;
    Waveform reading;
    bool fixed; // test control replaced the waveform by fixedRaw
    std::int32_t fixedRaw;
};

struct Item {
    std::uint32_t itemId;
    std::uint32_t value1;
    std::uint32_t value;
    bool available;
    // Values PROC accepts: minimum..maximum (signed, inclusive).
    std::int32_t minimum;
    std::int32_t maximum;
    std::string_view *options;
    std::uint32_t optionCount;
};

enum class MethodKind : std::uint8_t {
    SensorList,       // index: sensor class
    SensorReading,    // index: sensor class
    SensorDescriptor, // index: sensor
    ItemRead,
    ItemWrite,
};

struct Method {
    std::uint32_t name;
    MethodKind kind;
    std::uint32_t index;
    bool failing;
};

} // namespace boardsim

// The opaque board of the C interface is the engine's board itself.
struct BsBoard {
    boardsim::Arena arena;
    std::string_view name; // NUL-terminated in the arena
    bool testControl;
    boardsim::Sensor *sensors;
    std::uint32_t sensorCount;
    boardsim::Item *items;
    std::uint32_t itemCount;
    boardsim::Method *methods;
    std::uint32_t methodCount;
};

namespace boardsim {

using Board = ::BsBoard;

Method *FindMethod(Board &board, std::uint32_t name);
// The sensor of class `classIndex` with `itemId`, or null.
Sensor *FindSensor(Board &board, std::uint32_t classIndex, std::uint32_t itemId);
Item *FindItem(Board &board, std::uint32_t itemId);
// The raw reading of `sensor` at `nowMs`.
std::int32_t SensorReading(const Sensor &sensor, std::uint64_t nowMs);

} // namespace boardsim

#endif
