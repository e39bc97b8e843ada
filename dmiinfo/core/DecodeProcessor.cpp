// Type 4: processor.
#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {
namespace {

std::string ProcessorVoltage(std::uint8_t v)
{
    if (v & 0x80) {
        // Bits 0-6 are the present voltage in tenths of a volt.
        const int tenths = v - 0x80;
        return Decimal(tenths / 10) + "." + Decimal(tenths % 10) + " v";
    }
    // The legacy form: one bit per supported voltage; no bit is an empty text.
    return FlagList(v, {{0, "5 V "}, {1, "3.3 V "}, {2, "2.9 V "}});
}

std::string ProcessorStatus(std::uint8_t status)
{
    switch (status & 0x07) {
    case 0:
        return "Unknown";
    case 1:
        return "CPU Enable";
    case 2:
        return "CPU Disable by User";
    case 3:
        return "CPU Disable by BIOS";
    case 4:
        return "CPU Idle";
    default:
        return "Others";
    }
}

std::string Megahertz(std::uint16_t value) { return Decimal(value) + " MHz"; }

}  // namespace

DecodedValues DecodeProcessor(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Socket", 0x04);
    out.AddName("Type", 0x05, "Processor Type");
    out.AddName("Family", 0x06, "Processor Family");
    out.AddString("Manufacturer", 0x07);
    const auto low = s.Dword(0x08);
    const auto high = s.Dword(0x0C);
    if (low && high) {
        out.Add("Processor ID", Hex(*high, 8) + Hex(*low, 8));
    }
    out.AddString("Version", 0x10);
    out.AddByte("Voltage", 0x11, ProcessorVoltage);
    out.AddWord("External Clock", 0x12, Megahertz);
    out.AddWord("Max Speed", 0x14, Megahertz);
    out.AddWord("Current Speed", 0x16, Megahertz);
    out.AddByte("Status", 0x18, ProcessorStatus);
    return out.Take();
}

}  // namespace vantor::dmi
