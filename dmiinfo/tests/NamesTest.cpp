#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "ShippedNames.h"
#include "core/IniNameTable.h"
#include "core/SmbiosNames.h"

namespace vantor::dmi {
namespace {

TEST(SmbiosName, KeysAreTwoLowerCaseHexDigits) {
    EXPECT_EQ(NameKey(0x00), "00");
    EXPECT_EQ(NameKey(0x0A), "0a");
    EXPECT_EQ(NameKey(0xB3), "b3");
    EXPECT_EQ(NameKey(0xFF), "ff");
}

TEST(SmbiosName, ReadsLikeTheProfileFunctions) {
    const IniNameTable names = IniNameTable::Parse(
        "; comment\r\n"
        "[Slot Usage]\r\n"
        "03 = Available \r\n"
        "04=In use\r\n"
        "04=Second\r\n"
        "05=\r\n"
        "[ memory form factor ]\n"
        "0D=SODIMM\n"
        "[Long]\n"
        "01=" + std::string(80, 'x') + "\n");
    EXPECT_EQ(SmbiosName(names, "Slot Usage", 0x03), "Available");
    EXPECT_EQ(SmbiosName(names, "slot usage", 0x04), "In use");  // first key wins, any case
    EXPECT_EQ(SmbiosName(names, "Slot Usage", 0x05), "Unknown");  // empty value
    EXPECT_EQ(SmbiosName(names, "Slot Usage", 0x06), "Unknown");  // missing key
    EXPECT_EQ(SmbiosName(names, "Memory Form Factor", 0x0D), "SODIMM");
    EXPECT_EQ(SmbiosName(names, "No Such Section", 0x03), "Unknown");
    EXPECT_EQ(SmbiosName(names, "Long", 0x01), std::string(kMaxNameLength, 'x'));
}

TEST(ShippedSmbiosIni, HasEverySectionTheDecodersReadWithWellFormedKeys) {
    const std::set<std::string> expected = {
        "Wake Type", "Enclosure&Chassis Type", "Enclosure&Chassis Status", "Processor Type",
        "Processor Family", "Memory ED Method", "Memory Interleave", "Cache Correction Type",
        "System Caceh Type", "Cache Associativity", "Connector Type", "Port Type", "Slot Type", "Slot Width",
        "Slot Usage", "Slot Length", "Memory Array Location", "Memory Array Use", "Memory Error Correction",
        "Memory Form Factor", "Memory Device Type"};
    std::ifstream file(DMIINFO_SMBIOS_INI);
    ASSERT_TRUE(file);
    const std::regex section(R"(^\[(.*)\]$)");
    const std::regex entry(R"(^[0-9a-f]{2}=[^ ].{0,62}$)");
    std::set<std::string> sections;
    std::set<std::string> keys;
    std::string current;
    std::string line;
    while (std::getline(file, line)) {
        std::smatch match;
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (std::regex_match(line, match, section)) {
            current = match[1];
            EXPECT_TRUE(sections.insert(current).second) << "duplicate section " << current;
            continue;
        }
        EXPECT_TRUE(std::regex_match(line, entry)) << current << ": " << line;
        EXPECT_TRUE(keys.insert(current + "/" + line.substr(0, 2)).second) << "duplicate key " << line;
    }
    EXPECT_EQ(sections, expected);
    // Every section names "Other" (0x01 everywhere, 0xff where 0x00 means none).
    for (const std::string& name : expected) {
        const bool noneAtZero = name == "Connector Type" || name == "Port Type";
        EXPECT_EQ(SmbiosName(test::ShippedNames(), name, noneAtZero ? 0xFF : 0x01), "Other") << name;
    }
}

}  // namespace
}  // namespace vantor::dmi
