// The arguments of one method call, encoded as back-to-back ACPI method
// arguments. Fixed-size storage, so building a call never allocates.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/MethodArgument.h"

namespace vantor::hw {

// How the request header describes its arguments.
enum class ArgumentForm : std::uint32_t {
    NoArguments = 1,
    OneInteger = 2,
    ArgumentList = 4
};

// The largest buffer argument we send. The firmware's buffer methods take a
// handful of words; the cap keeps the block in fixed storage.
inline constexpr std::size_t kMaxBufferWords = 64;
inline constexpr std::size_t kMaxArgumentBlockSize = ArgumentSize(4 * kMaxBufferWords);

class ArgumentBlock {
public:
    static ArgumentBlock None();
    static ArgumentBlock Integer(std::uint32_t value);
    static ArgumentBlock Integers(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // One buffer argument holding the words; empty beyond kMaxBufferWords.
    static std::optional<ArgumentBlock> Buffer(std::span<const std::uint32_t> words);

    ArgumentForm Form() const { return m_form; }
    std::uint32_t Count() const { return m_count; }
    std::span<const std::uint8_t> Bytes() const { return std::span(m_bytes).first(m_size); }

private:
    explicit ArgumentBlock(ArgumentForm form) : m_form(form) {}

    void AppendInteger(std::uint32_t value);

    ArgumentForm m_form;
    std::uint32_t m_count = 0;
    std::size_t m_size = 0;
    std::array<std::uint8_t, kMaxArgumentBlockSize> m_bytes{};
};

}  // namespace vantor::hw
