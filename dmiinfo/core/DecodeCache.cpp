// Type 7: cache.
#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {
namespace {

std::string CacheConfiguration(std::uint16_t c)
{
    std::string list;
    switch (c >> 5 & 0x03) {
    case 0:
        JoinFlags(list, "Internal");
        break;
    case 1:
        JoinFlags(list, "External");
        break;
    default:
        break;
    }
    std::string level = "L";
    level += Decimal((c & 0x07) + 1);
    level += " cache";
    JoinFlags(list, level);
    switch (c >> 8 & 0x03) {
    case 0:
        JoinFlags(list, "Write Through");
        break;
    case 1:
        JoinFlags(list, "Write Back");
        break;
    case 2:
        JoinFlags(list, "Varies with Memoey Address");
        break;
    default:
        break;
    }
    return list;
}

std::string CacheSize(std::uint16_t s)
{
    if (s == 0) {
        return "No Cache Installed";
    }
    // Bit 15 selects 64 KB granularity.
    if (s & 0x8000) {
        return Decimal((s & 0x7FFF) * 64) + " KBytes";
    }
    return Decimal(s) + " KBytes";
}

std::string SramTypes(std::uint16_t word)
{
    const std::uint8_t bits = word & 0xFF;
    if (bits & 0x01) {
        return "Other";
    }
    return OrNone(FlagList(
            bits, {{2, "Non-Burst"}, {3, "Burst"}, {4, "Pipeline Burst"}, {5, "Synchronous"}, {6, "Ansynchronous"}}));
}

}  // namespace

DecodedValues DecodeCache(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Socket", 0x04);
    out.AddWord("Configuration", 0x05, CacheConfiguration);
    out.AddWord("Installed Size", 0x09, CacheSize);
    out.AddWord("Supported SRAM Type", 0x0B, SramTypes);
    out.AddWord("Current SRAM Type", 0x0D, SramTypes);
    out.AddByte("Cache Speed", 0x0F,
                [](std::uint8_t ns) { return ns == 0 ? std::string("Unknown") : Decimal(ns) + " ns"; });
    out.AddName("Error Correction Type", 0x10, "Cache Correction Type");
    out.AddName("Cache Type", 0x11, "System Caceh Type");
    out.AddName("Associativity", 0x12, "Cache Associativity");
    return out.Take();
}

}  // namespace vantor::dmi
