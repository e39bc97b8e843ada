// The SmBIOS.ini lookups through the Windows profile functions (run under
// Wine): the shared cases, and every key of the shipped file read the same
// way as the native reader reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "NameCases.h"
#include "core/IniNameTable.h"
#include "win/ProfileSmbiosNames.h"

namespace vantor::dmi {
namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\'));
}

TEST(ProfileSmbiosNames, AnswersTheSharedCases)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vantor-smbios-names.ini";
    std::ofstream(path, std::ios::binary) << cases::kNamesFileText;
    const ProfileSmbiosNames names(path);
    for (const cases::NameCase& c : cases::kNameCases) {
        EXPECT_EQ(SmbiosName(names, c.section, c.value), c.expected) << c.label;
    }
    DeleteFileA(path.c_str());
}

TEST(ProfileSmbiosNames, ReadsTheShippedFileAsTheNativeReaderDoes)
{
    const std::string path = ProgramFolder() + "\\SmBIOS.ini";
    const auto native = IniNameTable::Load(path);
    ASSERT_TRUE(native) << path;
    const ProfileSmbiosNames profile(path);
    const char* sections[] = {"Wake Type",
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
    int named = 0;
    for (const char* section : sections) {
        for (int value = 0; value <= 0xFF; ++value) {
            const auto byte = static_cast<std::uint8_t>(value);
            const std::string expected = SmbiosName(*native, section, byte);
            EXPECT_EQ(SmbiosName(profile, section, byte), expected) << section << " " << NameKey(byte);
            named += expected != "Unknown";
        }
    }
    EXPECT_GT(named, 400);
}

}  // namespace
}  // namespace vantor::dmi
