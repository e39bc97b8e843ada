// The ACPI_METHOD_ARGUMENT layout shared by request argument blocks and
// result lists: Type (2 bytes), DataLength (2 bytes), then the data, padded
// to at least 4 bytes. Arguments follow each other without further alignment.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace vantor::hw {

enum class ArgumentType : std::uint16_t {
    Integer = 0,
    String = 1,
    Buffer = 2
};

inline constexpr std::size_t kArgumentHeaderSize = 4;

// Bytes one argument occupies: an integer's 4-byte value, or a string's or
// buffer's bytes, never less than 4.
constexpr std::size_t ArgumentSize(std::size_t dataLength)
{
    return kArgumentHeaderSize + std::max<std::size_t>(4, dataLength);
}

}  // namespace vantor::hw
