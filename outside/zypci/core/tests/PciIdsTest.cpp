// The pci.ids reader: the forms of the database, lines it must skip, the
// code page of the names, and the real database Debian ships.
#include <gtest/gtest.h>

#include <string>

#include "PciIds.h"
#include "SimulatedPorts.h"

namespace vantor::pci {
namespace {

std::string NameOr(const std::string* name) { return name != nullptr ? *name : "(none)"; }

TEST(PciIds, ReadsVendorsDevicesSubsystemsAndClasses)
{
    const PciIds ids = PciIds::Parse("# comment\n"
                                     "8086  Intel Corporation\r\n"
                                     "\t2829  82801HM/HEM SATA Controller [AHCI mode]\n"
                                     "\t\t10cf 1411  LIFEBOOK SATA\n"
                                     "\t\t# a comment inside\n"
                                     "10cf  Fujitsu Limited.\n"
                                     "\n"
                                     "C 01  Mass storage controller\n"
                                     "\t06  SATA controller\n"
                                     "\t\t01  AHCI 1.0\n"
                                     "C ff  Unassigned class\n");
    EXPECT_EQ(NameOr(ids.Vendor(0x8086)), "Intel Corporation");
    EXPECT_EQ(NameOr(ids.Vendor(0x10CF)), "Fujitsu Limited.");
    EXPECT_EQ(NameOr(ids.Device(0x8086, 0x2829)), "82801HM/HEM SATA Controller [AHCI mode]");
    EXPECT_EQ(NameOr(ids.Subsystem(0x8086, 0x2829, 0x10CF, 0x1411)), "LIFEBOOK SATA");
    EXPECT_EQ(NameOr(ids.Class(0x01)), "Mass storage controller");
    EXPECT_EQ(NameOr(ids.Subclass(0x01, 0x06)), "SATA controller");
    EXPECT_EQ(NameOr(ids.ProgrammingInterface(0x01, 0x06, 0x01)), "AHCI 1.0");
    EXPECT_EQ(NameOr(ids.Class(0xFF)), "Unassigned class");
    // Misses at every level.
    EXPECT_EQ(ids.Vendor(0x1234), nullptr);
    EXPECT_EQ(ids.Device(0x8086, 0x2828), nullptr);
    EXPECT_EQ(ids.Device(0x10CF, 0x2829), nullptr);
    EXPECT_EQ(ids.Subsystem(0x8086, 0x2829, 0x10CF, 0x1412), nullptr);
    EXPECT_EQ(ids.Subclass(0x01, 0x07), nullptr);
    EXPECT_EQ(ids.ProgrammingInterface(0x01, 0x06, 0x00), nullptr);
    EXPECT_EQ(ids.Subclass(0x02, 0x00), nullptr);
    EXPECT_EQ(ids.SkippedLines(), 0u);
}

TEST(PciIds, SkipsWhatIsNotOneOfItsFormsAndWhatStandsUnderIt)
{
    struct Case {
        const char* what;
        std::string text;
        std::size_t skipped;
    };
    const Case cases[] = {
            {"a three-digit vendor", "808  Short\n\t2829  Under it\n", 2},
            {"a vendor of letters", "zzzz  Letters\n", 1},
            {"a vendor without a name", "8086\n\t2829  Under it\n", 2},
            {"a vendor whose name is blanks", "8086    \n", 1},
            {"an ID glued to its name", "8086Intel\n", 1},
            {"a device before any vendor", "\t2829  Orphan\n", 1},
            {"three tabs deep", "8086  Intel\n\t2829  D\n\t\t\t0000  Deep\n", 1},
            {"a subsystem with one ID", "8086  Intel\n\t2829  D\n\t\t10cf  Half\n", 1},
            {"a subsystem without its blank", "8086  Intel\n\t2829  D\n\t\t10cf1411  Glued\n", 1},
            {"a class of one digit", "C 1  Short\n\t06  Under it\n", 2},
            {"a subclass of letters", "C 01  Mass\n\tzz  Bad\n\t\t01  Under it\n", 2},
            {"an unknown top-level form", "X 01  Other\n\t06  Under it\n", 2},
    };
    for (const Case& c : cases) {
        const PciIds ids = PciIds::Parse(c.text);
        EXPECT_EQ(ids.SkippedLines(), c.skipped) << c.what;
        EXPECT_EQ(ids.Subsystem(0x8086, 0x2829, 0x10CF, 0x1411), nullptr) << c.what;
        EXPECT_EQ(ids.Subclass(0x01, 0x06), nullptr) << c.what;
    }
}

TEST(PciIds, KeepsNamesInTheReportsCodePageAndCutsLongOnes)
{
    const PciIds ids = PciIds::Parse("1787  IceQ X\xC2\xB2 Turbo\xE2\x84\xA2\n"  // superscript two, trade mark
                                     "1788  Bad \xFF byte \xC0\xAF overlong\n"
                                     "1789  Emoji \xF0\x9F\x98\x80 and Kanji \xE6\xBC\xA2\n"
                                     "178a  Cut \xE2\x82\n"  // a sequence cut short
                                     "178b  " +
                                     std::string(300, 'N') + "\n");
    EXPECT_EQ(NameOr(ids.Vendor(0x1787)), "IceQ X\xB2 Turbo\x99");
    EXPECT_EQ(NameOr(ids.Vendor(0x1788)), "Bad ? byte ?? overlong");
    EXPECT_EQ(NameOr(ids.Vendor(0x1789)), "Emoji ? and Kanji ?");
    EXPECT_EQ(NameOr(ids.Vendor(0x178A)), "Cut ??");
    EXPECT_EQ(NameOr(ids.Vendor(0x178B)), std::string(kMaxNameLength, 'N'));
    EXPECT_EQ(Utf8ToWindows1252("tab\there"), "tab here");
}

TEST(PciIds, NoDatabaseMeansNoNames)
{
    for (const PciIds& ids : {PciIds(), PciIds::Parse(""), PciIds::Parse(std::string(1000, '\n'))}) {
        EXPECT_EQ(ids.Vendor(0x8086), nullptr);
        EXPECT_EQ(ids.Class(0x01), nullptr);
        EXPECT_EQ(ids.VendorCount(), 0u);
    }
}

TEST(PciIds, KeepsOnlyTheWantedVendorsAndDevicesWithTheirSubsystems)
{
    PciIdsWanted wanted;
    wanted.AddDevice(0x8086, 0x2829);
    wanted.vendors.insert(0x10CF);  // a subsystem's vendor: its name, none of its devices
    const PciIds ids = PciIds::Parse("8086  Intel Corporation\n"
                                     "\t2828  82801HM/HEM SATA Controller [IDE mode]\n"
                                     "\t\t10cf 1410  LIFEBOOK IDE\n"
                                     "\t2829  82801HM/HEM SATA Controller [AHCI mode]\n"
                                     "\t\t10cf 1411  LIFEBOOK SATA\n"
                                     "10cf  Fujitsu Limited.\n"
                                     "\t2829  not Intel's\n"
                                     "1002  Advanced Micro Devices, Inc. [AMD/ATI]\n"
                                     "\t9999  not wanted\n"
                                     "\t\tnonsense under an entry passed by\n"
                                     "C 01  Mass storage controller\n"
                                     "\t06  SATA controller\n",
                                     wanted);
    EXPECT_EQ(NameOr(ids.Vendor(0x8086)), "Intel Corporation");
    EXPECT_EQ(NameOr(ids.Device(0x8086, 0x2829)), "82801HM/HEM SATA Controller [AHCI mode]");
    EXPECT_EQ(NameOr(ids.Subsystem(0x8086, 0x2829, 0x10CF, 0x1411)), "LIFEBOOK SATA");
    EXPECT_EQ(NameOr(ids.Vendor(0x10CF)), "Fujitsu Limited.");
    EXPECT_EQ(NameOr(ids.Subclass(0x01, 0x06)), "SATA controller");
    EXPECT_EQ(ids.Device(0x8086, 0x2828), nullptr);
    EXPECT_EQ(ids.Device(0x10CF, 0x2829), nullptr);
    EXPECT_EQ(ids.Vendor(0x1002), nullptr);
    EXPECT_EQ(ids.VendorCount(), 2u);
    EXPECT_EQ(ids.SkippedLines(), 0u);
}

TEST(PciIds, ReadsTheDatabaseDebianShips)
{
    const std::string text = testing::ReadWholeFile(VANTOR_PCI_IDS);
    ASSERT_FALSE(text.empty()) << "no pci.ids at " VANTOR_PCI_IDS;
    const PciIds ids = PciIds::Parse(text);
    EXPECT_EQ(ids.SkippedLines(), 0u) << "every line of the real database is one of its forms";
    EXPECT_GT(ids.VendorCount(), 1000u);
    EXPECT_EQ(NameOr(ids.Device(0x8086, 0x2829)), "82801HM/HEM (ICH8M/ICH8M-E) SATA Controller [AHCI mode]");
    EXPECT_EQ(NameOr(ids.Subsystem(0x8086, 0x10C9, 0x8086, 0xA03C)), "Gigabit ET Dual Port Server Adapter");
    EXPECT_EQ(NameOr(ids.ProgrammingInterface(0x0C, 0x03, 0x30)), "XHCI");

    // The names a machine needs are the same whether the whole database is
    // kept or only what was asked for.
    PciIdsWanted wanted;
    wanted.AddDevice(0x8086, 0x10C9);
    const PciIds few = PciIds::Parse(text, wanted);
    EXPECT_EQ(few.VendorCount(), 1u);
    EXPECT_EQ(NameOr(few.Device(0x8086, 0x10C9)), NameOr(ids.Device(0x8086, 0x10C9)));
    EXPECT_EQ(NameOr(few.Subsystem(0x8086, 0x10C9, 0x8086, 0xA03C)), "Gigabit ET Dual Port Server Adapter");
    EXPECT_EQ(NameOr(few.ProgrammingInterface(0x0C, 0x03, 0x30)), "XHCI");
    EXPECT_EQ(few.SkippedLines(), 0u);
}

}  // namespace
}  // namespace vantor::pci
