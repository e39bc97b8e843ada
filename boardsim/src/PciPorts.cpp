#include "PciPorts.h"

namespace boardsim {
namespace {

constexpr std::uint32_t kEnableBit = 0x80000000u;
// Bits of the address register that hold anything: enable, bus, device,
// function and the register's dword number. The reserved bits 30-24 and
// the two low bits read back as 0.
constexpr std::uint32_t kAddressBits = 0x80FFFFFCu;

// One byte of the data window: byte `lane` (0 to 3) of the addressed
// register.
std::uint8_t DataByte(const PciSpace& space, std::uint32_t lane)
{
    const std::uint32_t address = space.address;
    if (!(address & kEnableBit)) {
        return 0xFF;
    }
    const PciFunction* function =
            FindPciFunction(space, (address >> 16) & 0xFF, (address >> 11) & 0x1F, (address >> 8) & 0x7);
    if (!function) {
        return 0xFF;  // no device answers: the bus reads all ones
    }
    // What the snapshot did not capture reads as an unreadable register.
    const std::uint32_t offset = (address & 0xFC) + lane;
    return offset < function->length ? function->bytes[offset] : 0xFF;
}

std::uint8_t PortByte(const PciSpace& space, std::uint32_t port)
{
    if (port >= kConfigDataPort && port < kConfigDataPort + 4) {
        return DataByte(space, port - kConfigDataPort);
    }
    return 0xFF;
}

}  // namespace

std::uint32_t ReadPorts(const PciSpace& space, std::uint32_t port, std::uint32_t width)
{
    // Only a whole 32-bit access reaches the address register; narrower ones
    // go to whatever else shares those ports (nothing, here).
    if (port == kConfigAddressPort && width == 4) {
        return space.address;
    }
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint32_t>(PortByte(space, port + i)) << (8 * i);
    }
    return value;
}

void WritePorts(PciSpace& space, std::uint32_t port, std::uint32_t width, std::uint32_t value)
{
    if (port == kConfigAddressPort && width == 4) {
        space.address = value & kAddressBits;
    }
}

}  // namespace boardsim
