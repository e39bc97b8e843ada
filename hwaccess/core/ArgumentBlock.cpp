#include "core/ArgumentBlock.h"

#include "core/LittleEndian.h"

namespace vantor::hw {

ArgumentBlock ArgumentBlock::None() { return ArgumentBlock(ArgumentForm::NoArguments); }

ArgumentBlock ArgumentBlock::Integer(std::uint32_t value)
{
    ArgumentBlock block(ArgumentForm::OneInteger);
    block.AppendInteger(value);
    return block;
}

ArgumentBlock ArgumentBlock::Integers(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    ArgumentBlock block(ArgumentForm::ArgumentList);
    block.AppendInteger(a);
    block.AppendInteger(b);
    block.AppendInteger(c);
    return block;
}

std::optional<ArgumentBlock> ArgumentBlock::Buffer(std::span<const std::uint32_t> words)
{
    if (words.size() > kMaxBufferWords) {
        return std::nullopt;
    }
    ArgumentBlock block(ArgumentForm::ArgumentList);
    const std::size_t dataLength = 4 * words.size();
    StoreU16(block.m_bytes, 0, static_cast<std::uint16_t>(ArgumentType::Buffer));
    StoreU16(block.m_bytes, 2, static_cast<std::uint16_t>(dataLength));
    for (std::size_t i = 0; i < words.size(); ++i) {
        StoreU32(block.m_bytes, kArgumentHeaderSize + 4 * i, words[i]);
    }
    // An empty buffer still occupies the 4-byte minimum, left zero.
    block.m_size = ArgumentSize(dataLength);
    block.m_count = 1;
    return block;
}

void ArgumentBlock::AppendInteger(std::uint32_t value)
{
    const std::span<std::uint8_t> bytes = m_bytes;
    StoreU16(bytes, m_size, static_cast<std::uint16_t>(ArgumentType::Integer));
    StoreU16(bytes, m_size + 2, 4);
    StoreU32(bytes, m_size + kArgumentHeaderSize, value);
    m_size += ArgumentSize(4);
    ++m_count;
}

}  // namespace vantor::hw
