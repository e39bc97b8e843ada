#include "core/FormatVariant.h"

#include <cstdio>

namespace vantor::wmi {
namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args)
{
    char text[kMaxValueChars + 1] = {};  // the value text buffer; "%10.4f" of any double fits
    const int length = std::snprintf(text, sizeof text, format, args...);
    return length < 0 ? std::string() : std::string(text);
}

bool IsArrayOfKnownType(std::uint16_t type)
{
    if ((type & kVtArray) == 0)
        return false;
    switch (type & ~kVtArray) {
    case kVtI2:
    case kVtI4:
    case kVtR4:
    case kVtR8:
    case kVtBstr:
    case kVtDispatch:
    case kVtBool:
    case kVtUi1:
        return true;
    default:
        return false;
    }
}

}  // namespace

std::string FormatVariant(const WmiValue& value)
{
    switch (value.type) {
    case kVtNull:
        return std::string(kNullText);
    case kVtI2:
        // The sixteen bits read as unsigned: a uint16 property that WMI
        // carries as VT_I2 shows as the positive number it is.
        return Printf("%u", static_cast<unsigned>(static_cast<std::uint16_t>(value.integer)));
    case kVtI4:
        return Printf("%d", static_cast<int>(static_cast<std::int32_t>(value.integer)));
    case kVtR4:
    case kVtR8:
        return Printf("%10.4f", value.real);
    case kVtBstr:
        return value.text;
    case kVtBool:
        return value.integer != 0 ? "TRUE" : "FALSE";
    case kVtUi1:
        return Printf("%d", static_cast<int>(static_cast<std::uint8_t>(value.integer)));
    default:
        return IsArrayOfKnownType(value.type) ? std::string(kNullText) : std::string(kConversionErrorText);
    }
}

}  // namespace vantor::wmi
