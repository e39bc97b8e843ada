#include "core/StringSet.h"

#include <algorithm>

namespace vantor::dmi {

StringSet::StringSet(std::span<const std::uint8_t> bytes) {
    const char* text = reinterpret_cast<const char*>(bytes.data());
    std::size_t offset = 0;
    while (offset < bytes.size() && m_size < kMaxStrings) {
        const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
        const auto nul = std::find(begin, bytes.end(), std::uint8_t{0});
        const auto length = static_cast<std::size_t>(nul - begin);
        if (length == 0) {
            break;
        }
        m_strings[++m_size] = std::string_view(text + offset, length);
        offset += length + 1;
    }
}

std::string_view StringSet::At(std::size_t number) const {
    return number <= m_size ? m_strings[number] : std::string_view();
}

}  // namespace vantor::dmi
