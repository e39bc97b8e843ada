#include "ErrorText.h"

#include "Divide.h"

namespace boardsim {

namespace {
constexpr std::size_t kQuotedMax = 24;
}

ErrorText::ErrorText(char* buffer, std::size_t capacity) : m_buffer(buffer), m_capacity(capacity)
{
    if (m_capacity > 0) {
        m_buffer[0] = '\0';
    }
}

void ErrorText::Put(char c)
{
    if (m_length + 1 < m_capacity) {
        m_buffer[m_length++] = c;
        m_buffer[m_length] = '\0';
    }
}

ErrorText& ErrorText::Text(std::string_view text)
{
    for (char c : text) {
        Put(c);
    }
    return *this;
}

ErrorText& ErrorText::Quoted(std::string_view text)
{
    Put('\'');
    if (text.size() > kQuotedMax) {
        Text(std::string_view(text.data(), kQuotedMax)).Text("...");
    } else {
        Text(text);
    }
    Put('\'');
    return *this;
}

ErrorText& ErrorText::Decimal(std::int64_t value)
{
    char digits[24];
    std::size_t count = 0;
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        Quotient step = DivideU64(magnitude, 10);
        digits[count++] = static_cast<char>('0' + step.remainder);
        magnitude = step.quotient;
    } while (magnitude != 0);
    if (value < 0) {
        Put('-');
    }
    while (count > 0) {
        Put(digits[--count]);
    }
    return *this;
}

ErrorText& ErrorText::Hex(std::uint32_t value)
{
    Text("0x");
    for (int shift = 28; shift >= 0; shift -= 4) {
        Put("0123456789ABCDEF"[(value >> shift) & 0xF]);
    }
    return *this;
}

}  // namespace boardsim
