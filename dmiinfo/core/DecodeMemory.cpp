// Types 5, 6, 16 and 17: memory controller, memory module, physical memory
// array and memory device.
#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {
namespace {

// Supported memory types of a controller (type 5) and a module's type (type 6).
std::string MemoryTypes(std::uint16_t bits)
{
    if (bits & 0x0001) {
        return "Other";
    }
    if (bits & 0x0002) {
        return "Unknown";
    }
    return FlagList(bits, {{2, "Standard"},
                           {3, "Fast Page Mode"},
                           {4, "EDO"},
                           {5, "Parity"},
                           {6, "ECC"},
                           {7, "SIMM"},
                           {8, "DIMM"},
                           {9, "Burst EDO"},
                           {10, "SDRAM"}});
}

std::string ErrorCorrectingCapability(std::uint8_t bits)
{
    // Only the lowest set bit is named.
    static constexpr std::string_view kNames[] = {
            "Other",          "Unknown", "None", "Single Bit Error Correcting", "Double Bit Error Correcting",
            "Error Scrubbing"};
    for (int bit = 0; bit < 6; ++bit) {
        if (bits >> bit & 1) {
            return std::string(kNames[bit]);
        }
    }
    return "None";
}

std::string ControllerVoltage(std::uint8_t v)
{
    switch (v) {
    case 1:
        return "5 V";
    case 2:
        return "3.3 V";
    case 4:
        return "2.9 V";
    default:
        return "Unknown (0x" + Hex(v, 2) + ")";
    }
}

std::string SupportedSpeeds(std::uint8_t bits)
{
    if (bits & 0x01) {
        return "Other";
    }
    if (bits & 0x02) {
        return "Unknown";
    }
    return OrNone(FlagList(bits, {{2, "70ns "}, {3, "60ns "}, {4, "50ns"}}));
}

std::string BankConnections(std::uint8_t bits)
{
    // One RAS line per nibble; 0xF is "no connection".
    std::string list;
    if ((bits & 0x0F) != 0x0F) {
        JoinFlags(list, "RAS# " + Decimal(bits & 0x0F));
    }
    if ((bits >> 4) != 0x0F) {
        JoinFlags(list, "RAS# " + Decimal(bits >> 4));
    }
    return OrNone(list);
}

std::string ModuleSize(std::uint8_t value)
{
    // Bit 7 marks a double-bank connection; bits 0-6 are the size as a power of two.
    const int n = value & 0x7F;
    switch (n) {
    case 0x7D:
        return "Not Determinable";
    case 0x7E:
        return "No Memory Enable";
    case 0x7F:
        return "Not Installed";
    default:
        // 2^31 MB and above is no module size and no 32-bit number.
        return n <= 30 ? Decimal(1LL << n) + " MBytes" : std::string("Unknown");
    }
}

std::string Bits(std::uint16_t width) { return width == 0xFFFF ? std::string("Unknown") : Decimal(width) + " bits"; }

std::string DeviceSize(std::uint16_t size)
{
    if (size == 0) {
        return "No Memory Installed";
    }
    if (size == 0xFFFF) {
        return "Unknown";
    }
    // Bit 15 set: the size is in kilobytes.
    if (size & 0x8000) {
        return Decimal(size & 0x7FFF, 2) + " KBytes";
    }
    return Decimal(size, 2) + " MBytes";
}

}  // namespace

DecodedValues DecodeMemoryController(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddName("Error Dectecting Method", 0x04, "Memory ED Method");
    out.AddByte("Error Correcting Capability", 0x05, ErrorCorrectingCapability);
    out.AddName("Supported Interleave", 0x06, "Memory Interleave");
    out.AddName("Current Interleave", 0x07, "Memory Interleave");
    // The largest module as a power of two in megabytes, kept in 16 bits.
    out.AddByte("Maximum Memory Size", 0x08, [](std::uint8_t n) { return Decimal(n < 16 ? 1 << n : 0) + " MBytes"; });
    out.AddWord("Supported Speed", 0x09, [](std::uint16_t bits) { return SupportedSpeeds(bits & 0xFF); });
    out.AddWord("Supported Type", 0x0B, [](std::uint16_t bits) { return OrNone(MemoryTypes(bits)); });
    out.AddByte("Voltage", 0x0D, ControllerVoltage);
    out.AddByte("Assciated Slots", 0x0E, [](std::uint8_t n) { return Decimal(n); });
    return out.Take();
}

DecodedValues DecodeMemoryModule(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Socket", 0x04);
    out.AddByte("Bank Connection", 0x05, BankConnections);
    out.AddByte("Current Speed", 0x06,
                [](std::uint8_t ns) { return ns == 0 ? std::string("Unknown") : Decimal(ns) + " ns"; });
    out.AddWord("Memory Type", 0x07, MemoryTypes);
    out.AddByte("Installed Size", 0x09, ModuleSize);
    out.AddByte("Enabled Size", 0x0A, ModuleSize);
    out.AddByte("Error Status", 0x0B, [](std::uint8_t e) { return e == 0 ? std::string("None") : "0x" + Hex(e, 2); });
    return out.Take();
}

DecodedValues DecodeMemoryArray(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddName("Device Type", 0x04, "Memory Array Location");
    out.AddName("Function Type", 0x05, "Memory Array Use");
    out.AddName("Error Correction", 0x06, "Memory Error Correction");
    out.AddDword("Maximum Capacity", 0x07, [](std::uint32_t kb) { return Decimal(kb / 1024) + " MBytes"; });
    out.AddWord("Number of Device", 0x0D, [](std::uint16_t n) { return Decimal(n); });
    return out.Take();
}

DecodedValues DecodeMemoryDevice(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddWord("Total Width", 0x08, Bits);
    out.AddWord("Data Width", 0x0A, Bits);
    out.AddWord("Size", 0x0C, DeviceSize);
    out.AddName("Form Factor", 0x0E, "Memory Form Factor");
    out.AddString("Device Locator", 0x10);
    out.AddName("Memory Type", 0x12, "Memory Device Type");
    return out.Take();
}

}  // namespace vantor::dmi
