// A decoded function as the entries of its section in the information INI
// file, with the names pci.ids gives (numbers alone where it has none), and
// the whole file: a Root section listing one value section per function,
// named bus-device-function in decimal ("0-31-2").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "PciFunction.h"
#include "PciIds.h"

namespace vantor::pci {

inline constexpr std::string_view kPciIniName = "ZyPci.ini";

struct ReportEntry {
    std::string key;
    std::string value;
};

struct FunctionReport {
    std::string section;  // "0-31-2"
    std::string title;    // "00:1f.2 SATA controller"
    std::vector<ReportEntry> entries;
};

std::string SectionName(FunctionAddress at);

// The name of a capability ID (PCI Code and ID Assignment), or null.
const char* CapabilityName(std::uint8_t id);

// The subsystem's name as lspci gives it: its own entry under the device,
// else the device's name when the subsystem IDs repeat the device's, else
// none (null).
const std::string* SubsystemName(const PciIds& ids, const PciFunctionInfo& info);

FunctionReport DescribeFunction(const PciFunctionInfo& info, const PciIds& ids);

// The information INI file's text for the functions, in their order.
std::string PciIniText(const std::vector<FunctionReport>& functions);

}  // namespace vantor::pci
