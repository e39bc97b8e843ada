// The text written for a property: its converted value, shown, formatted by
// the class's rule, or hidden as "NULL", as WMIConfig.ini says.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/PropertyConfig.h"

namespace vantor::wmi {

// `className` is the class as the export asked for it (the WMIConfig.ini
// section), `text` the value from FormatVariant.
std::string ApplyPropertyFormat(std::string_view className, std::string_view property, std::string text,
                                const PropertyConfig& config);

// The class's rule alone, for a property whose entry is "TRUE". A rule that
// reads a number leaves a text that is not a decimal integer as it is, and no
// rule touches "NULL" or "<conversion error>": a missing value is not value 0.
std::string FormatByClassRule(std::string_view className, std::string_view property, std::string text);

struct ClassProperty {
    std::string_view className;
    std::string_view property;
};
// Every property that has a rule, class by class.
std::vector<ClassProperty> PropertiesWithRules();

}  // namespace vantor::wmi
