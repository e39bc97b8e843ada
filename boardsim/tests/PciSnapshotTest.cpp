// The PCI snapshot a board file names: its text checked line by line, and
// configuration mechanism 1 served from it through the ports.
#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

namespace boardsim::test {
namespace {

const std::string kBoard = "[board]\nname = PCI Board\npci = snap.lspci\n";

// Two functions of a small machine, each with its 64-byte header; the bridge
// has a capability at 0x40 past what the snapshot holds.
const std::string kSnapshot = "00:00.0 Host bridge: Intel Corporation Device 2a00 (rev 03)\n"
                              "00: 86 80 00 2a 06 01 90 20 03 00 00 06 00 00 00 00\n"
                              "10: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
                              "20: 00 00 00 00 00 00 00 00 00 00 00 00 cf 10 f2 13\n"
                              "30: 00 00 00 00 e0 00 00 00 00 00 00 00 00 00 00 00\n"
                              "\n"
                              "00:1c.4 PCI bridge: Intel Corporation Device 2847 (rev 03)\n"
                              "00: 86 80 47 28 07 05 10 00 03 00 04 06 10 00 81 00\n"
                              "10: 00 00 00 00 00 00 00 00 00 14 1b 00 40 40 00 20\n"
                              "20: 30 fc 30 fc 21 c4 31 c4 00 00 00 00 00 00 00 00\n"
                              "30: 00 00 00 00 40 00 00 00 00 00 00 00 0b 01 02 00\n";

constexpr std::uint32_t Address(std::uint32_t bus, std::uint32_t device, std::uint32_t function, std::uint32_t offset)
{
    return 0x80000000u | bus << 16 | device << 11 | function << 8 | offset;
}

class PciBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.files.texts["snap.lspci"] = kSnapshot;
        BsLoadError error{};
        ASSERT_EQ(board.Load(kBoard, &error), BS_OK) << error.file << " line " << error.line << ": " << error.message;
    }

    std::uint32_t Read(std::uint32_t port, std::uint32_t width)
    {
        std::uint32_t value = 0xDEADBEEF;
        EXPECT_EQ(BsPortRead(board.get(), port, width, &value), BS_OK);
        return value;
    }
    void Write(std::uint32_t port, std::uint32_t width, std::uint32_t value)
    {
        EXPECT_EQ(BsPortWrite(board.get(), port, width, value), BS_OK);
    }
    // Mechanism 1: the address, then the data window.
    std::uint32_t Config(std::uint32_t address, std::uint32_t port = 0xCFC, std::uint32_t width = 4)
    {
        Write(0xCF8, 4, address);
        return Read(port, width);
    }

    LoadedBoard board;
};

TEST_F(PciBoard, ServesConfigurationSpaceThroughTheMechanismOnePorts)
{
    struct Case {
        const char* what;
        std::uint32_t address;
        std::uint32_t port;
        std::uint32_t width;
        std::uint32_t value;
    };
    const Case cases[] = {
            {"vendor and device", Address(0, 0, 0, 0x00), 0xCFC, 4, 0x2a008086},
            {"class, dword at 0x08", Address(0, 0, 0, 0x08), 0xCFC, 4, 0x06000003},
            {"header type byte at 0x0E", Address(0, 28, 4, 0x0C), 0xCFE, 1, 0x81},
            {"device ID as a word at 0xCFE", Address(0, 28, 4, 0x00), 0xCFE, 2, 0x2847},
            {"bus numbers byte by byte", Address(0, 28, 4, 0x18), 0xCFD, 1, 0x14},
            {"subordinate bus", Address(0, 28, 4, 0x18), 0xCFE, 1, 0x1b},
            {"word straddling the window's end", Address(0, 28, 4, 0x3C), 0xCFF, 2, 0xFF00},
            {"low address bits are ignored", Address(0, 0, 0, 0x00) | 3, 0xCFC, 4, 0x2a008086},
            {"past the snapshot reads all ones", Address(0, 28, 4, 0x40), 0xCFC, 4, 0xFFFFFFFF},
            {"absent device reads all ones", Address(0, 1, 0, 0x00), 0xCFC, 4, 0xFFFFFFFF},
            {"absent function of a present device", Address(0, 0, 1, 0x00), 0xCFC, 4, 0xFFFFFFFF},
            {"absent bus", Address(4, 0, 0, 0x00), 0xCFC, 2, 0xFFFF},
            {"enable bit clear reads all ones", Address(0, 0, 0, 0x00) & 0x7FFFFFFF, 0xCFC, 4, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Config(c.address, c.port, c.width), c.value) << c.what;
    }
}

