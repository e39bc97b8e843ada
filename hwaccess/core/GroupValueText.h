// The option text of a value of a range item of the group interface; the
// item's kind (1 to 6) says how the firmware's number reads to a person.
#pragma once

#include <cstdint>
#include <string>

namespace vantor::hw {

// Kind 1: v / 100 with two decimals ("1.50"); 2: v / 1000 with three
// ("1.375"); 3: v / 10 as a whole number, cut toward zero; 4 and 6: v; 5: v
// and "%". Empty for any other kind. The decimal point is always ".".
std::string GroupValueText(std::uint32_t kind, std::int64_t value);

}  // namespace vantor::hw
