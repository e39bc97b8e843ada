// Types 8 and 9: port connectors and system slots.
#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {

DecodedValues DecodePortConnector(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Internal Designator", 0x04);
    out.AddName("Internal Connector Type", 0x05, "Connector Type");
    out.AddString("External Designator", 0x06);
    out.AddName("External Connector Type", 0x07, "Connector Type");
    out.AddName("Port Type", 0x08, "Port Type");
    return out.Take();
}

DecodedValues DecodeSystemSlot(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Slot Designation", 0x04);
    out.AddName("Slot Type", 0x05, "Slot Type");
    out.AddName("Slot Bus Width", 0x06, "Slot Width");
    out.AddName("Current Usage", 0x07, "Slot Usage");
    out.AddName("Slot Length", 0x08, "Slot Length");
    out.AddWord("Slot ID", 0x09, [](std::uint16_t id) { return Decimal(id); });
    out.AddByte("Characteristics 1", 0x0B, [](std::uint8_t bits) {
        if (bits & 0x01) {
            return std::string("Unknown");
        }
        return OrNone(FlagList(bits, {{1, "Provides 5 Volt"},
                                      {2, "Provides 3.3 Volt"},
                                      {3, "Share Slot"},
                                      {4, "Support PC Card-16"},
                                      {5, "Support CardBus"},
                                      {6, "Support Zoom Video"},
                                      {7, "Support Modem Ring Resume"}}));
    });
    out.AddByte("Characteristics 2", 0x0C, [](std::uint8_t bits) {
        return OrNone(
                FlagList(bits, {{0, "Support PME"}, {1, "Support hot-plug devices"}, {2, "Support SMBus signal"}}));
    });
    return out.Take();
}

}  // namespace vantor::dmi
