#include "core/DescriptorRule.h"

#include <algorithm>

namespace vantor::hw {

namespace {

constexpr std::size_t kIdElement = 0;
constexpr std::size_t kNameElement = 1;
constexpr std::size_t kFirstWordElement = 2;

}  // namespace

void ApplyDescriptorRule(const ResultList& result, std::uint32_t& itemId, std::span<char, kDescriptorNameSize> name,
                         std::span<std::uint32_t> words)
{
    itemId = 0;
    std::fill(name.begin(), name.end(), '\0');
    std::fill(words.begin(), words.end(), 0u);
    if (result.CountSecondByte() == 0 && result.CountLowByte() <= 1) {
        return;
    }

    itemId = result.IntegerAt(kIdElement);
    const std::string_view text = result.StringAt(kNameElement);
    const std::size_t length = std::min(text.size(), kDescriptorNameSize - 1);
    std::copy_n(text.begin(), length, name.begin());
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = result.IntegerAt(kFirstWordElement + i);
    }
}

}  // namespace vantor::hw
