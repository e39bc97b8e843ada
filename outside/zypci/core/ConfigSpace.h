// PCI configuration space as the walk and the decoder read it: 32-bit
// registers of a bus/device/function. Mechanism1 reads them the way
// firmware does on a PC, through the I/O ports 0xCF8 (address) and 0xCFC
// (data); it writes nothing but the address register.
#pragma once

#include <cstdint>

namespace vantor::pci {

struct FunctionAddress {
    std::uint8_t bus = 0;
    std::uint8_t device = 0;    // 0 to 31
    std::uint8_t function = 0;  // 0 to 7

    friend bool operator==(const FunctionAddress&, const FunctionAddress&) = default;
    friend auto operator<=>(const FunctionAddress&, const FunctionAddress&) = default;
};

class ConfigSpace {
public:
    virtual ~ConfigSpace() = default;
    // The register at `offset` (a multiple of 4 below 256). A function that
    // is not there reads all ones.
    virtual std::uint32_t ReadDword(FunctionAddress at, std::uint8_t offset) = 0;
};

// The processor's I/O ports, as ZyIO.dll offers them.
class PortIo {
public:
    virtual ~PortIo() = default;
    virtual std::uint32_t InPortD(std::uint16_t port) = 0;
    virtual void OutPortD(std::uint16_t port, std::uint32_t value) = 0;
};

inline constexpr std::uint16_t kConfigAddressPort = 0xCF8;
inline constexpr std::uint16_t kConfigDataPort = 0xCFC;

// Configuration mechanism 1: the enable bit, bus, device, function and
// register number to 0xCF8, then the register from 0xCFC.
class Mechanism1 final : public ConfigSpace {
public:
    explicit Mechanism1(PortIo& ports) : m_ports(ports) {}
    std::uint32_t ReadDword(FunctionAddress at, std::uint8_t offset) override;

    static std::uint32_t AddressOf(FunctionAddress at, std::uint8_t offset);

private:
    PortIo& m_ports;
};

}  // namespace vantor::pci
