// Facts about the board and its processor: the board information block
// MBIF (version, name, capability values), item availability, the
// Cool'n'Quiet voltage range (GCQV), the power-profile state (GPLV, or GITM
// on firmware whose MBIF version is 3 or later), and whether an Intel
// processor has a power-saving feature enabled.
//
// Every function keeps its working memory per call and only reads the
// channel, so they may run in several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/MethodChannel.h"
#include "core/MethodName.h"
#include "core/ProcessorRegisters.h"

namespace vantor::hw {

inline constexpr MethodName kBoardInfoMethod = "MBIF";
inline constexpr MethodName kCoolnQuietMethod = "GCQV";
inline constexpr MethodName kPowerProfileMethod = "GPLV";

// Board names are handed out cut at 49 characters and always terminated.
inline constexpr std::size_t kBoardNameSize = 50;

// Answers of GetMbif.
inline constexpr std::int32_t kMbifDone = 0;
inline constexpr std::int32_t kMbifFailed = 1;
inline constexpr std::int32_t kMbifArrayTooSmall = 2;

// GCQV arguments: the two ends of the voltage range, and the support flag.
inline constexpr std::uint32_t kCoolnQuietVoltageA = 0;
inline constexpr std::uint32_t kCoolnQuietVoltageB = 1;
inline constexpr std::uint32_t kCoolnQuietSupported = 2;

// Reads MBIF: element 0 the version, element 1 the name, elements 2 on the
// capability values. When MBIF fails: kMbifFailed and nothing written.
// Otherwise version and name (when their pointers are non-null; the name cut
// at 49 characters plus NUL) are written first; then with a null values
// array count := the number of values (sizing); with a count below that
// number kMbifArrayTooSmall; else the values are copied and count is left
// as it was. A null count reports nothing and holds no values.
// The number of values is what the result buffer actually holds.
std::int32_t GetMbif(MethodChannel& channel, std::uint32_t* version, char* name, std::uint32_t* values,
                     std::int32_t* count);

// The board name into name, cut at 49 characters and terminated (at most
// kBoardNameSize bytes are written): the caller's buffer size is unknown.
// False when MBIF fails or name is null.
bool GetBoardName(MethodChannel& channel, char* name);

// The group item interface is in use when the MBIF version is above 1, at
// least one value exists and bits 8-15 of value 0 are not all zero.
bool UsesGroupInterface(std::uint32_t version, std::span<const std::uint32_t> values);
// One MBIF read; false when it fails.
bool UsesGroupInterface(MethodChannel& channel);

// Whether an item is available: the available flag of its OCOP answer, and
// for the Cool'n'Quiet flag also a non-zero GCQV(2).
bool CheckWorkable(MethodChannel& channel, std::uint32_t itemId);

// The Cool'n'Quiet voltage range in volts: second := GCQV(0), first :=
// GCQV(1), each in millivolts. Both are 0 when unreadable; true when both
// are non-zero. A null output is skipped.
bool GetCpuVoltRange(MethodChannel& channel, float* first, float* second);

// Whether the power-profile feature is on: with an MBIF version of 3 or more,
// the group interface's value of the power-profile state item; otherwise
// GPLV's first value. False when the read fails.
bool CheckRuvel(MethodChannel& channel);

// True for an Intel processor ("GenuineIntel" in CPUID leaf 0) with any of
// bits 25, 16, 13 or 3 of IA32_MISC_ENABLE set. False without registers
// (ZyIO.dll not loaded) or when an entry point is missing; the register is
// read only for an Intel processor.
bool CheckIntelPowerSaving(ProcessorRegisters* registers);

}  // namespace vantor::hw
