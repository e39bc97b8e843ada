#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShippedNames.h"
#include "SmbiosBytes.h"
#include "core/Decoders.h"

namespace vantor::dmi {
namespace {

using test::Bytes;
using test::ShippedNames;
using test::Struct;

struct Field {
    std::size_t offset;  // from the type byte
    std::uint32_t value;
    int width = 1;
};

// The formatted area after the header of a structure `length` bytes long,
// zero except for the fields given (little-endian).
Bytes Fields(std::size_t length, std::initializer_list<Field> fields)
{
    Bytes bytes(length - 4, 0);
    for (const Field& f : fields) {
        for (int i = 0; i < f.width; ++i) {
            bytes.at(f.offset - 4 + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(f.value >> (8 * i));
        }
    }
    return bytes;
}

using Decode = DecodedValues (*)(const Structure&, const SmbiosNames&);

DecodedValues DecodeWith(Decode decode, const Bytes& bytes)
{
    const auto s = Structure::At(bytes, 0);
    EXPECT_TRUE(s);
    return s ? decode(*s, ShippedNames()) : DecodedValues{};
}

std::string ValueOf(const DecodedValues& values, const std::string& key)
{
    for (const DecodedValue& v : values) {
        if (v.key == key) {
            return v.text;
        }
    }
    return "<missing>";
}

TEST(Decoders, BiosWritesAllSixValuesInOrder)
{
    const Bytes bytes = Struct(0,
                               Fields(0x18, {{0x04, 1},
                                             {0x05, 2},
                                             {0x06, 0xE000, 2},
                                             {0x08, 3},
                                             {0x09, 0x0F},
                                             {0x0A, 0x7FF0A880, 4},
                                             {0x0E, 0x00000001, 4}}),
                               {"LENOVO", "6NET84WW", "10/03/2012"});
    const DecodedValues expected = {{"Vendor", "LENOVO"},
                                    {"BIOS Version", "6NET84WW"},
                                    {"Starting Address", "0xe000"},
                                    {"BIOS Release Date", "10/03/2012"},
                                    {"BIOS ROM Size", "1024 KBytes"},
                                    {"BIOS Characteristics", "0x000000017ff0a880"}};
    EXPECT_EQ(DecodeWith(DecodeBios, bytes), expected);
}

TEST(Decoders, SystemWritesUuidBytesWithoutLeadingZeros)
{
    Bytes fields = Fields(0x19, {{0x04, 1}, {0x18, 0x06}});
    const Bytes uuid = {0x00, 0x1F, 0x03, 0xA0, 0xFF, 0x10, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xAB};
    std::copy(uuid.begin(), uuid.end(), fields.begin() + 4);
    const DecodedValues expected = {{"Manufacturer", "LENOVO"},
                                    {"Product Name", "None"},
                                    {"Version", "None"},
                                    {"Serial Number", "None"},
                                    {"UUID", "0 1f 3 a0 ff 10 1 2 3 4 5 6 7 8 9 ab"},
                                    {"Wake Type", "Power Switch"}};
    EXPECT_EQ(DecodeWith(DecodeSystem, Struct(1, fields, {"LENOVO"})), expected);
}

TEST(Decoders, ProcessorWritesAllElevenValuesInOrder)
{
    const Bytes bytes = Struct(4,
                               Fields(0x1A, {{0x04, 1},
                                             {0x05, 3},
                                             {0x06, 0xC6},
                                             {0x07, 2},
                                             {0x08, 0x000306A9, 4},
                                             {0x0C, 0xBFEBFBFF, 4},
                                             {0x10, 3},
                                             {0x11, 0x8C},
                                             {0x12, 100, 2},
                                             {0x14, 3800, 2},
                                             {0x16, 3400, 2},
                                             {0x18, 0x41}}),
                               {"CPU 1", "Intel(R) Corporation", "Intel(R) Core(TM) i7-3770"});
    const DecodedValues expected = {{"Socket", "CPU 1"},
                                    {"Type", "Central Processor"},
                                    {"Family", "Intel Core i7 processor"},
                                    {"Manufacturer", "Intel(R) Corporation"},
                                    {"Processor ID", "bfebfbff000306a9"},
                                    {"Version", "Intel(R) Core(TM) i7-3770"},
                                    {"Voltage", "1.2 v"},
                                    {"External Clock", "100 MHz"},
                                    {"Max Speed", "3800 MHz"},
                                    {"Current Speed", "3400 MHz"},
                                    {"Status", "CPU Enable"}};
    EXPECT_EQ(DecodeWith(DecodeProcessor, bytes), expected);
}

struct TextCase {
    const char* label;
    Decode decode;
    Bytes structure;
    const char* key;
    const char* text;
};

// One value per case; the structures are full-length unless the case is about length.
TEST(Decoders, TextRules)
{
    const auto bios = [](std::initializer_list<Field> f) { return Struct(0, Fields(0x12, f)); };
    const auto cpu = [](std::initializer_list<Field> f) { return Struct(4, Fields(0x1A, f)); };
    const auto controller = [](std::initializer_list<Field> f) { return Struct(5, Fields(0x0F, f)); };
    const auto module = [](std::initializer_list<Field> f) { return Struct(6, Fields(0x0C, f)); };
    const auto cache = [](std::initializer_list<Field> f) { return Struct(7, Fields(0x13, f)); };
    const auto slot = [](std::initializer_list<Field> f) { return Struct(9, Fields(0x0D, f)); };
    const auto array = [](std::initializer_list<Field> f) { return Struct(16, Fields(0x0F, f)); };
    const auto device = [](std::initializer_list<Field> f) { return Struct(17, Fields(0x15, f)); };

    const TextCase cases[] = {
            {"ROM size 0x00", DecodeBios, bios({}), "BIOS ROM Size", "64 KBytes"},
            {"ROM size 0xFF", DecodeBios, bios({{0x09, 0xFF}}), "BIOS ROM Size", "16384 KBytes"},
            {"chassis lock bit cleared", DecodeChassis, Struct(3, Fields(0x0D, {{0x05, 0x8A}, {0x0C, 0x03}})), "Type",
             "Notebook"},
            {"chassis state", DecodeChassis, Struct(3, Fields(0x0D, {{0x0B, 0x04}})), "Thermal State", "Warning"},
            {"voltage legacy bits 0+1", DecodeProcessor, cpu({{0x11, 0x03}}), "Voltage", "5 V ,3.3 V "},
            {"voltage legacy bit 2", DecodeProcessor, cpu({{0x11, 0x04}}), "Voltage", "2.9 V "},
            {"voltage none", DecodeProcessor, cpu({{0x11, 0x00}}), "Voltage", ""},
            {"voltage 0x80 is 0.0 v", DecodeProcessor, cpu({{0x11, 0x80}}), "Voltage", "0.0 v"},
            {"voltage 0xA1 is 3.3 v", DecodeProcessor, cpu({{0x11, 0xA1}}), "Voltage", "3.3 v"},
            {"status 0", DecodeProcessor, cpu({{0x18, 0x40}}), "Status", "Unknown"},
            {"status 3", DecodeProcessor, cpu({{0x18, 0x03}}), "Status", "CPU Disable by BIOS"},
            {"status 4", DecodeProcessor, cpu({{0x18, 0x04}}), "Status", "CPU Idle"},
            {"status 7", DecodeProcessor, cpu({{0x18, 0x07}}), "Status", "Others"},
            {"family missing from SmBIOS.ini", DecodeProcessor, cpu({{0x06, 0x16}}), "Family", "Unknown"},
            {"capability lowest bit 2", DecodeMemoryController, controller({{0x05, 0x0C}}),
             "Error Correcting Capability", "None"},
            {"capability bit 3", DecodeMemoryController, controller({{0x05, 0x08}}), "Error Correcting Capability",
             "Single Bit Error Correcting"},
            {"capability no bit of 0-5", DecodeMemoryController, controller({{0x05, 0xC0}}),
             "Error Correcting Capability", "None"},
            {"max module 2^10", DecodeMemoryController, controller({{0x08, 0x0A}}), "Maximum Memory Size",
             "1024 MBytes"},
            {"max module 2^16 in 16 bits", DecodeMemoryController, controller({{0x08, 0x10}}), "Maximum Memory Size",
             "0 MBytes"},
            {"max module 2^255", DecodeMemoryController, controller({{0x08, 0xFF}}), "Maximum Memory Size", "0 MBytes"},
            {"speeds 70+60", DecodeMemoryController, controller({{0x09, 0x000C, 2}}), "Supported Speed", "70ns ,60ns "},
            {"speeds other wins", DecodeMemoryController, controller({{0x09, 0x0013, 2}}), "Supported Speed", "Other"},
            {"speeds none", DecodeMemoryController, controller({{0x09, 0xFF00, 2}}), "Supported Speed", "None"},
            {"types list", DecodeMemoryController, controller({{0x0B, 0x0504, 2}}), "Supported Type",
             "Standard,DIMM,SDRAM"},
            {"types unknown", DecodeMemoryController, controller({{0x0B, 0x0106, 2}}), "Supported Type", "Unknown"},
            {"types none", DecodeMemoryController, controller({}), "Supported Type", "None"},
            {"controller voltage 2", DecodeMemoryController, controller({{0x0D, 0x02}}), "Voltage", "3.3 V"},
            {"controller voltage 3", DecodeMemoryController, controller({{0x0D, 0x03}}), "Voltage", "Unknown (0x03)"},
            {"associated slots", DecodeMemoryController, controller({{0x0E, 4}}), "Assciated Slots", "4"},
            {"bank F1", DecodeMemoryModule, module({{0x05, 0xF1}}), "Bank Connection", "RAS# 1"},
            {"bank 23", DecodeMemoryModule, module({{0x05, 0x23}}), "Bank Connection", "RAS# 3,RAS# 2"},
            {"bank FF", DecodeMemoryModule, module({{0x05, 0xFF}}), "Bank Connection", "None"},
            {"module speed 0", DecodeMemoryModule, module({}), "Current Speed", "Unknown"},
            {"module speed 60", DecodeMemoryModule, module({{0x06, 60}}), "Current Speed", "60 ns"},
            {"module type empty stays empty", DecodeMemoryModule, module({}), "Memory Type", ""},
            {"module type DIMM", DecodeMemoryModule, module({{0x07, 0x0100, 2}}), "Memory Type", "DIMM"},
            {"installed 0x87", DecodeMemoryModule, module({{0x09, 0x87}}), "Installed Size", "128 MBytes"},
            {"installed 0xFE", DecodeMemoryModule, module({{0x09, 0xFE}}), "Installed Size", "No Memory Enable"},
            {"installed 0x7D", DecodeMemoryModule, module({{0x09, 0x7D}}), "Installed Size", "Not Determinable"},
            {"installed 0x7F", DecodeMemoryModule, module({{0x09, 0x7F}}), "Installed Size", "Not Installed"},
            {"installed 2^30", DecodeMemoryModule, module({{0x09, 30}}), "Installed Size", "1073741824 MBytes"},
            {"installed 2^31 overflows", DecodeMemoryModule, module({{0x09, 31}}), "Installed Size", "Unknown"},
            {"enabled 0x7E", DecodeMemoryModule, module({{0x0A, 0x7E}}), "Enabled Size", "No Memory Enable"},
            {"error status 0", DecodeMemoryModule, module({}), "Error Status", "None"},
            {"error status 5", DecodeMemoryModule, module({{0x0B, 0x05}}), "Error Status", "0x05"},
            {"cache config 0x0180", DecodeCache, cache({{0x05, 0x0180, 2}}), "Configuration",
             "Internal,L1 cache,Write Back"},
            {"cache config 0x0101", DecodeCache, cache({{0x05, 0x0101, 2}}), "Configuration",
             "Internal,L2 cache,Write Back"},
            {"cache config external, varies", DecodeCache, cache({{0x05, 0x0222, 2}}), "Configuration",
             "External,L3 cache,Varies with Memoey Address"},
            {"cache config location 2, mode 3", DecodeCache, cache({{0x05, 0x0340, 2}}), "Configuration", "L1 cache"},
            {"cache size 64K units", DecodeCache, cache({{0x09, 0x8008, 2}}), "Installed Size", "512 KBytes"},
            {"cache size 1K units", DecodeCache, cache({{0x09, 0x0200, 2}}), "Installed Size", "512 KBytes"},
            {"cache size 0", DecodeCache, cache({}), "Installed Size", "No Cache Installed"},
            {"sram other", DecodeCache, cache({{0x0B, 0x0021, 2}}), "Supported SRAM Type", "Other"},
            {"sram unknown has no name", DecodeCache, cache({{0x0B, 0x0002, 2}}), "Supported SRAM Type", "None"},
            {"sram list", DecodeCache, cache({{0x0D, 0x0068, 2}}), "Current SRAM Type",
             "Burst,Synchronous,Ansynchronous"},
            {"cache speed", DecodeCache, cache({{0x0F, 15}}), "Cache Speed", "15 ns"},
            {"cache type name", DecodeCache, cache({{0x11, 0x05}}), "Cache Type", "Unified"},
            {"associativity name", DecodeCache, cache({{0x12, 0x07}}), "Associativity", "8-way Set-Associative"},
            {"slot type name", DecodeSystemSlot, slot({{0x05, 0xB6}}), "Slot Type", "PCI Express Gen 3 x16"},
            {"slot id", DecodeSystemSlot, slot({{0x09, 0x0102, 2}}), "Slot ID", "258"},
            {"slot chars unknown", DecodeSystemSlot, slot({{0x0B, 0x05}}), "Characteristics 1", "Unknown"},
            {"slot chars list", DecodeSystemSlot, slot({{0x0B, 0x0C}}), "Characteristics 1",
             "Provides 3.3 Volt,Share Slot"},
            {"slot chars none", DecodeSystemSlot, slot({}), "Characteristics 1", "None"},
            {"slot chars 2", DecodeSystemSlot, slot({{0x0C, 0x07}}), "Characteristics 2",
             "Support PME,Support hot-plug devices,Support SMBus signal"},
            {"slot chars 2 none", DecodeSystemSlot, slot({{0x0C, 0xF8}}), "Characteristics 2", "None"},
            {"array capacity", DecodeMemoryArray, array({{0x07, 0x01000000, 4}}), "Maximum Capacity", "16384 MBytes"},
            {"array capacity rounds down", DecodeMemoryArray, array({{0x07, 2047, 4}}), "Maximum Capacity", "1 MBytes"},
            {"array capacity top", DecodeMemoryArray, array({{0x07, 0xFFFFFFFF, 4}}), "Maximum Capacity",
             "4194303 MBytes"},
            {"array devices", DecodeMemoryArray, array({{0x0D, 4, 2}}), "Number of Device", "4"},
            {"array location", DecodeMemoryArray, array({{0x04, 0x03}}), "Device Type", "System board or motherboard"},
            {"width unknown", DecodeMemoryDevice, device({{0x08, 0xFFFF, 2}}), "Total Width", "Unknown"},
            {"width 72", DecodeMemoryDevice, device({{0x0A, 72, 2}}), "Data Width", "72 bits"},
            {"size 0x0200", DecodeMemoryDevice, device({{0x0C, 0x0200, 2}}), "Size", "512 MBytes"},
            {"size 0x0008", DecodeMemoryDevice, device({{0x0C, 0x0008, 2}}), "Size", "08 MBytes"},
            {"size 0x8200", DecodeMemoryDevice, device({{0x0C, 0x8200, 2}}), "Size", "512 KBytes"},
            {"size 0", DecodeMemoryDevice, device({}), "Size", "No Memory Installed"},
            {"size 0xFFFF", DecodeMemoryDevice, device({{0x0C, 0xFFFF, 2}}), "Size", "Unknown"},
            {"device type DDR4", DecodeMemoryDevice, device({{0x12, 0x1A}}), "Memory Type", "DDR4"},
            {"form factor missing from SmBIOS.ini", DecodeMemoryDevice, device({{0x0E, 0x40}}), "Form Factor",
             "Unknown"},
            {"group type", DecodeGroupAssociation, Struct(14, Fields(0x08, {{0x04, 1}, {0x05, 0x11}}), {"Cpu Module"}),
             "Type", "0x11"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(ValueOf(DecodeWith(c.decode, c.structure), c.key), c.text) << c.label;
    }
}

TEST(Decoders, PortDesignatorsOfZeroAreNone)
{
    const DecodedValues expected = {{"Internal Designator", "None"},
                                    {"Internal Connector Type", "None"},
                                    {"External Designator", "None"},
                                    {"External Connector Type", "RJ-45"},
                                    {"Port Type", "Network Port"}};
    EXPECT_EQ(DecodeWith(DecodePortConnector, Struct(8, Fields(0x09, {{0x07, 0x0B}, {0x08, 0x1F}}))), expected);
}

TEST(Decoders, StringListTypesNumberTheirStrings)
{
    const DecodedValues oem = {
            {"Description 1", "Dell System"}, {"Description 2", "5[0000]"}, {"Description 3", "None"}};
    EXPECT_EQ(DecodeWith(DecodeDescriptions, Struct(11, {3}, {"Dell System", "5[0000]"})), oem);
    EXPECT_TRUE(DecodeWith(DecodeDescriptions, Struct(12, {0}, {"ignored"})).empty());

    const DecodedValues languages = {
            {"Installable Language", "2"}, {"Language 1", "en,US,iso8859-1"}, {"Language 2", "fr,CA,iso8859-1"}};
    EXPECT_EQ(DecodeWith(DecodeBiosLanguage,
                         Struct(13, Fields(0x16, {{0x04, 2}, {0x15, 1}}), {"en|US|iso8859-1", "fr|CA|iso8859-1"})),
              languages);
    const DecodedValues none = {{"Installable Language", "0"}};
    EXPECT_EQ(DecodeWith(DecodeBiosLanguage, Struct(13, Fields(0x16, {}))), none);
}

// Structures of older SMBIOS versions stop early: the values their length
// does not cover are left out, string fields outside it read "None".
TEST(Decoders, FieldsPastTheStructureLengthAreLeftOut)
{
    const DecodedValues system20 = {
            {"Manufacturer", "Maker"}, {"Product Name", "Box"}, {"Version", "None"}, {"Serial Number", "None"}};
    EXPECT_EQ(DecodeWith(DecodeSystem, Struct(1, {1, 2, 0, 0}, {"Maker", "Box"})), system20);

    const auto cache20 = DecodeWith(DecodeCache, Struct(7, Fields(0x0F, {{0x09, 0x0010, 2}})));
    ASSERT_EQ(cache20.size(), 5U);
    EXPECT_EQ(cache20.back().key, "Current SRAM Type");

    const auto slot20 = DecodeWith(DecodeSystemSlot, Struct(9, Fields(0x0C, {{0x0B, 0x04}})));
    ASSERT_EQ(slot20.size(), 7U);
    EXPECT_EQ(slot20.back(), (DecodedValue{"Characteristics 1", "Provides 3.3 Volt"}));

    // The header alone: string fields "None", nothing numeric.
    const DecodedValues bareDevice = {{"Device Locator", "None"}};
    EXPECT_EQ(DecodeWith(DecodeMemoryDevice, Struct(17, {})), bareDevice);
    EXPECT_TRUE(DecodeWith(DecodeBiosLanguage, Struct(13, {})).empty());
    EXPECT_TRUE(DecodeWith(DecodeDescriptions, Struct(11, {})).empty());
}

}  // namespace
}  // namespace vantor::dmi
