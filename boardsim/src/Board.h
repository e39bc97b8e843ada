// The simulated board: what its file describes (sensors, setting items) and
// the state that calls change (item values, fixed readings, failing
// methods). Every object lives in the board's arena and is trivially
// destructible.
#ifndef BOARDSIM_BOARD_H
#define BOARDSIM_BOARD_H

#include "Arena.h"
#include "PciSnapshot.h"
#include "Waveform.h"

#include <cstdint>
#include <string_view>

namespace boardsim {

// Bits 16-23 of an ItemId.
constexpr std::uint32_t ItemKind(std::uint32_t itemId) { return (itemId >> 16) & 0xFF; }

constexpr std::uint32_t MethodName(const char (&name)[5]) { return BS_METHOD_NAME(name[0], name[1], name[2], name[3]); }

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

// Bits 24-31 of an ItemId.
constexpr std::uint32_t ItemGroup(std::uint32_t itemId) { return itemId >> 24; }

inline constexpr std::uint32_t kItemReadMethod = MethodName("OCOP");
inline constexpr std::uint32_t kItemWriteMethod = MethodName("PROC");
inline constexpr std::uint32_t kFeatureListMethod = MethodName("KVIF");
inline constexpr std::uint32_t kStartTemperatureMethod = MethodName("KVST");
inline constexpr std::uint32_t kSettingListMethod = MethodName("OCIF");
inline constexpr std::uint32_t kBoardInfoMethod = MethodName("MBIF");
inline constexpr std::uint32_t kCoolNQuietMethod = MethodName("GCQV");
inline constexpr std::uint32_t kPowerProfileMethod = MethodName("GPLV");
inline constexpr std::uint32_t kGroupListMethod = MethodName("GGRP");
inline constexpr std::uint32_t kGroupReadMethod = MethodName("GITM");
inline constexpr std::uint32_t kGroupWriteMethod = MethodName("SITM");

// Model-specific register IA32_MISC_ENABLE, the one register a board file
// describes.
inline constexpr std::uint32_t kMiscEnableMsr = 0x1A0;

// Kinds of the group interface's item objects (bits 16-23 of the ItemId):
// 1 to 6 step through numbers, 7 is an on/off switch, 8 names its options.
inline constexpr std::uint32_t kFirstSteppedKind = 1;
inline constexpr std::uint32_t kLastSteppedKind = 6;
inline constexpr std::uint32_t kSwitchKind = 7;
inline constexpr std::uint32_t kNamedKind = 8;

constexpr bool IsSteppedKind(std::uint32_t kind) { return kind >= kFirstSteppedKind && kind <= kLastSteppedKind; }

struct Sensor {
    std::uint32_t itemId;
    std::uint32_t objectName;  // the descriptor object's name word
    std::uint32_t classIndex;  // into kSensorClasses
    std::string_view name;
    std::int32_t lowLimit;
    std::int32_t highLimit;
    std::uint32_t flags;
    Waveform reading;
    bool fixed;  // test control replaced the waveform by fixedRaw
    std::int32_t fixedRaw;
};

// One setting item: a value that OCOP/PROC and GITM/SITM read and write,
// and the descriptor objects through which the lists OCIF, KVIF and GGRP
// present it. An object name of 0 means the item is not in that list (no
// ACPI name has a zero word).
struct Item {
    std::uint32_t itemId;
    std::uint32_t value1;
    std::uint32_t value;
    bool available;
    // A new value takes effect only after a restart (SITM's trial answer).
    bool restart;
    // Values PROC and SITM accept: minimum..maximum (signed, inclusive).
    std::int32_t minimum;
    std::int32_t maximum;
    std::string_view* options;
    std::uint32_t optionCount;
    std::string_view name;  // display name in the item's descriptor objects

    // OCIF descriptor: ItemId, name, RangeLow, RangeHigh, the step count, attribute.
    std::uint32_t settingObject;
    std::uint32_t range[3];
    std::uint32_t attribute;

    // KVIF feature descriptor: ItemId, name, four words; KVST's answer.
    std::uint32_t featureObject;
    std::uint32_t words[4];
    bool hasStartTemperature;
    std::uint32_t startTemperature;

    // Group item object: ItemId, name, Extra1, Extra2, then by kind the
    // stepped values (base, step, count) or the option names.
    std::uint32_t groupObject;
    std::uint32_t extra1;
    std::uint32_t extra2;
    std::int32_t stepBase;
    std::int32_t step;
    std::uint32_t stepCount;
};

// MBIF: version, board name, capability values.
struct BoardInfo {
    bool present;
    std::uint32_t version;
    std::uint32_t* values;
    std::uint32_t valueCount;
};

struct Cpu {
    bool hasMiscEnable;
    std::uint64_t miscEnable;
    // GCQV 0 and 1: the ends of the Cool'n'Quiet voltage range in mV;
    // GCQV 2: the support flag.
    bool hasCoolNQuiet;
    std::uint32_t coolNQuiet[2];
    bool coolNQuietSupported;
};

enum class MethodKind : std::uint8_t {
    SensorList,         // index: sensor class
    SensorReading,      // index: sensor class
    SensorDescriptor,   // index: sensor
    ItemRead,           // OCOP
    ItemWrite,          // PROC
    FeatureList,        // KVIF
    FeatureDescriptor,  // index: item
    StartTemperature,   // KVST
    SettingList,        // OCIF
    SettingDescriptor,  // index: item
    BoardInfo,          // MBIF
    CoolNQuiet,         // GCQV
    PowerProfile,       // GPLV
    GroupList,          // GGRP
    GroupObject,        // index: item
    GroupRead,          // GITM
    GroupWrite,         // SITM
};

struct Method {
    std::uint32_t name;
    MethodKind kind;
    std::uint32_t index;
    bool failing;
};

}  // namespace boardsim

// The opaque board of the C interface is the engine's board itself.
struct BsBoard {
    boardsim::Arena arena;
    std::string_view name;  // NUL-terminated in the arena
    bool testControl;
    boardsim::Sensor* sensors;
    std::uint32_t sensorCount;
    boardsim::Item* items;
    std::uint32_t itemCount;
    boardsim::Method* methods;
    std::uint32_t methodCount;
    boardsim::BoardInfo info;
    bool hasPowerProfile;
    bool powerProfile;  // GPLV
    boardsim::Cpu cpu;
    boardsim::PciSpace pci;  // empty without a snapshot
};

namespace boardsim {

using Board = ::BsBoard;

// A name the engine answers itself, which no descriptor object may take.
bool IsFirmwareMethod(std::uint32_t name);

Method* FindMethod(Board& board, std::uint32_t name);
// The sensor of class `classIndex` with `itemId`, or null.
Sensor* FindSensor(Board& board, std::uint32_t classIndex, std::uint32_t itemId);
Item* FindItem(Board& board, std::uint32_t itemId);
// The raw reading of `sensor` at `nowMs`.
std::int32_t SensorReading(const Sensor& sensor, std::uint64_t nowMs);

}  // namespace boardsim

#endif
