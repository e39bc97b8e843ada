#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "NameCases.h"
#include "ShippedNames.h"
#include "core/IniNameTable.h"
#include "core/SmbiosNames.h"

namespace vantor::dmi {
namespace {

TEST(SmbiosName, KeysAreTwoLowerCaseHexDigits)
{
    EXPECT_EQ(NameKey(0x00), "00");
    EXPECT_EQ(NameKey(0x0A), "0a");
    EXPECT_EQ(NameKey(0xB3), "b3");
    EXPECT_EQ(NameKey(0xFF), "ff");
}

TEST(SmbiosName, ReadsLikeTheProfileFunctions)
{
    const IniNameTable names = IniNameTable::Parse(cases::kNamesFileText);
    for (const cases::NameCase& c : cases::kNameCases) {
        EXPECT_EQ(SmbiosName(names, c.section, c.value), c.expected) << c.label;
    }
}

TEST(ShippedSmbiosIni, HasEverySectionTheDecodersReadWithWellFormedKeys)
{
    const std::set<std::string> expected = {"Wake Type",
                                            "Enclosure&Chassis Type",
                                            "Enclosure&Chassis Status",
                                            "Processor Type",
                                            "Processor Family",
                                            "Memory ED Method",
                                            "Memory Interleave",
                                            "Cache Correction Type",
                                            "System Caceh Type",
                                            "Cache Associativity",
                                            "Connector Type",
                                            "Port Type",
                                            "Slot Type",
                                            "Slot Width",
                                            "Slot Usage",
                                            "Slot Length",
                                            "Memory Array Location",
                                            "Memory Array Use",
                                            "Memory Error Correction",
                                            "Memory Form Factor",
                                            "Memory Device Type"};
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
