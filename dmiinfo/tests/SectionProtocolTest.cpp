#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingIni.h"
#include "ShippedNames.h"
#include "SmbiosBytes.h"
#include "core/DmiTable.h"

namespace vantor::dmi {
namespace {

using test::Bytes;
using test::EndOfTable;
using test::RecordingIni;
using test::ShippedNames;
using test::Struct;
using test::Table;

RecordingIni Decode(const Bytes& table)
{
    RecordingIni ini;
    DecodeSmbiosTable(table, table.size(), ini, ShippedNames());
    return ini;
}

Bytes MemoryDevice(std::uint16_t sizeMb, const std::string& locator)
{
    Bytes fields(0x11, 0);
    fields[0x0C - 4] = static_cast<std::uint8_t>(sizeMb);
    fields[0x0D - 4] = static_cast<std::uint8_t>(sizeMb >> 8);
    fields[0x10 - 4] = 1;
    fields[0x12 - 4] = 0x1A;
    return Struct(17, fields, {locator});
}

TEST(SectionProtocol, FourMemoryDevicesWriteANumberedSectionEach)
{
    const RecordingIni ini =
            Decode(Table({MemoryDevice(8192, "DIMM A"), MemoryDevice(0, "DIMM B"), MemoryDevice(8192, "DIMM C"),
                          MemoryDevice(0x8200, "DIMM D"), EndOfTable()}));
    std::vector<std::string> expected = {"Count(Root,0)", "RootSection(1,Type17)"};
    const char* sizes[] = {"8192 MBytes", "No Memory Installed", "8192 MBytes", "512 KBytes"};
    for (int i = 1; i <= 4; ++i) {
        const std::string section = "Type17-" + std::to_string(i);
        const std::string locator = std::string("DIMM ") + static_cast<char>('A' + i - 1);
        for (const std::string& call : std::initializer_list<std::string>{
                     std::string("Count(Type17,4)"), "Item(Type17," + std::to_string(i) + "," + section + ")",
                     "Count(" + section + ",1)", "Filename(" + section + "," + section + ")",
                     "Displayname(" + section + ",Memory Device-" + std::to_string(i) + ")",
                     "Value(" + section + ",1,Total Width,0 bits)", "Value(" + section + ",2,Data Width,0 bits)",
                     "Value(" + section + ",3,Size," + sizes[i - 1] + ")",
                     "Value(" + section + ",4,Form Factor,Unknown)",
                     "Value(" + section + ",5,Device Locator," + locator + ")",
                     "Value(" + section + ",6,Memory Type,DDR4)", "Count(" + section + ",6)"}) {
            expected.push_back(call);
        }
    }
    expected.push_back("Count(Root,1)");
    EXPECT_EQ(ini.calls, expected);
}

TEST(SectionProtocol, RootListsDecodedTypesInAscendingOrderWithoutGaps)
{
    // Types out of order, with undecoded ones (10, 15, 40, 127) between them.
    const RecordingIni ini = Decode(Table({Struct(17, Bytes(0x11, 0)), Struct(10, {0x83, 1}, {"Video"}),
                                           Struct(1, Bytes(0x15, 0)), Struct(15, Bytes(0x10, 0)), Struct(40, {}),
                                           Struct(4, Bytes(0x16, 0)), Struct(4, Bytes(0x16, 0)), EndOfTable()}));
    const auto& root = ini.At("Root");
    EXPECT_EQ(root.count, 3);
    EXPECT_EQ(root.entries, (std::map<int, std::string>{{1, "0|Type1"}, {2, "0|Type4"}, {3, "0|Type17"}}));

    // The Root count follows each present type, decoded or not.
    std::vector<std::string> rootCounts;
    for (const std::string& call : ini.calls) {
        if (call.rfind("Count(Root,", 0) == 0) {
            rootCounts.push_back(call);
        }
    }
    EXPECT_EQ(rootCounts, (std::vector<std::string>{"Count(Root,0)", "Count(Root,1)", "Count(Root,2)", "Count(Root,2)",
                                                    "Count(Root,2)", "Count(Root,3)", "Count(Root,3)"}));

    EXPECT_EQ(ini.At("Type4").count, 2);
    EXPECT_EQ(ini.At("Type4-2").displayname, "Processor Information-2");
    EXPECT_EQ(ini.At("Type4-1").filename, "Type4-1");
    EXPECT_EQ(ini.At("Type1").displayname, "System Information (Type1)");
    EXPECT_FALSE(ini.Has("Type10") || ini.Has("Type15") || ini.Has("Type40"));
}

TEST(SectionProtocol, OnlyUndecodedTypesLeaveRootEmpty)
{
    const RecordingIni ini =
            Decode(Table({Struct(10, {0x83, 1}, {"Video"}), Struct(15, Bytes(0x10, 0)), EndOfTable()}));
    EXPECT_EQ(ini.calls, (std::vector<std::string>{"Count(Root,0)", "Count(Root,0)", "Count(Root,0)"}));
}

TEST(SectionProtocol, NoTableWritesTheEmptyRootOnly)
{
    RecordingIni ini;
    EXPECT_EQ(DecodeSmbiosTable({}, 0x1000, ini, ShippedNames()), 0);
    EXPECT_EQ(ini.calls, (std::vector<std::string>{"Count(Root,0)"}));
}

// A second BIOS structure is indexed but not decoded; the type section holds
// the first one's values directly rather than a Count of 2 over one section.
TEST(SectionProtocol, SecondBiosStructureIsNotDecoded)
{
    const RecordingIni ini = Decode(Table({Struct(0, Bytes(0x0E, 0), {"First"}), Struct(2, Bytes(4, 0)),
                                           Struct(0, Bytes(0x0E, 0), {"Second"}), EndOfTable()}));
    EXPECT_EQ(ini.At("Root").count, 2);
    EXPECT_FALSE(ini.Has("Type0-1") || ini.Has("Type0-2"));
    EXPECT_EQ(ini.At("Type0").displayname, "BIOS Information (Type0)");
    EXPECT_EQ(ini.At("Type0").count, 6);
    EXPECT_EQ(ini.ValueOf("Type0", "Vendor"), "None");  // string byte 0
}

TEST(SectionProtocol, TitlesFromStringsFallBackToTheSectionName)
{
    Bytes cacheNamed(0x0F, 0);
    cacheNamed[0] = 1;
    const Bytes portExternal = {0, 0, 1, 0x0B, 0x1F};
    const RecordingIni ini = Decode(Table({Struct(7, cacheNamed, {"L1 Cache"}), Struct(7, Bytes(0x0F, 0), {"unused"}),
                                           Struct(8, portExternal, {"LAN"}), Struct(8, Bytes(5, 0)),
                                           Struct(9, {9, 0xA5}, {"PCIE1"}), EndOfTable()}));
    EXPECT_EQ(ini.At("Type7-1").displayname, "L1 Cache");
    EXPECT_EQ(ini.At("Type7-2").displayname, "Type7-2");
    EXPECT_EQ(ini.At("Type8-1").displayname, "LAN");
    EXPECT_EQ(ini.At("Type8-2").displayname, "Type8-2");
    EXPECT_EQ(ini.ValueOf("Type8-2", "Internal Designator"), "None");
    EXPECT_EQ(ini.ValueOf("Type8-2", "External Designator"), "None");
    // A slot string number past the set: no title text, the section's own name.
    EXPECT_EQ(ini.At("Type9").displayname, "Type9");
    EXPECT_EQ(ini.Values("Type9"), (std::vector<std::pair<std::string, std::string>>{{"Slot Designation", "None"},
                                                                                     {"Slot Type", "PCI Express"}}));
}

TEST(SectionProtocol, TableLengthAndWindowBothBoundTheWalk)
{
    const Bytes table = Table({Struct(2, Bytes(4, 0)), Struct(3, Bytes(5, 0)), EndOfTable()});
    const std::size_t firstOnly = Struct(2, Bytes(4, 0)).size();
    RecordingIni shortTable;
    DecodeSmbiosTable(table, firstOnly, shortTable, ShippedNames());
    EXPECT_EQ(shortTable.At("Root").count, 1);

    RecordingIni shortWindow;
    const Bytes window(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(firstOnly) + 3);
    DecodeSmbiosTable(window, 0xFFFF, shortWindow, ShippedNames());
    EXPECT_EQ(shortWindow.At("Root").count, 1);
}

}  // namespace
}  // namespace vantor::dmi
