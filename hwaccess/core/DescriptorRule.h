// Reading a descriptor object (a sensor, a fan-control feature, an
// overclocking item) into a fixed record: the ItemId, a 32-byte name and a
// number of value words, which differs by record kind.
//
// With n the low byte and f the second byte of Count: when f is non-zero or n
// is greater than 1, element 0 is the ItemId, element 1's string the name and
// elements 2, 3, ... the value words, as many as the record has. Otherwise the
// object describes nothing and the record is all zero.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/ResultList.h"

namespace vantor::hw {

// The name field holds at most 31 characters and always a NUL.
inline constexpr std::size_t kDescriptorNameSize = 32;

// Fills every output: what the rule takes, zero everywhere else (the name
// past its NUL, value words the list does not have, all of it when the rule
// takes nothing).
void ApplyDescriptorRule(const ResultList& result, std::uint32_t& itemId, std::span<char, kDescriptorNameSize> name,
                         std::span<std::uint32_t> words);

template <std::size_t WordCount>
struct DescriptorRecord {
    std::uint32_t itemId = 0;
    std::array<char, kDescriptorNameSize> name{};
    std::array<std::uint32_t, WordCount> words{};

    friend bool operator==(const DescriptorRecord&, const DescriptorRecord&) = default;
};

template <std::size_t WordCount>
DescriptorRecord<WordCount> ReadDescriptor(const ResultList& result)
{
    DescriptorRecord<WordCount> record;
    ApplyDescriptorRule(result, record.itemId, record.name, record.words);
    return record;
}

}  // namespace vantor::hw
