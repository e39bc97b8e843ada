// Typed readings of board-file values: integers (decimal or 0x hex, with an
// optional sign), yes/no switches, ACPI names and comma-separated lists.
#ifndef BOARDSIM_INIVALUE_H
#define BOARDSIM_INIVALUE_H

#include <cstdint>
#include <string_view>

namespace boardsim {

enum class NumberStatus {
    Ok,
    NotANumber,
    OutOfRange
};

// An integer within [minimum, maximum].
NumberStatus ParseInteger(std::string_view text, std::int64_t minimum, std::int64_t maximum, std::int64_t& value);

// yes/no, true/false, on/off, 1/0 (any case).
bool ParseSwitch(std::string_view text, bool& value);

// A four-character ACPI name: 'A'-'Z', '0'-'9' and '_', not starting with a
// digit.
bool IsAcpiName(std::string_view text);

// Steps through a comma-separated list, yielding trimmed elements.
class ListReader {
public:
    explicit ListReader(std::string_view text) : m_rest(text), m_done(text.empty()) {}

    bool Next(std::string_view& element);

private:
    std::string_view m_rest;
    bool m_done;
};

}  // namespace boardsim

#endif
