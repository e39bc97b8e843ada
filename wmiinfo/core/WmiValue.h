// One property value as WMI hands it over, without the COM types: the VARIANT
// type number and the payload that type carries. The Win32 side copies a
// VARIANT into it; everything after that is portable.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace vantor::wmi {

// VARIANT type numbers (the automation VARTYPE values), as WMI uses them for
// property values.
inline constexpr std::uint16_t kVtEmpty = 0;
inline constexpr std::uint16_t kVtNull = 1;
inline constexpr std::uint16_t kVtI2 = 2;
inline constexpr std::uint16_t kVtI4 = 3;
inline constexpr std::uint16_t kVtR4 = 4;
inline constexpr std::uint16_t kVtR8 = 5;
inline constexpr std::uint16_t kVtDate = 7;
inline constexpr std::uint16_t kVtBstr = 8;
inline constexpr std::uint16_t kVtDispatch = 9;
inline constexpr std::uint16_t kVtBool = 11;
inline constexpr std::uint16_t kVtUnknown = 13;
inline constexpr std::uint16_t kVtUi1 = 17;
inline constexpr std::uint16_t kVtArray = 0x2000;

struct WmiValue {
    std::uint16_t type = kVtEmpty;
    // VT_I2, VT_I4, VT_UI1: the number as its type holds it; VT_BOOL: the
    // VARIANT_BOOL (0 is false).
    std::int64_t integer = 0;
    // VT_R4, VT_R8.
    double real = 0;
    // VT_BSTR: the string in the ANSI code page, at most kMaxValueChars
    // characters of it.
    std::string text;

    static WmiValue OfType(std::uint16_t type) { return WmiValue{type, 0, 0, {}}; }
    static WmiValue Integer(std::uint16_t type, std::int64_t integer) { return WmiValue{type, integer, 0, {}}; }
    static WmiValue Real(std::uint16_t type, double real) { return WmiValue{type, 0, real, {}}; }
    static WmiValue Bstr(std::string text) { return WmiValue{kVtBstr, 0, 0, std::move(text)}; }
};

// The value text is made in a buffer of 512 wide characters.
inline constexpr std::size_t kMaxValueChars = 511;

}  // namespace vantor::wmi
