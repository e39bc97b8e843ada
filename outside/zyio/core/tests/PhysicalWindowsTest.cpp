#include "PhysicalWindows.h"

#include <gtest/gtest.h>

#include <cstring>

#include "SmbiosSource.h"
#include "TestFiles.h"

namespace vantor::zyio {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kWindow = 0xFFF0;  // what the DMI reader maps

std::uint16_t Word(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t Dword(const std::uint8_t* p) { return Word(p) | static_cast<std::uint32_t>(Word(p + 2)) << 16; }

// The reader's search: "_DMI" at 16-byte steps inside the window.
const std::uint8_t* FindAnchor(const std::uint8_t* window, std::uint32_t length)
{
    for (std::uint32_t at = 0; at + 16 <= length; at += 16)
        if (std::memcmp(window + at, "_DMI", 4) == 0)
            return window + at;
    return nullptr;
}

Bytes TestTable(const char* name) { return test::ReadBytes(test::SmbiosTestData() / (std::string(name) + ".table")); }

TEST(PhysicalWindows, AnchorWindowLeadsToTheTable)
{
    const Bytes table = TestTable("lenovo-thinkpad-t480");
    PhysicalWindows memory;
    memory.SetTable(table);

    const auto* anchorWindow = static_cast<const std::uint8_t*>(memory.Map(kBiosAreaBase, kWindow));
    ASSERT_NE(anchorWindow, nullptr);
    const std::uint8_t* entry = FindAnchor(anchorWindow, kWindow);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry - anchorWindow, kEntryPointAddress - kBiosAreaBase);
    EXPECT_EQ(std::memcmp(entry, "_DMI_", 5), 0);
    std::uint8_t sum = 0;
    for (int i = 0; i < 15; ++i)
        sum = static_cast<std::uint8_t>(sum + entry[i]);
    EXPECT_EQ(sum, 0) << "entry point checksum";
    EXPECT_EQ(Word(entry + 6), table.size());
    EXPECT_EQ(Word(entry + 12), 63) << "structure count";
    const std::uint32_t address = Dword(entry + 8);
    EXPECT_EQ(address, kTableAddress);
    // The table lies outside the BIOS area, so the windows cannot overlap.
    EXPECT_TRUE(address >= kBiosAreaBase + kBiosAreaSize || address + kWindow <= kBiosAreaBase);

    const auto* tableWindow = static_cast<const std::uint8_t*>(memory.Map(address, kWindow));
    ASSERT_NE(tableWindow, nullptr);
    EXPECT_EQ(Bytes(tableWindow, tableWindow + table.size()), table);
    EXPECT_TRUE(std::all_of(tableWindow + table.size(), tableWindow + kWindow, [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(memory.LiveWindows(), 2u);
}

TEST(PhysicalWindows, UnmapTakesThePointerOrThePhysicalBase)
{
    PhysicalWindows memory;
    memory.SetTable(TestTable("qemu-kvm-v24"));
    void* anchor1 = memory.Map(kBiosAreaBase, kWindow);
    void* anchor2 = memory.Map(kBiosAreaBase, kWindow);  // a second map while one is live
    void* table = memory.Map(kTableAddress, kWindow);
    ASSERT_TRUE(anchor1 && anchor2 && table);
    EXPECT_NE(anchor1, anchor2);

    // Unknown addresses release nothing.
    int local = 0;
    EXPECT_FALSE(memory.Unmap(&local));
    EXPECT_FALSE(memory.Unmap(nullptr));
    EXPECT_FALSE(memory.Unmap(reinterpret_cast<const void*>(std::uintptr_t{0x000E0000})));
    EXPECT_EQ(memory.LiveWindows(), 3u);

    // The physical base releases the latest window mapped there; the first
    // one stays readable.
    EXPECT_TRUE(memory.Unmap(reinterpret_cast<const void*>(std::uintptr_t{kBiosAreaBase})));
    EXPECT_EQ(memory.LiveWindows(), 2u);
    EXPECT_NE(FindAnchor(static_cast<const std::uint8_t*>(anchor1), kWindow), nullptr);
    EXPECT_FALSE(memory.Unmap(anchor2)) << "already released";

    EXPECT_TRUE(memory.Unmap(table));
    EXPECT_FALSE(memory.Unmap(table));
    EXPECT_TRUE(memory.Unmap(anchor1));
    EXPECT_EQ(memory.LiveWindows(), 0u);
}

TEST(PhysicalWindows, RangesOutsideTheTwoRegionsAreNotMapped)
{
    PhysicalWindows empty;
    EXPECT_EQ(empty.Map(kBiosAreaBase, kWindow), nullptr) << "no table yet";

    PhysicalWindows memory;
    memory.SetTable(TestTable("qemu-kvm-v24"));
    const struct {
        std::uint32_t physical, length;
    } refused[] = {
            {kBiosAreaBase, 0},
            {0x000E0000, 0x100},
            {kBiosAreaBase + 0x8000, 0x10000},  // runs past the BIOS area
            {kTableAddress - 0x10, 0x100},
            {kTableAddress, kTableRegionSize + 1},
            {0xFFFFFFF0, 0x100},  // wraps around 4 GiB
            {0, 0xFFFFFFFF},      // refused before anything is allocated
    };
    for (const auto& r : refused)
        EXPECT_EQ(memory.Map(r.physical, r.length), nullptr) << std::hex << r.physical << " + " << r.length;
    EXPECT_EQ(memory.LiveWindows(), 0u);

    // Part of the area and a window inside the table both work.
    const auto* tail = static_cast<const std::uint8_t*>(memory.Map(kEntryPointAddress, 16));
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(std::memcmp(tail, "_DMI_", 5), 0);
    const auto* inner = static_cast<const std::uint8_t*>(memory.Map(kTableAddress + 4, 4));
    ASSERT_NE(inner, nullptr);
    const Bytes table = TestTable("qemu-kvm-v24");
    EXPECT_EQ(Bytes(inner, inner + 4), Bytes(table.begin() + 4, table.begin() + 8));
}

TEST(PhysicalWindows, ATableLongerThanTheWindowIsCutAtAWholeStructure)
{
    // Type 4 structures of 0x30 bytes with one 20-character string each,
    // more of them than fit in 0xFFF0 bytes.
    Bytes structure(0x30, 0);
    structure[0] = 4;
    structure[1] = 0x30;
    const std::string text("Xeon(R) CPU E5-2680", 20);  // with its NUL
    structure.insert(structure.end(), text.begin(), text.end());
    structure.push_back(0);  // end of the string set
    Bytes table;
    while (table.size() < 0x18000)
        table.insert(table.end(), structure.begin(), structure.end());

    PhysicalWindows memory;
    memory.SetTable(table);
    const std::size_t whole = (kMaxTableLength / structure.size()) * structure.size();
    EXPECT_EQ(memory.TableLength(), whole);
    const auto* area = static_cast<const std::uint8_t*>(memory.Map(kBiosAreaBase, kWindow));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(Word(FindAnchor(area, kWindow) + 6), whole);
    const auto* window = static_cast<const std::uint8_t*>(memory.Map(kTableAddress, kWindow));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window[whole], 0) << "nothing of the cut structure is shown";
    EXPECT_EQ(window[whole - structure.size()], 4);
}

}  // namespace
}  // namespace vantor::zyio
