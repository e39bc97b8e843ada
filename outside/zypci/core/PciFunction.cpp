#include "PciFunction.h"

#include <array>

namespace vantor::pci {
namespace {

constexpr std::uint16_t kStatusCapabilityList = 0x0010;
constexpr std::uint8_t kSubsystemCapability = 0x0D;
// The list lives in 0x40-0xFF: at most 48 entries of 4 bytes.
constexpr unsigned kMaxCapabilities = 48;

// Layout of the fields that move between the three header types.
struct Layout {
    unsigned baseAddressCount;
    unsigned capabilityPointer;
    unsigned romRegister;        // 0: none
    unsigned subsystemRegister;  // 0: only through the capability
};

constexpr Layout LayoutOf(HeaderLayout layout)
{
    switch (layout) {
    case HeaderLayout::General:
        return {6, 0x34, 0x30, 0x2C};
    case HeaderLayout::Bridge:
        return {2, 0x34, 0x38, 0};
    case HeaderLayout::CardBus:
        return {1, 0x14, 0, 0x40};
    case HeaderLayout::Unknown:
        break;
    }
    return {0, 0, 0, 0};
}

void DecodeBaseAddresses(FunctionConfig& config, unsigned count, PciFunctionInfo& info)
{
    for (unsigned index = 0; index < count; ++index) {
        std::uint32_t low = config.Dword(0x10 + 4 * index);
        if (low == 0xFFFFFFFF)
            low = 0;  // an unreadable register, as if unused
        BaseAddress bar;
        bar.index = index;
        if (low & 1) {
            bar.space = BaseAddress::Space::Io;
            bar.address = low & ~std::uint32_t{3};
            if (low != 0)
                info.baseAddresses.push_back(bar);
            continue;
        }
        constexpr BaseAddress::Space kTypes[] = {BaseAddress::Space::Memory32, BaseAddress::Space::Memory1M,
                                                 BaseAddress::Space::Memory64, BaseAddress::Space::MemoryReserved};
        bar.space = kTypes[(low >> 1) & 3];
        bar.prefetchable = (low & 8) != 0;
        bar.address = low & ~std::uint32_t{0xF};
        std::uint32_t high = 0;
        // A 64-bit register in the last slot has no upper half to read.
        if (bar.space == BaseAddress::Space::Memory64 && index + 1 < count) {
            high = config.Dword(0x10 + 4 * (index + 1));
            bar.address |= std::uint64_t{high} << 32;
            ++index;
        }
        if (low != 0 || high != 0)
            info.baseAddresses.push_back(bar);
    }
}

void DecodeCapabilities(FunctionConfig& config, unsigned pointerRegister, PciFunctionInfo& info)
{
    std::array<bool, kConfigSize> visited{};
    unsigned pointer = config.Byte(pointerRegister) & 0xFCu;
    while (pointer != 0) {
        if (pointer < 0x40 || visited[pointer] || info.capabilities.size() == kMaxCapabilities) {
            info.capabilityListBroken = true;
            return;
        }
        visited[pointer] = true;
        const std::uint8_t id = config.Byte(pointer);
        if (id == 0xFF) {
            info.capabilityListBroken = true;  // nothing readable there
            return;
        }
        info.capabilities.push_back({static_cast<std::uint8_t>(pointer), id});
        pointer = config.Byte(pointer + 1) & 0xFCu;
    }
}

// Vendor 0 is no vendor (a device that leaves the registers empty), 0xFFFF
// an unreadable register: either way the function names no subsystem.
std::optional<SubsystemId> Subsystem(std::uint16_t vendor, std::uint16_t device)
{
    if (vendor == 0 || vendor == 0xFFFF)
        return std::nullopt;
    return SubsystemId{vendor, device};
}

}  // namespace

PciFunctionInfo DecodeFunction(FunctionConfig& config)
{
    PciFunctionInfo info;
    info.at = config.Address();
    info.vendorId = config.Word(0x00);
    info.deviceId = config.Word(0x02);
    info.command = config.Word(0x04);
    info.status = config.Word(0x06);
    info.revision = config.Byte(0x08);
    info.programmingInterface = config.Byte(0x09);
    info.subclass = config.Byte(0x0A);
    info.classCode = config.Byte(0x0B);
    info.headerType = config.Byte(0x0E);
    const unsigned type = info.headerType & 0x7Fu;
    info.layout = type <= 2 ? static_cast<HeaderLayout>(type) : HeaderLayout::Unknown;
    if (info.layout == HeaderLayout::Unknown)
        return info;  // nothing past the common first 16 bytes is known

    const Layout layout = LayoutOf(info.layout);
    DecodeBaseAddresses(config, layout.baseAddressCount, info);
    if (layout.romRegister != 0) {
        const std::uint32_t rom = config.Dword(layout.romRegister);
        if (rom != 0 && rom != 0xFFFFFFFF)
            info.expansionRom = ExpansionRom{rom & 0xFFFFF800u, (rom & 1) != 0};
    }
    info.interruptLine = config.Byte(0x3C);
    info.interruptPin = config.Byte(0x3D);
    if (info.layout != HeaderLayout::General)
        info.buses = BusNumbers{config.Byte(0x18), config.Byte(0x19), config.Byte(0x1A)};
    if (info.status & kStatusCapabilityList)
        DecodeCapabilities(config, layout.capabilityPointer, info);
    if (layout.subsystemRegister != 0) {
        info.subsystem = Subsystem(config.Word(layout.subsystemRegister), config.Word(layout.subsystemRegister + 2));
    } else {
        for (const Capability& capability : info.capabilities) {
            if (capability.id == kSubsystemCapability) {
                info.subsystem = Subsystem(config.Word(capability.offset + 4u), config.Word(capability.offset + 6u));
                break;
            }
        }
    }
    return info;
}

}  // namespace vantor::pci