TEST_F(PciBoard, AddressRegisterTakesOnlyWholeDwordWrites)
{
    Write(0xCF8, 4, Address(0, 28, 4, 0x08) | 0x7F000003);
    EXPECT_EQ(Read(0xCF8, 4), Address(0, 28, 4, 0x08)) << "reserved and low bits read back as 0";
    Write(0xCF8, 1, 0x00);  // a byte at 0xCF8 is not the address register
    Write(0xCF9, 1, 0x06);  // nor is 0xCF9 (the reset register on real chipsets)
    EXPECT_EQ(Read(0xCF8, 4), Address(0, 28, 4, 0x08));
    EXPECT_EQ(Read(0xCF8, 2), 0xFFFFu);
    EXPECT_EQ(Read(0xCFC, 4), 0x06040003u);
}

TEST_F(PciBoard, DataWritesChangeNothing)
{
    Write(0xCF8, 4, Address(0, 0, 0, 0x04));
    Write(0xCFC, 4, 0);
    Write(0xCFC, 1, 0xAA);
    EXPECT_EQ(Read(0xCFC, 4), 0x20900106u);
}

TEST_F(PciBoard, OtherPortsAreEmptyAndOddAccessesRefused)
{
    EXPECT_EQ(Read(0x80, 1), 0xFFu);
    EXPECT_EQ(Read(0x2E, 2), 0xFFFFu);
    EXPECT_EQ(Read(0xFFFC, 4), 0xFFFFFFFFu);
    std::uint32_t value = 0;
    EXPECT_EQ(BsPortRead(board.get(), 0xCFC, 3, &value), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortRead(board.get(), 0xCFC, 0, &value), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortRead(board.get(), 0xFFFD, 4, &value), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortRead(board.get(), 0x10000, 1, &value), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortRead(board.get(), 0xCFC, 4, nullptr), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortRead(nullptr, 0xCFC, 4, &value), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortWrite(board.get(), 0xCF8, 8, 0), BS_BAD_REQUEST);
    EXPECT_EQ(BsPortWrite(nullptr, 0xCF8, 4, 0), BS_BAD_REQUEST);
}

TEST(PciSnapshot, BoardWithoutSnapshotOrReaderHasNoConfigurationSpace)
{
    LoadedBoard plain;
    ASSERT_EQ(plain.Load("[board]\nname = Plain\n"), BS_OK);
    std::uint32_t value = 0;
    ASSERT_EQ(BsPortWrite(plain.get(), 0xCF8, 4, Address(0, 0, 0, 0)), BS_OK);
    ASSERT_EQ(BsPortRead(plain.get(), 0xCFC, 4, &value), BS_OK);
    EXPECT_EQ(value, 0xFFFFFFFFu);

    // A host that reads no files loads the board all the same.
    CountingAllocator counting;
    BsAllocator allocator = counting.Get();
    BsBoard* board = nullptr;
    ASSERT_EQ(BsBoardLoad(&allocator, kBoard.data(), kBoard.size(), &board, nullptr), BS_OK);
    ASSERT_EQ(BsPortWrite(board, 0xCF8, 4, Address(0, 0, 0, 0)), BS_OK);
    ASSERT_EQ(BsPortRead(board, 0xCFC, 4, &value), BS_OK);
    EXPECT_EQ(value, 0xFFFFFFFFu);
    BsBoardFree(board);
    EXPECT_EQ(counting.live, 0u);
}

TEST(PciSnapshot, ServesTheChosenDomain)
{
    const std::string snapshot = "0001:02:00.0 Network controller\n"
                                 "00: 8c 16 30 00 06 00 10 00 01 00 80 02 10 00 00 00\n"
                                 "10: 04 00 00 c0 00 00 00 00 00 00 00 00 00 00 00 00\n"
                                 "20: 00 00 00 00 00 00 00 00 00 00 00 00 8c 16 14 31\n"
                                 "30: 00 00 00 00 40 00 00 00 00 00 00 00 00 01 00 00\n";
    for (const auto& [domainLine, expected] : {std::pair<std::string, std::uint32_t>{"", 0xFFFFFFFFu},
                                               {"pci_domain = 1\n", 0x0030168Cu},
                                               {"pci_domain = 0x0002\n", 0xFFFFFFFFu}}) {
        LoadedBoard board;
        board.files.texts["snap.lspci"] = snapshot;
        BsLoadError error{};
        ASSERT_EQ(board.Load(kBoard + domainLine, &error), BS_OK) << error.message;
        std::uint32_t value = 0;
        BsPortWrite(board.get(), 0xCF8, 4, Address(2, 0, 0, 0));
        BsPortRead(board.get(), 0xCFC, 4, &value);
        EXPECT_EQ(value, expected) << domainLine;
    }
}

