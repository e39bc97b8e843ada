// ZyIO.dll's memory windows as the DMI reader uses them, loaded by name and
// bound with GetProcAddress: Wine's own firmware table and test dumps named by
// ZYIO_SMBIOS_DUMP.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ZyIO.h"

namespace {

constexpr std::uint32_t kBiosArea = 0x000F0000;
constexpr std::uint32_t kWindow = 0xFFF0;

template <typename Fn>
Fn Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct ZyIo {
    HMODULE module = LoadLibraryA(ZYIO_LIBRARY_NAME);
    ZyioOpenFn open = Bind<ZyioOpenFn>(module, ZYIO_OPEN_NAME);
    ZyioMapMemFn map = Bind<ZyioMapMemFn>(module, ZYIO_MAP_MEM_NAME);
    ZyioUnmapMemFn unmap = Bind<ZyioUnmapMemFn>(module, ZYIO_UNMAP_MEM_NAME);
    ~ZyIo() { FreeLibrary(module); }
};

// The Windows path of a file among the SMBIOS test dumps (Wine maps / to Z:).
std::string TestDump(const std::string& file)
{
    std::string path = "Z:" + std::string(VANTOR_SMBIOS_TESTDATA) + "/" + file;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Walk {
    std::uint16_t tableLength = 0;
    std::uint32_t tableAddress = 0;
    const std::uint8_t* table = nullptr;
};

// What the DMI reader does: map the BIOS area, find "_DMI" on a 16-byte
// boundary, read length and address, release the area, map the table.
Walk MapLikeTheReader(const ZyIo& io)
{
    Walk walk;
    const auto* area = static_cast<const std::uint8_t*>(io.map(kBiosArea, kWindow));
    if (area == nullptr)
        return walk;
    for (std::uint32_t at = 0; at + 16 <= kWindow; at += 16) {
        if (std::memcmp(area + at, "_DMI", 4) == 0) {
            std::memcpy(&walk.tableLength, area + at + 6, 2);
            std::memcpy(&walk.tableAddress, area + at + 8, 4);
            break;
        }
    }
    io.unmap(reinterpret_cast<const void*>(std::uintptr_t{kBiosArea}), kWindow);
    if (walk.tableAddress != 0)
        walk.table = static_cast<const std::uint8_t*>(io.map(walk.tableAddress, kWindow));
    return walk;
}

// The first structure: its type, and whether its header and string set lie
// inside the table.
bool FirstStructureIsSane(const Walk& walk)
{
    if (walk.table == nullptr || walk.tableLength < 6)
        return false;
    const std::uint8_t length = walk.table[1];
    if (length < 4 || length > walk.tableLength)
        return false;
    for (std::size_t at = length; at + 1 < walk.tableLength; ++at)
        if (walk.table[at] == 0 && walk.table[at + 1] == 0)
            return true;
    return false;
}

class ZyIoMemory : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(io.module, nullptr);
        ASSERT_TRUE(io.open && io.map && io.unmap);
        io.open(nullptr);
        io.open("C:\\Program Files\\Vantor");  // a second open is accepted
    }
    void TearDown() override { SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", nullptr); }

    ZyIo io;
};

TEST_F(ZyIoMemory, WinesFirmwareTableShowsThroughTheAnchor)
{
    SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", nullptr);
    const Walk walk = MapLikeTheReader(io);
    ASSERT_NE(walk.table, nullptr) << "no anchor or no table window";
    EXPECT_TRUE(FirstStructureIsSane(walk));
    EXPECT_LT(walk.tableLength, kWindow + 1u);
    // What Wine hands out, for the log: the first structures' types.
    std::string types;
    for (std::size_t at = 0, n = 0; at + 4 <= walk.tableLength && n < 12; ++n) {
        types += std::to_string(walk.table[at]) + " ";
        std::size_t next = at + walk.table[at + 1];
        while (next + 1 < walk.tableLength && (walk.table[next] || walk.table[next + 1]))
            ++next;
        at = next + 2;
    }
    std::printf("Wine's RSMB table: %u bytes at 0x%08x, first types %s\n", walk.tableLength,
                static_cast<unsigned>(walk.tableAddress), types.c_str());
    io.unmap(walk.table, kWindow);
}

TEST_F(ZyIoMemory, ADumpNamedInTheEnvironmentIsTheTable)
{
    for (const char* name : {"dell-precision-3620", "lenovo-thinkpad-t440s", "qemu-kvm-v24"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", TestDump(std::string(name) + ".dump").c_str()));
        const std::vector<std::uint8_t> expected = ReadBytes(TestDump(std::string(name) + ".table"));
        ASSERT_FALSE(expected.empty());

        const Walk walk = MapLikeTheReader(io);
        ASSERT_NE(walk.table, nullptr);
        EXPECT_TRUE(FirstStructureIsSane(walk));
        ASSERT_EQ(walk.tableLength, expected.size());
        EXPECT_EQ(std::vector<std::uint8_t>(walk.table, walk.table + walk.tableLength), expected);
        EXPECT_EQ(walk.table[kWindow - 1], 0) << "zeros past the table";
        io.unmap(walk.table, kWindow);
    }
}

TEST_F(ZyIoMemory, AnUnusableDumpMapsNothing)
{
    for (const std::string& file : {TestDump("README.md"), TestDump("no-such-file.dump")}) {
        SCOPED_TRACE(file);
        SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", file.c_str());
        EXPECT_EQ(io.map(kBiosArea, kWindow), nullptr);
    }
}

TEST_F(ZyIoMemory, WindowsLiveSideBySideAndUnknownAddressesAreIgnored)
{
    SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", TestDump("qemu-kvm-v24.dump").c_str());
    const Walk first = MapLikeTheReader(io);
    const Walk second = MapLikeTheReader(io);
    ASSERT_TRUE(first.table && second.table);
    EXPECT_NE(first.table, second.table);
    int local = 0;
    io.unmap(&local, kWindow);
    io.unmap(nullptr, 0);
    io.unmap(reinterpret_cast<const void*>(std::uintptr_t{0x12345678}), kWindow);
    io.unmap(second.table, kWindow);
    // The first window is still there and still holds the table.
    EXPECT_TRUE(FirstStructureIsSane(first));
    io.unmap(first.table, kWindow);
}

}  // namespace
