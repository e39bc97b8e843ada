// What one function's configuration space says, decoded from the standard
// header (PCI Local Bus 3.0, PCI-to-PCI Bridge 1.2, PC Card CardBus bridge
// layouts) and the capability list. Everything is read through
// FunctionConfig; nothing is written (no BAR sizing).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "FunctionConfig.h"

namespace vantor::pci {

enum class HeaderLayout : std::uint8_t {
    General,  // 0: an endpoint
    Bridge,   // 1: PCI-to-PCI bridge
    CardBus,  // 2: CardBus bridge
    Unknown,
};

struct BaseAddress {
    enum class Space : std::uint8_t {
        Io,
        Memory32,
        Memory1M,  // below 1 MiB (legacy)
        Memory64,
        MemoryReserved,  // memory type 3
    };
    unsigned index = 0;  // register 0 to 5; a 64-bit one takes index + 1 too
    Space space = Space::Memory32;
    bool prefetchable = false;
    std::uint64_t address = 0;  // flag bits cleared; 0 when unassigned
};

struct ExpansionRom {
    std::uint32_t address = 0;
    bool enabled = false;
};

struct BusNumbers {
    std::uint8_t primary = 0;
    std::uint8_t secondary = 0;
    std::uint8_t subordinate = 0;
};

struct Capability {
    std::uint8_t offset = 0;
    std::uint8_t id = 0;
};

struct SubsystemId {
    std::uint16_t vendor = 0;
    std::uint16_t device = 0;
};

struct PciFunctionInfo {
    FunctionAddress at;
    std::uint16_t vendorId = 0;
    std::uint16_t deviceId = 0;
    std::uint16_t command = 0;
    std::uint16_t status = 0;
    std::uint8_t revision = 0;
    std::uint8_t classCode = 0;
    std::uint8_t subclass = 0;
    std::uint8_t programmingInterface = 0;
    std::uint8_t headerType = 0;  // as read: layout in bits 0-6, bit 7 multi-function
    HeaderLayout layout = HeaderLayout::Unknown;
    std::optional<SubsystemId> subsystem;    // header, or a bridge's capability 0x0D
    std::vector<BaseAddress> baseAddresses;  // the registers in use
    std::optional<ExpansionRom> expansionRom;
    std::uint8_t interruptLine = 0;
    std::uint8_t interruptPin = 0;         // 0 none, 1-4 INTA#-INTD#
    std::optional<BusNumbers> buses;       // bridges
    std::vector<Capability> capabilities;  // in list order
    bool capabilityListBroken = false;     // a pointer out of range, a loop or too long
};

PciFunctionInfo DecodeFunction(FunctionConfig& config);

}  // namespace vantor::pci
