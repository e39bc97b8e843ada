#include "IniValue.h"

#include "Text.h"

namespace boardsim {
namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Lower(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

NumberStatus ParseInteger(std::string_view text, std::int64_t minimum, std::int64_t maximum, std::int64_t& value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return NumberStatus::NotANumber;
    }
    // Every board value fits 32 bits (signed or not); anything past 2^40 is
    // out of range, whatever follows.
    constexpr std::uint64_t kCeiling = std::uint64_t{1} << 40;
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    for (char c : text) {
        int digit = DigitValue(c);
        if (digit < 0 || digit >= base) {
            return NumberStatus::NotANumber;
        }
        if (!tooLarge) {
            magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
            tooLarge = magnitude > kCeiling;
        }
    }
    if (tooLarge) {
        return NumberStatus::OutOfRange;
    }
    std::int64_t signedValue = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (signedValue < minimum || signedValue > maximum) {
        return NumberStatus::OutOfRange;
    }
    value = signedValue;
    return NumberStatus::Ok;
}

bool ParseSwitch(std::string_view text, bool& value)
{
    if (EqualsIgnoringCase(text, "yes") || EqualsIgnoringCase(text, "true") || EqualsIgnoringCase(text, "on") ||
        text == "1") {
        value = true;
        return true;
    }
    if (EqualsIgnoringCase(text, "no") || EqualsIgnoringCase(text, "false") || EqualsIgnoringCase(text, "off") ||
        text == "0") {
        value = false;
        return true;
    }
    return false;
}

bool IsAcpiName(std::string_view text)
{
    if (text.size() != 4 || (text[0] >= '0' && text[0] <= '9')) {
        return false;
    }
    for (char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) {
            return false;
        }
    }
    return true;
}

bool ListReader::Next(std::string_view& element)
{
    if (m_done) {
        return false;
    }
    std::size_t comma = FindChar(m_rest, ',');
    if (comma == kNotFound) {
        element = Trim(m_rest);
        m_done = true;
    } else {
        element = Trim(std::string_view(m_rest.data(), comma));
        m_rest.remove_prefix(comma + 1);
    }
    return true;
}

}  // namespace boardsim
