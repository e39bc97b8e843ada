// One table of SmBIOS.ini lookups that both readers answer alike: the native
// IniNameTable and the Windows profile functions (run under Wine).
#pragma once

#include <cstdint>
#include <string>

namespace vantor::dmi::cases {

inline const std::string kNamesFileText = "; comment\r\n"
                                          "[Slot Usage]\r\n"
                                          "03 = Available \r\n"
                                          "04=In use\r\n"
                                          "04=Second\r\n"
                                          "05=\r\n"
                                          "[ memory form factor ]\r\n"
                                          "0D=SODIMM\r\n"
                                          "[Long]\r\n"
                                          "01=" +
                                          std::string(80, 'x') + "\r\n";

struct NameCase {
    const char* label;
    const char* section;
    std::uint8_t value;
    std::string expected;  // what SmbiosName gives
};

inline const NameCase kNameCases[] = {
        {"blanks around key and value", "Slot Usage", 0x03, "Available"},
        {"first of two keys, any case", "slot usage", 0x04, "In use"},
        {"empty value", "Slot Usage", 0x05, "Unknown"},
        {"missing key", "Slot Usage", 0x06, "Unknown"},
        {"blanks inside the brackets, upper-case key", "Memory Form Factor", 0x0D, "SODIMM"},
        {"missing section", "No Such Section", 0x03, "Unknown"},
        {"cut at 63 characters", "Long", 0x01, std::string(63, 'x')},
};

}  // namespace vantor::dmi::cases
