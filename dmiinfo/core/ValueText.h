// Small text rules shared by the decoders: comma lists of flag names and the
// number forms the INI values use (hexadecimal always in lower case).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vantor::dmi {

// Appends `name` to a comma list: "," first unless the list is empty.
void JoinFlags(std::string& list, std::string_view name);

// The comma list of the names whose bit is set in `bits`, in the order given.
std::string FlagList(std::uint32_t bits, std::initializer_list<std::pair<int, std::string_view>> names);

// "None" for an empty text, the text otherwise.
std::string OrNone(std::string text);

// "%d" of a 32-bit value; `minDigits` pads with leading zeros ("%.2d").
std::string Decimal(long long value, int minDigits = 1);

// Lower-case hexadecimal; `minDigits` pads with leading zeros ("%.8x").
std::string Hex(std::uint32_t value, int minDigits = 1);

}  // namespace vantor::dmi
