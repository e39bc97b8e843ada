// A property value as text, by its variant type: numbers in C formats, strings
// as they are, booleans as TRUE or FALSE, arrays and NULL as "NULL", and any
// type the export does not know as "<conversion error>".
#pragma once

#include <string>
#include <string_view>

#include "core/WmiValue.h"

namespace vantor::wmi {

inline constexpr std::string_view kNullText = "NULL";
inline constexpr std::string_view kConversionErrorText = "<conversion error>";

std::string FormatVariant(const WmiValue& value);

}  // namespace vantor::wmi
