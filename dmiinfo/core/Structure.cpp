#include "core/Structure.h"

namespace vantor::dmi {

inline constexpr std::size_t kHeaderLength = 4;

std::size_t Structure::FormattedLength(std::span<const std::uint8_t> table, std::size_t offset)
{
    if (offset > table.size() || table.size() - offset < kHeaderLength) {
        return 0;
    }
    const std::size_t length = table[offset + 1];
    if (length < kHeaderLength || length > table.size() - offset) {
        return 0;
    }
    return length;
}

std::optional<Structure> Structure::At(std::span<const std::uint8_t> table, std::size_t offset)
{
    const std::size_t length = FormattedLength(table, offset);
    if (length == 0) {
        return std::nullopt;
    }
    return Structure(table.subspan(offset, length), StringSet(table.subspan(offset + length)));
}

std::optional<std::uint8_t> Structure::Byte(std::size_t offset) const
{
    if (!Covers(offset, 1)) {
        return std::nullopt;
    }
    return m_formatted[offset];
}

std::optional<std::uint16_t> Structure::Word(std::size_t offset) const
{
    if (!Covers(offset, 2)) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(m_formatted[offset] | m_formatted[offset + 1] << 8);
}

std::optional<std::uint32_t> Structure::Dword(std::size_t offset) const
{
    if (!Covers(offset, 4)) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | m_formatted[offset + i];
    }
    return value;
}

std::string_view Structure::FindString(std::size_t offset) const
{
    const auto number = Byte(offset);
    return number ? m_strings.At(*number) : std::string_view();
}

std::string Structure::String(std::size_t offset) const
{
    const std::string_view text = FindString(offset);
    return text.empty() ? std::string("None") : std::string(text);
}

std::string Structure::StringNumber(std::size_t number) const
{
    const std::string_view text = m_strings.At(number);
    return text.empty() ? std::string("None") : std::string(text);
}

}  // namespace vantor::dmi