TEST(PciSnapshot, AcceptsEveryFormLspciPrints)
{
    // Extended space (-xxxx) past 256 bytes is checked and dropped, CRLF
    // line ends and a byte-order mark are fine, a slot line may stand alone,
    // and the indented verbose reading of -vvx is passed over.
    std::string snapshot = "\xEF\xBB\xBF"
                           "00:02.0\r\n"
                           "\tSubsystem: Fujitsu Limited. Device 13fe\r\n"
                           "\t\tCapabilities: [40] 00: not bytes\r\n";
    for (unsigned offset = 0; offset < 0x200; offset += 16) {
        char line[64];
        std::snprintf(line, sizeof line, "%02x: %02x 11 22 33 44 55 66 77 88 99 aa bb cc dd ee FF\r\n", offset,
                      offset & 0xFF);
        snapshot += line;
    }
    LoadedBoard board;
    board.files.texts["snap.lspci"] = snapshot;
    BsLoadError error{};
    ASSERT_EQ(board.Load(kBoard, &error), BS_OK) << error.line << ": " << error.message;
    std::uint32_t value = 0;
    BsPortWrite(board.get(), 0xCF8, 4, Address(0, 2, 0, 0xF0));
    BsPortRead(board.get(), 0xCFC, 4, &value);
    EXPECT_EQ(value, 0x332211F0u);
    EXPECT_EQ(board.files.outstanding, 0) << "the snapshot text is handed back";
}

struct SnapshotError {
    const char* what;
    std::string snapshot;
    unsigned line;
    const char* message;
};

TEST(PciSnapshot, RejectsBadLinesWithTheirNumber)
{
    const std::string header = "00:00.0 Host bridge\n";
    const std::string row0 = "00: 86 80 00 2a 06 01 90 20 03 00 00 06 00 00 00 00\n";
    const std::string row = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n";
    const std::string fullHeader = row0 + "10: " + row + "20: " + row + "30: " + row;
    const SnapshotError cases[] = {
            {"bytes before any function", row0, 1, "bytes before the first function"},
            {"a stray text line", header + fullHeader + "Capabilities: [40] MSI\n", 6, "neither a function's"},
            {"an odd byte", header + "00: 86 80 0g 2a 06 01 90 20 03 00 00 06 00 00 00 00\n", 2, "16 bytes"},
            {"fifteen bytes", header + "00: 86 80 00 2a 06 01 90 20 03 00 00 06 00 00 00\n", 2, "16 bytes"},
            {"seventeen bytes", header + "00: 86 80 00 2a 06 01 90 20 03 00 00 06 00 00 00 00 00\n", 2, "more than 16"},
            {"three-digit bytes", header + "00: 086 80 00 2a 06 01 90 20 03 00 00 06 00 00 00 00\n", 2, "16 bytes"},
            {"a skipped row", header + row0 + "20: " + row, 3, "offset 0x00000010, not 0x00000020"},
            {"a repeated row", header + row0 + "00: " + row, 3, "offset 0x00000010, not 0x00000000"},
            {"rows not starting at 00", header + "10: " + row, 2, "offset 0x00000000, not 0x00000010"},
            {"a header of 32 bytes", header + row0 + "10: " + row + "\n01:00.0 VGA\n" + fullHeader, 1,
             "has 32 bytes; its 64-byte header is needed"},
            {"a function without bytes at the end", header + fullHeader + "00:1f.0 ISA bridge\n", 6, "has 0 bytes"},
            {"a second line for one function", header + fullHeader + "\n00:00.0 Again\n" + fullHeader, 7,
             "second 00:00.0 (the first is on line 1)"},
            {"device 0x20", "00:20.0 Nothing\n" + fullHeader, 1, "no such function 00:20.0"},
            {"function 8", "00:1f.8 Nothing\n" + fullHeader, 1, "no such function 00:1f.8"},
            {"a three-digit domain", "000:00:00.0 Host\n" + fullHeader, 1, "neither a function's"},
            {"a domain of nine digits", "000000000:00:00.0 Host\n" + fullHeader, 1, "neither a function's"},
            {"a slot glued to its text", "00:00.0Host\n" + fullHeader, 1, "neither a function's"},
            {"a NUL byte", header + std::string("00: 86\0", 7) + "\n", 2, "control character"},
            {"more than 4096 bytes",
             [&] {
                 std::string text = header;
                 for (unsigned offset = 0; offset <= 0x1000; offset += 16) {
                     char head[8];
                     std::snprintf(head, sizeof head, "%02x: ", offset);
                     text += head + row;
                 }
                 return text;
             }(),
             258, "more than 4096 bytes"},
    };
    for (const SnapshotError& c : cases) {
        LoadedBoard board;
        board.files.texts["snap.lspci"] = c.snapshot;
        BsLoadError error{};
        error.line = 999;
        EXPECT_EQ(board.Load(kBoard, &error), BS_BAD_BOARD) << c.what;
        EXPECT_EQ(error.line, c.line) << c.what << ": " << error.message;
        EXPECT_STREQ(error.file, "snap.lspci") << c.what;
        EXPECT_NE(std::string(error.message).find(c.message), std::string::npos)
                << c.what << ": got '" << error.message << "'";
        EXPECT_EQ(board.allocator.live, 0u) << c.what;
        EXPECT_EQ(board.files.outstanding, 0) << c.what;
    }
}

