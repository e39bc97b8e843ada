#include "core/StringSet.h"

#include <algorithm>

namespace vantor::dmi {

template <typename Visit>
void StringSet::ForEach(Visit visit) const
{
    const char* text = reinterpret_cast<const char*>(m_bytes.data());
    std::size_t offset = 0;
    for (std::size_t number = 1; number <= kMaxStrings && offset < m_bytes.size(); ++number) {
        const auto begin = m_bytes.begin() + static_cast<std::ptrdiff_t>(offset);
        const auto length = static_cast<std::size_t>(std::find(begin, m_bytes.end(), std::uint8_t{0}) - begin);
        if (length == 0 || !visit(number, std::string_view(text + offset, length))) {
            return;
        }
        offset += length + 1;
    }
}

std::string_view StringSet::At(std::size_t number) const
{
    std::string_view found;
    if (number == 0 || number > kMaxStrings) {
        return found;
    }
    ForEach([&](std::size_t k, std::string_view text) {
        if (k == number) {
            found = text;
        }
        return k < number;
    });
    return found;
}

std::size_t StringSet::Size() const
{
    std::size_t size = 0;
    ForEach([&](std::size_t k, std::string_view) {
        size = k;
        return true;
    });
    return size;
}

}  // namespace vantor::dmi
