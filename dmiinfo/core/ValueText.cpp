#include "core/ValueText.h"

#include <charconv>

namespace vantor::dmi {
namespace {

std::string Padded(std::string digits, int minDigits)
{
    const bool negative = !digits.empty() && digits.front() == '-';
    const std::size_t length = digits.size() - (negative ? 1 : 0);
    if (static_cast<int>(length) < minDigits) {
        digits.insert(negative ? 1 : 0, static_cast<std::size_t>(minDigits) - length, '0');
    }
    return digits;
}

}  // namespace

void JoinFlags(std::string& list, std::string_view name)
{
    if (!list.empty()) {
        list += ',';
    }
    list += name;
}

std::string FlagList(std::uint32_t bits, std::initializer_list<std::pair<int, std::string_view>> names)
{
    std::string list;
    for (const auto& [bit, name] : names) {
        if (bits >> bit & 1U) {
            JoinFlags(list, name);
        }
    }
    return list;
}

std::string OrNone(std::string text) { return text.empty() ? std::string("None") : text; }

std::string Decimal(long long value, int minDigits)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Padded(std::string(buffer, result.ptr), minDigits);
}

std::string Hex(std::uint32_t value, int minDigits)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    return Padded(std::string(buffer, result.ptr), minDigits);
}

}  // namespace vantor::dmi
