#include "SmbiosSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "TestFiles.h"

namespace vantor::zyio {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::ReadBytes;
using test::SmbiosTestData;

void Put16(Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, static_cast<std::uint16_t>(v));
    Put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

void Put64(Bytes& b, std::size_t at, std::uint64_t v)
{
    Put32(b, at, static_cast<std::uint32_t>(v));
    Put32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

// A two-structure table: BIOS Information (type 0, 0x12-byte formatted area,
// strings "Acme" and "1.0"), then the end-of-table marker without strings.
Bytes SmallTable()
{
    Bytes t = {0x00, 0x12, 0x00, 0x00, 0x01, 0x02, 0x00, 0xE0, 0x03, 0x07, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const char* s : {"Acme", "1.0"})
        t.insert(t.end(), s, s + std::strlen(s) + 1);
    t.push_back(0);                                           // end of string set
    t.insert(t.end(), {0x7F, 0x04, 0x01, 0x00, 0x00, 0x00});  // type 127, no strings
    return t;
}

// A dump: `anchor` entry point of `header` bytes, then the table.
Bytes Dump(const char* anchor, std::size_t header, const Bytes& table)
{
    Bytes d(header, 0);
    std::memcpy(d.data(), anchor, std::strlen(anchor));
    d.insert(d.end(), table.begin(), table.end());
    return d;
}

TEST(SmbiosSource, EveryTestDumpYieldsItsTableAndStructureCount)
{
    const auto names = test::DumpNames();
    ASSERT_FALSE(names.empty()) << "no dumps in " << SmbiosTestData();
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const Bytes table = ReadBytes(SmbiosTestData() / (name + ".table"));
        const std::string json = test::ReadText(SmbiosTestData() / (name + ".json"));

        const TableSource fromDump = TableFromFile(ReadBytes(SmbiosTestData() / (name + ".dump")));
        ASSERT_TRUE(fromDump.Ok()) << fromDump.error;
        EXPECT_EQ(fromDump.table, table);
        EXPECT_EQ(static_cast<long>(fromDump.table.size()), test::JsonNumber(json, "table_length"));
        EXPECT_EQ(WholeStructures(fromDump.table, fromDump.table.size()).structures,
                  test::JsonNumber(json, "structure_count"));

        const TableSource raw = TableFromFile(table);
        ASSERT_TRUE(raw.Ok()) << raw.error;
        EXPECT_EQ(raw.table, table);
    }
}

TEST(SmbiosSource, EntryPointFormsLocateTheTable)
{
    const Bytes table = SmallTable();
    Bytes sm = Dump("_SM_", 32, table);
    Put16(sm, 0x16, static_cast<std::uint16_t>(table.size()));
    Put32(sm, 0x18, 32);
    Bytes sm3 = Dump("_SM3_", 32, table);
    Put32(sm3, 0x0C, 0x4000);  // a maximum size, larger than the table
    Put64(sm3, 0x10, 32);
    Bytes dmi = Dump("_DMI_", 16, table);
    Put16(dmi, 6, static_cast<std::uint16_t>(table.size()));
    Put32(dmi, 8, 16);
    for (const Bytes* file : {&sm, &sm3, &dmi}) {
        const TableSource source = TableFromFile(*file);
        ASSERT_TRUE(source.Ok()) << source.error;
        EXPECT_EQ(source.table, table);
    }
}

TEST(SmbiosSource, MalformedFilesAreRefusedWithAReason)
{
    const Bytes table = SmallTable();
    Bytes smPastEnd = Dump("_SM_", 32, table);
    Put16(smPastEnd, 0x16, static_cast<std::uint16_t>(table.size() + 1));
    Put32(smPastEnd, 0x18, 32);
    Bytes smAddressPastEnd = Dump("_SM_", 32, table);
    Put16(smAddressPastEnd, 0x16, 4);
    Put32(smAddressPastEnd, 0x18, 0xFFFFFFF0);
    Bytes sm3HugeAddress = Dump("_SM3_", 32, table);
    Put32(sm3HugeAddress, 0x0C, 0x100);
    Put64(sm3HugeAddress, 0x10, 0x100000000ull + 32);  // only the low word would fit
    Bytes smGarbageTable = Dump("_SM_", 32, Bytes(40, 0xEE));
    Put16(smGarbageTable, 0x16, 40);
    Put32(smGarbageTable, 0x18, 32);
    Bytes headerTooShort = {0x00, 0x03, 0x00, 0x00, 0x00, 0x00};  // formatted area shorter than its header
    Bytes trailingGarbage = table;
    trailingGarbage[trailingGarbage.size() - 6] = 0x20;              // the end marker becomes type 32 ...
    trailingGarbage.insert(trailingGarbage.end(), {'x', 'y', 'z'});  // ... followed by stray bytes

    const struct {
        const char* name;
        Bytes file;
        const char* reason;
    } cases[] = {
            {"empty file", {}, "neither"},
            {"text file", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}, "neither"},
            {"_SM_ cut inside the entry point", Dump("_SM_", 0x10, {}), "ends inside"},
            {"_SM3_ cut inside the entry point", Dump("_SM3_", 0x10, {}), "ends inside"},
            {"_DMI_ cut inside the entry point", Dump("_DMI_", 0x0A, {}), "ends inside"},
            {"_SM_ table runs past the end", smPastEnd, "past the end"},
            {"_SM_ table address past the end", smAddressPastEnd, "past the end"},
            {"_SM3_ 64-bit address past the end", sm3HugeAddress, "past the end"},
            {"_SM_ table of garbage", smGarbageTable, "no whole"},
            {"structure shorter than its header", headerTooShort, "neither"},
            {"raw table with stray bytes after it", trailingGarbage, "unreadable data after 2 structures"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TableSource source = TableFromFile(c.file);
        EXPECT_FALSE(source.Ok());
        EXPECT_TRUE(source.table.empty());
        EXPECT_NE(source.error.find(c.reason), std::string::npos) << source.error;
    }
}

TEST(SmbiosSource, FirmwareBlobSkipsItsHeaderAndChecksItsLength)
{
    const Bytes table = SmallTable();
    Bytes blob = {0x00, 0x03, 0x04, 0x00, 0, 0, 0, 0};
    Put32(blob, 4, static_cast<std::uint32_t>(table.size()));
    blob.insert(blob.end(), table.begin(), table.end());
    const TableSource ok = TableFromFirmwareBlob(blob);
    ASSERT_TRUE(ok.Ok()) << ok.error;
    EXPECT_EQ(ok.table, table);

    Bytes tooLong = blob;
    Put32(tooLong, 4, static_cast<std::uint32_t>(table.size() + 1));
    EXPECT_FALSE(TableFromFirmwareBlob(tooLong).Ok());
    EXPECT_FALSE(TableFromFirmwareBlob(Bytes(7, 0)).Ok());
    Bytes empty = {0x00, 0x03, 0x04, 0x00, 0, 0, 0, 0};
    EXPECT_FALSE(TableFromFirmwareBlob(empty).Ok());
}

TEST(SmbiosSource, WholeStructuresStopsAtTheFirstStructureThatDoesNotFit)
{
    const Bytes table = SmallTable();
    const std::size_t first = table.size() - 6;  // type 0 with its strings
    EXPECT_EQ(WholeStructures(table, table.size()).length, table.size());
    EXPECT_TRUE(WholeStructures(table, table.size()).endOfTable);
    // A limit inside the second structure keeps the first only; one inside
    // the first one's string set keeps nothing.
    EXPECT_EQ(WholeStructures(table, table.size() - 1).length, first);
    EXPECT_EQ(WholeStructures(table, table.size() - 1).structures, 1);
    EXPECT_EQ(WholeStructures(table, first - 1).structures, 0);
    // An unterminated string set at the end of the data ends the walk.
    Bytes open = table;
    open.resize(first - 1);
    EXPECT_EQ(WholeStructures(open, open.size()).structures, 0);
    // Structures after the end marker are not part of the table.
    Bytes after = table;
    after.insert(after.end(), table.begin(), table.end());
    EXPECT_EQ(WholeStructures(after, after.size()).length, table.size());
}

}  // namespace
}  // namespace vantor::zyio
