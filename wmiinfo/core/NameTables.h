// The names of enumerated WMI property values, as the pages show them: each
// table covers a range of numbers, and a number in the range that has no name
// of its own, like one outside it, is "Undefined".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vantor::wmi {

inline constexpr std::string_view kUndefinedName = "Undefined";

struct NamedValue {
    int number;
    std::string_view name;
};

struct NameTable {
    int first;
    int last;
    std::span<const NamedValue> names;

    // The name of `number`, or "Undefined".
    std::string_view Name(std::int64_t number) const;
};

// Win32_Processor.
extern const NameTable kProcessorTypeNames;    // 1-6
extern const NameTable kProcessorFamilyNames;  // 0-200
extern const NameTable kUpgradeMethodNames;    // 1-12
extern const NameTable kCpuStatusNames;        // 1-8
extern const NameTable kArchitectureNames;     // 0-5
// Win32_PhysicalMemory.
extern const NameTable kMemoryFormFactorNames;  // 0-23
extern const NameTable kMemoryTypeNames;        // 0-20
// Win32_NetworkAdapter.
extern const NameTable kAdapterTypeNames;          // 0-13
extern const NameTable kNetConnectionStatusNames;  // 0-10
// Win32_ComputerSystem.
extern const NameTable kSystemStateNames;  // 1-6, ChassisBootupState and ThermalState
extern const NameTable kDomainRoleNames;   // 0-5
extern const NameTable kWakeUpTypeNames;   // 0-8
extern const NameTable kPowerStateNames;   // 0-7
// Win32_OperatingSystem.
extern const NameTable kProductTypeNames;  // 1-3
extern const NameTable kOsTypeNames;       // 0-57
// Win32_VideoController.
extern const NameTable kScanModeNames;           // 1-4
extern const NameTable kVideoArchitectureNames;  // 1-12
extern const NameTable kVideoMemoryTypeNames;    // 1-13
extern const NameTable kProtocolNames;           // 1-47

// Win32_OperatingSystem OSLanguage: the few language identifiers with a name;
// none for the others.
std::string_view LanguageName(std::int64_t languageId);

}  // namespace vantor::wmi
