#include "FunctionConfig.h"

namespace vantor::pci {

std::uint8_t FunctionConfig::Byte(unsigned offset)
{
    offset &= kConfigSize - 1;
    const std::uint32_t value = m_space->ReadDword(m_at, static_cast<std::uint8_t>(offset & ~3u));
    return static_cast<std::uint8_t>(value >> (8 * (offset % 4)));
}

std::uint16_t FunctionConfig::Word(unsigned offset)
{
    return static_cast<std::uint16_t>(Byte(offset) | Byte(offset + 1) << 8);
}

std::uint32_t FunctionConfig::Dword(unsigned offset)
{
    return std::uint32_t{Word(offset)} | std::uint32_t{Word(offset + 2)} << 16;
}

std::uint32_t RegisterCache::ReadDword(FunctionAddress at, std::uint8_t offset)
{
    const std::uint32_t key = Mechanism1::AddressOf(at, offset);
    if (const auto found = m_registers.find(key); found != m_registers.end())
        return found->second;
    const std::uint32_t value = m_space.ReadDword(at, offset);
    m_registers.emplace(key, value);
    return value;
}

}  // namespace vantor::pci
