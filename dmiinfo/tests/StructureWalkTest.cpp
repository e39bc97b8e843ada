#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "SmbiosBytes.h"
#include "core/DmiTable.h"
#include "core/StringSet.h"
#include "core/Structure.h"
#include "core/StructureIndex.h"

namespace vantor::dmi {
namespace {

using test::Bytes;
using test::EndOfTable;
using test::Struct;
using test::Table;

std::map<int, int> Counts(const StructureIndex& index)
{
    std::map<int, int> counts;
    for (int type = 0; type < StructureIndex::kTypes; ++type) {
        if (index.Count(type) != 0) {
            counts[type] = index.Count(type);
        }
    }
    return counts;
}

TEST(StructureWalk, IndexesEachTypeInTableOrder)
{
    const std::vector<Bytes> structures = {
            Struct(0, Bytes(0x0E, 0), {"Vendor", "1.0"}),
            Struct(4, Bytes(0x16, 0)),  // no strings: two NULs right after the formatted area
            Struct(17, Bytes(0x11, 0), {"DIMM A"}),
            Struct(0, Bytes(0x0E, 0)),
            Struct(17, Bytes(0x11, 0), {"DIMM B"}),
            Struct(200, {1, 2}, {"OEM"}),
            EndOfTable()};
    Bytes table;
    std::vector<std::size_t> offsets;
    for (const Bytes& s : structures) {
        offsets.push_back(table.size());
        table.insert(table.end(), s.begin(), s.end());
    }
    const StructureIndex index = StructureIndex::Walk(table);

    EXPECT_EQ(Counts(index), (std::map<int, int>{{0, 2}, {4, 1}, {17, 2}}));
    EXPECT_EQ(index.Position(0, 1), offsets[0]);
    EXPECT_EQ(index.Position(0, 2), offsets[3]);
    EXPECT_EQ(index.Position(4, 1), offsets[1]);
    EXPECT_EQ(index.Position(17, 2), offsets[4]);
    const auto dimmB = Structure::At(table, index.Position(17, 2));
    ASSERT_TRUE(dimmB);
    EXPECT_EQ(dimmB->StringNumber(1), "DIMM B");
}

TEST(StructureWalk, KeepsAtMost127StructuresOfAType)
{
    Bytes table;
    for (int i = 0; i < 130; ++i) {
        const Bytes s = Struct(17, Bytes(0x11, static_cast<std::uint8_t>(i)));
        table.insert(table.end(), s.begin(), s.end());
    }
    const StructureIndex index = StructureIndex::Walk(table);
    ASSERT_EQ(index.Count(17), 127);
    const auto last = Structure::At(table, index.Position(17, 127));
    EXPECT_EQ(last->Byte(0x04), 126);  // the 127th in table order
}

struct MalformedCase {
    const char* label;
    Bytes table;
    std::size_t window;  // bytes of the table the walk may see
    std::map<int, int> counts;
};

TEST(StructureWalk, MalformedTablesEndTheWalkInsideTheTable)
{
    const Bytes bios = Struct(0, Bytes(0x0E, 0), {"V"});
    const Bytes board = Struct(2, Bytes(4, 1), {"M", "P", "V", "S"});
    const auto withTail = [&](Bytes tail) {
        Bytes table = Table({bios, board});
        table.insert(table.end(), tail.begin(), tail.end());
        return table;
    };
    const MalformedCase cases[] = {
            {"clean table", withTail(EndOfTable()), SIZE_MAX, {{0, 1}, {2, 1}}},
            {"header cut after two bytes", withTail({4, 0x1A}), SIZE_MAX, {{0, 1}, {2, 1}}},
            {"length byte 0", withTail({4, 0, 0, 0, 0, 0, 0, 0}), SIZE_MAX, {{0, 1}, {2, 1}}},
            {"length byte 3", withTail({4, 3, 0, 0, 0, 0}), SIZE_MAX, {{0, 1}, {2, 1}}},
            {"formatted area runs past the table", withTail({4, 0x1A, 0, 0, 1, 2, 3}), SIZE_MAX, {{0, 1}, {2, 1}}},
            // Indexed, but nothing after it can be found.
            {"string set without its closing NULs",
             withTail({4, 4, 0, 0, 'a', 'b', 0, 'c'}),
             SIZE_MAX,
             {{0, 1}, {2, 1}, {4, 1}}},
            {"single NUL at the very end", withTail({4, 4, 0, 0, 0}), SIZE_MAX, {{0, 1}, {2, 1}, {4, 1}}},
            {"table longer than the window", withTail(EndOfTable()), bios.size() + 6, {{0, 1}}},
            {"window ends inside the string set",
             withTail(EndOfTable()),
             bios.size() + board.size() - 3,
             {{0, 1}, {2, 1}}},
            {"empty table", {}, SIZE_MAX, {}},
    };
    for (const MalformedCase& c : cases) {
        // An exact-size copy so that ASan sees any read past the window.
        const Bytes window(c.table.begin(),
                           c.table.begin() + static_cast<std::ptrdiff_t>(std::min(c.window, c.table.size())));
        EXPECT_EQ(Counts(StructureIndex::Walk(window)), c.counts) << c.label;
    }
}

TEST(StringSet, NumbersStringsFromOneAndNothingElse)
{
    const Bytes bytes = {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0, 'x', 0, 0};
    const StringSet set(bytes);
    EXPECT_EQ(set.Size(), 2U);
    EXPECT_EQ(set.At(0), "");
    EXPECT_EQ(set.At(1), "one");
    EXPECT_EQ(set.At(2), "two");
    EXPECT_EQ(set.At(3), "");  // "x" lies past the closing empty string
    EXPECT_EQ(set.At(255), "");
    EXPECT_EQ(set.At(100000), "");
}

TEST(StringSet, UnterminatedLastStringEndsAtTheTableEnd)
{
    const Bytes bytes = {'a', 0, 'b', 'c'};
    const StringSet set(bytes);
    EXPECT_EQ(set.Size(), 2U);
    EXPECT_EQ(set.At(2), "bc");
}

TEST(StringSet, HoldsAtMost255Strings)
{
    Bytes bytes;
    for (int i = 0; i < 300; ++i) {
        bytes.push_back(static_cast<std::uint8_t>('A' + i % 26));
        bytes.push_back(0);
    }
    bytes.push_back(0);
    const StringSet set(bytes);
    EXPECT_EQ(set.Size(), 255U);
    EXPECT_EQ(set.At(255), std::string(1, static_cast<char>('A' + 254 % 26)));
}

TEST(Structure, FieldsOutsideTheFormattedAreaReadAsAbsent)
{
    // A 2.0-era system structure: 8 bytes, so no UUID and no wake-up type.
    const Bytes bytes = Struct(1, {1, 2, 0, 9}, {"Maker", "Box"});
    const auto s = Structure::At(bytes, 0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Length(), 8U);
    EXPECT_EQ(s->Byte(0x07), 9);
    EXPECT_FALSE(s->Byte(0x08));
    EXPECT_EQ(s->Word(0x06), 0x0900);
    EXPECT_FALSE(s->Word(0x07));
    EXPECT_FALSE(s->Dword(0x05));
    EXPECT_EQ(s->String(0x04), "Maker");
    EXPECT_EQ(s->String(0x06), "None");  // string number 0
    EXPECT_EQ(s->String(0x07), "None");  // number 9, past the last string
    EXPECT_EQ(s->String(0x10), "None");  // outside the structure
}

TEST(EntryPoint, FindsTheFirstAnchorOnA16ByteBoundary)
{
    Bytes window(0x100, 0);
    const auto put = [&](std::size_t at, std::uint16_t length, std::uint32_t address) {
        const Bytes entry = {'_',
                             'D',
                             'M',
                             'I',
                             '_',
                             0,
                             static_cast<std::uint8_t>(length),
                             static_cast<std::uint8_t>(length >> 8),
                             static_cast<std::uint8_t>(address),
                             static_cast<std::uint8_t>(address >> 8),
                             static_cast<std::uint8_t>(address >> 16),
                             static_cast<std::uint8_t>(address >> 24)};
        std::copy(entry.begin(), entry.end(), window.begin() + static_cast<std::ptrdiff_t>(at));
    };
    put(0x24, 0x1111, 0x11111111);  // not on a boundary
    put(0x40, 0x0C32, 0x000FA020);
    put(0x60, 0x2222, 0x22222222);
    const auto entry = FindDmiEntryPoint(window);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->tableLength, 0x0C32);
    EXPECT_EQ(entry->tableAddress, 0x000FA020U);

    EXPECT_FALSE(FindDmiEntryPoint(Bytes(0x100, 0)));
    // An anchor whose fields the window cuts off is no entry point.
    const Bytes cut(window.begin(), window.begin() + 0x40 + 10);
    EXPECT_FALSE(FindDmiEntryPoint(cut));
}

}  // namespace
}  // namespace vantor::dmi