TEST(PciSnapshot, BoardFileNamesItsSnapshotBesideItself)
{
    struct Case {
        const char* what;
        std::string board;
        unsigned line;
        const char* message;
    };
    const Case cases[] = {
            {"a file that cannot be read", "[board]\nname = B\npci = missing.lspci\n", 3,
             "pci: cannot read the snapshot 'missing.lspci'"},
            {"a path up and out", "[board]\nname = B\npci = ../secret.lspci\n", 3, "not a file beside the board"},
            {"a part up in the middle", "[board]\nname = B\npci = pci/../../x\n", 3, "not a file beside the board"},
            {"a rooted path", "[board]\nname = B\npci = /etc/passwd\n", 3, "not a file beside the board"},
            {"a drive", "[board]\nname = B\npci = C:\\x.lspci\n", 3, "not a file beside the board"},
            {"a domain without a snapshot", "[board]\nname = B\npci_domain = 1\n", 1, "'pci_domain'"},
            {"a domain past 32 bits", "[board]\nname = B\npci = snap.lspci\npci_domain = 0x100000000\n", 4,
             "is outside"},
    };
    for (const Case& c : cases) {
        LoadedBoard board;
        board.files.folder.clear();
        board.files.texts["snap.lspci"] = kSnapshot;
        BsLoadError error{};
        EXPECT_EQ(board.Load(c.board, &error), BS_BAD_BOARD) << c.what;
        EXPECT_EQ(error.line, c.line) << c.what << ": " << error.message;
        EXPECT_STREQ(error.file, "") << c.what;
        EXPECT_NE(std::string(error.message).find(c.message), std::string::npos)
                << c.what << ": got '" << error.message << "'";
        EXPECT_EQ(board.allocator.live, 0u) << c.what;
    }
    LoadedBoard nested;
    nested.files.texts["pci/desk-top_1.lspci"] = kSnapshot;
    BsLoadError error{};
    EXPECT_EQ(nested.Load("[board]\nname = B\npci = pci/desk-top_1.lspci\n", &error), BS_OK) << error.message;
}

TEST(PciSnapshot, ClassicBoardServesItsChipset)
{
    LoadedBoard classic;
    BsLoadError error{};
    ASSERT_EQ(classic.Load(ReadFile(BOARDSIM_BOARDS_DIR "/classic.ini"), &error), BS_OK)
            << error.file << " line " << error.line << ": " << error.message;
    std::uint32_t value = 0;
    // 00:1f.2, the SATA controller in AHCI mode: class 01, subclass 06.
    BsPortWrite(classic.get(), 0xCF8, 4, Address(0, 31, 2, 0x08));
    BsPortRead(classic.get(), 0xCFC, 4, &value);
    EXPECT_EQ(value >> 16, 0x0106u);
    BsPortWrite(classic.get(), 0xCF8, 4, Address(0, 31, 2, 0x00));
    BsPortRead(classic.get(), 0xCFC, 4, &value);
    EXPECT_EQ(value, 0x28298086u);
}

}  // namespace
}  // namespace boardsim::test
