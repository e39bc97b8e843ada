// One function's configuration space by byte, word and dword, over whole
// registers of a ConfigSpace.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "ConfigSpace.h"

namespace vantor::pci {

inline constexpr unsigned kConfigSize = 256;

class FunctionConfig {
public:
    FunctionConfig(ConfigSpace& space, FunctionAddress at) : m_space(&space), m_at(at) {}

    FunctionAddress Address() const { return m_at; }
    // Offsets wrap at 256, the end of what mechanism 1 reaches.
    std::uint8_t Byte(unsigned offset);
    std::uint16_t Word(unsigned offset);  // little-endian, may straddle registers
    std::uint32_t Dword(unsigned offset);

private:
    ConfigSpace* m_space;
    FunctionAddress m_at;
};

// Keeps every register once read: the walk and the decoder ask for the same
// registers, and each costs two port accesses.
class RegisterCache final : public ConfigSpace {
public:
    explicit RegisterCache(ConfigSpace& space) : m_space(space) {}
    std::uint32_t ReadDword(FunctionAddress at, std::uint8_t offset) override;

private:
    ConfigSpace& m_space;
    std::unordered_map<std::uint32_t, std::uint32_t> m_registers;
};

}  // namespace vantor::pci
