// Types 0 to 3: BIOS, system, base board and chassis.
#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {

DecodedValues DecodeBios(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Vendor", 0x04);
    out.AddString("BIOS Version", 0x05);
    out.AddWord("Starting Address", 0x06, [](std::uint16_t segment) { return "0x" + Hex(segment, 4); });
    out.AddString("BIOS Release Date", 0x08);
    out.AddByte("BIOS ROM Size", 0x09, [](std::uint8_t n) { return Decimal((n + 1) * 64) + " KBytes"; });
    const auto low = s.Dword(0x0A);
    const auto high = s.Dword(0x0E);
    if (low && high) {
        out.Add("BIOS Characteristics", "0x" + Hex(*high, 8) + Hex(*low, 8));
    }
    return out.Take();
}

DecodedValues DecodeSystem(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Manufacturer", 0x04);
    out.AddString("Product Name", 0x05);
    out.AddString("Version", 0x06);
    out.AddString("Serial Number", 0x07);
    if (s.Byte(0x17)) {
        // The 16 bytes in storage order, no leading zeros.
        std::string uuid;
        for (std::size_t offset = 0x08; offset <= 0x17; ++offset) {
            if (offset > 0x08) {
                uuid += ' ';
            }
            uuid += Hex(*s.Byte(offset));
        }
        out.Add("UUID", uuid);
    }
    out.AddName("Wake Type", 0x18, "Wake Type");
    return out.Take();
}

DecodedValues DecodeBaseBoard(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Manufacturer", 0x04);
    out.AddString("Product Name", 0x05);
    out.AddString("Version", 0x06);
    out.AddString("Serial Number", 0x07);
    return out.Take();
}

DecodedValues DecodeChassis(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Manufacturer", 0x04);
    // Bit 7 of the type byte says whether the chassis has a lock.
    out.AddName("Type", 0x05, "Enclosure&Chassis Type", 0x7F);
    out.AddString("Version", 0x06);
    out.AddString("Serial Number", 0x07);
    out.AddString("Asset Tag", 0x08);
    out.AddName("Boot-up State", 0x09, "Enclosure&Chassis Status");
    out.AddName("Power Supply State", 0x0A, "Enclosure&Chassis Status");
    out.AddName("Thermal State", 0x0B, "Enclosure&Chassis Status");
    out.AddName("Security State", 0x0C, "Enclosure&Chassis Status");
    return out.Take();
}

}  // namespace vantor::dmi
