#include "ConfigSpace.h"

namespace vantor::pci {

std::uint32_t Mechanism1::AddressOf(FunctionAddress at, std::uint8_t offset)
{
    return 0x80000000u | std::uint32_t{at.bus} << 16 | std::uint32_t{at.device & 0x1Fu} << 11 |
           std::uint32_t{at.function & 0x7u} << 8 | (offset & 0xFCu);
}

std::uint32_t Mechanism1::ReadDword(FunctionAddress at, std::uint8_t offset)
{
    m_ports.OutPortD(kConfigAddressPort, AddressOf(at, offset));
    return m_ports.InPortD(kConfigDataPort);
}

}  // namespace vantor::pci
