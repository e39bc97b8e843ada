#include "core/PropertyFormat.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "core/FormatVariant.h"
#include "core/NameTables.h"

namespace vantor::wmi {

PropertyMode ModeOf(std::string_view entry)
{
    if (entry.empty())
        return PropertyMode::Hidden;
    return entry == "TRUE" ? PropertyMode::Formatted : PropertyMode::Plain;
}

namespace {

enum class Rule {
    BarsToCommas,   // "en|US|iso8859-1" -> "en,US,iso8859-1"
    First8,         // a CIM datetime cut to its date, yyyymmdd
    Suffix,         // the text, a blank and a unit
    Enumeration,    // "<name> (<number>)"
    TenthsOfVolts,  // 33 -> "3.3 V"
    Language,       // 1033 -> "English - US (0409)"
};

struct PropertyRule {
    std::string_view className;
    std::string_view property;
    Rule rule;
    std::string_view unit = {};
    const NameTable* names = nullptr;
};

const PropertyRule kRules[] = {
        {"Win32_BIOS", "CurrentLanguage", Rule::BarsToCommas},
        {"Win32_BIOS", "ReleaseDate", Rule::First8},
        {"Win32_DiskDrive", "Size", Rule::Suffix, "Bytes"},
        {"Win32_Processor", "ProcessorType", Rule::Enumeration, {}, &kProcessorTypeNames},
        {"Win32_Processor", "Family", Rule::Enumeration, {}, &kProcessorFamilyNames},
        {"Win32_Processor", "UpgradeMethod", Rule::Enumeration, {}, &kUpgradeMethodNames},
        {"Win32_Processor", "CpuStatus", Rule::Enumeration, {}, &kCpuStatusNames},
        {"Win32_Processor", "Architecture", Rule::Enumeration, {}, &kArchitectureNames},
        {"Win32_Processor", "DataWidth", Rule::Suffix, "bits"},
        {"Win32_Processor", "MaxClockSpeed", Rule::Suffix, "MHz"},
        {"Win32_Processor", "CurrentClockSpeed", Rule::Suffix, "MHz"},
        {"Win32_Processor", "ExtClock", Rule::Suffix, "MHz"},
        {"Win32_Processor", "CurrentVoltage", Rule::TenthsOfVolts},
        {"Win32_PhysicalMemory", "Capacity", Rule::Suffix, "Bytes"},
        {"Win32_PhysicalMemory", "DataWidth", Rule::Suffix, "bits"},
        {"Win32_PhysicalMemory", "TotalWidth", Rule::Suffix, "bits"},
        {"Win32_PhysicalMemory", "FormFactor", Rule::Enumeration, {}, &kMemoryFormFactorNames},
        {"Win32_PhysicalMemory", "MemoryType", Rule::Enumeration, {}, &kMemoryTypeNames},
        {"Win32_NetworkAdapter", "AdapterTypeID", Rule::Enumeration, {}, &kAdapterTypeNames},
        {"Win32_NetworkAdapter", "NetConnectionStatus", Rule::Enumeration, {}, &kNetConnectionStatusNames},
        {"Win32_DisplayConfiguration", "DisplayFrequency", Rule::Suffix, "Hz"},
        {"Win32_ComputerSystem", "TotalPhysicalMemory", Rule::Suffix, "Bytes"},
        {"Win32_ComputerSystem", "SystemStartupDelay", Rule::Suffix, "seconds"},
        {"Win32_ComputerSystem", "ChassisBootupState", Rule::Enumeration, {}, &kSystemStateNames},
        {"Win32_ComputerSystem", "DomainRole", Rule::Enumeration, {}, &kDomainRoleNames},
        {"Win32_ComputerSystem", "ThermalState", Rule::Enumeration, {}, &kSystemStateNames},
        {"Win32_ComputerSystem", "WakeUpType", Rule::Enumeration, {}, &kWakeUpTypeNames},
        {"Win32_ComputerSystem", "PowerState", Rule::Enumeration, {}, &kPowerStateNames},
        {"Win32_OperatingSystem", "FreePhysicalMemory", Rule::Suffix, "KBytes"},
        {"Win32_OperatingSystem", "FreeVirtualMemory", Rule::Suffix, "KBytes"},
        {"Win32_OperatingSystem", "TotalVirtualMemorySize", Rule::Suffix, "KBytes"},
        {"Win32_OperatingSystem", "TotalVisibleMemorySize", Rule::Suffix, "KBytes"},
        {"Win32_OperatingSystem", "MaxProcessMemorySize", Rule::Suffix, "KBytes"},
        {"Win32_OperatingSystem", "OSLanguage", Rule::Language},
        {"Win32_OperatingSystem", "ProductType", Rule::Enumeration, {}, &kProductTypeNames},
        {"Win32_OperatingSystem", "OSType", Rule::Enumeration, {}, &kOsTypeNames},
        {"Win32_OperatingSystem", "LastBootUpTime", Rule::First8},
        {"Win32_VideoController", "AdapterRAM", Rule::Suffix, "Bytes"},
        {"Win32_VideoController", "MaxRefreshRate", Rule::Suffix, "Hz"},
        {"Win32_VideoController", "MinRefreshRate", Rule::Suffix, "Hz"},
        {"Win32_VideoController", "CurrentRefreshRate", Rule::Suffix, "Hz"},
        {"Win32_VideoController", "CurrentScanMode", Rule::Enumeration, {}, &kScanModeNames},
        {"Win32_VideoController", "VideoArchitecture", Rule::Enumeration, {}, &kVideoArchitectureNames},
        {"Win32_VideoController", "VideoMemoryType", Rule::Enumeration, {}, &kVideoMemoryTypeNames},
        {"Win32_VideoController", "ProtocolSupported", Rule::Enumeration, {}, &kProtocolNames},
        {"Win32_VideoController", "DriverDate", Rule::First8},
};

// WMI names classes and properties without regard to case.
bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

const PropertyRule* FindRule(std::string_view className, std::string_view property)
{
    for (const PropertyRule& rule : kRules)
        if (SameName(rule.className, className) && SameName(rule.property, property))
            return &rule;
    return nullptr;
}

// The whole text as a decimal integer, with an optional minus sign.
std::optional<std::int64_t> DecimalNumber(std::string_view text)
{
    std::int64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

template <typename... Args>
std::string Printf(const char* format, Args... args)
{
    char text[128] = {};
    const int length = std::snprintf(text, sizeof text, format, args...);
    return length < 0 ? std::string() : std::string(text);
}

std::string NamedNumber(std::string_view name, std::int64_t number)
{
    return std::string(name) + " (" + std::to_string(number) + ")";
}

}  // namespace

std::string FormatByClassRule(std::string_view className, std::string_view property, std::string text)
{
    const PropertyRule* rule = FindRule(className, property);
    if (rule == nullptr || text == kNullText || text == kConversionErrorText)
        return text;
    switch (rule->rule) {
    case Rule::BarsToCommas:
        std::replace(text.begin(), text.end(), '|', ',');
        return text;
    case Rule::First8:
        return text.substr(0, std::min<std::size_t>(text.size(), 8));
    case Rule::Suffix:
        return text + " " + std::string(rule->unit);
    default:
        break;
    }

    const std::optional<std::int64_t> number = DecimalNumber(text);
    if (!number)
        return text;
    switch (rule->rule) {
    case Rule::Enumeration:
        return NamedNumber(rule->names->Name(*number), *number);
    case Rule::TenthsOfVolts:
        return Printf("%.1f V", static_cast<double>(*number) * 0.1);
    case Rule::Language: {
        const std::string_view language = LanguageName(*number);
        return language.empty()
                       ? text
                       : Printf("%s (%.4llx)", std::string(language).c_str(), static_cast<unsigned long long>(*number));
    }
    default:
        return text;
    }
}

std::vector<ClassProperty> PropertiesWithRules()
{
    std::vector<ClassProperty> properties;
    for (const PropertyRule& rule : kRules)
        properties.push_back({.className = rule.className, .property = rule.property});
    return properties;
}

std::string ApplyPropertyFormat(std::string_view className, std::string_view property, std::string text,
                                const PropertyConfig& config)
{
    switch (ModeOf(config.Entry(className, property))) {
    case PropertyMode::Hidden:
        return std::string(kNullText);
    case PropertyMode::Formatted:
        return FormatByClassRule(className, property, std::move(text));
    case PropertyMode::Plain:
    default:
        return text;
    }
}

}  // namespace vantor::wmi
